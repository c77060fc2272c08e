#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

#include <QIcon>

// The resources are compiled into a static library; the linker keeps them only
// when something refers to their registration function.
static void registerResources()
{
    Q_INIT_RESOURCE(sumvelle);
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    registerResources();
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/Sumvelle.ico")));
}

MainWindow::~MainWindow()
{
    delete ui;
}
