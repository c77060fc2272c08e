#include "pad/mainwindow.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
}

MainWindow::~MainWindow() = default;
