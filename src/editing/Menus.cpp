#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

#include <QActionGroup>
#include <QTextDocument>

// The menu wiring as far as the pad needs it: the pad keeps its own undo
// history, the output bases exclude each other, and the window-control
// entries, which have no implementation here, stay hidden.
void MainWindow::InitializeMenus()
{
    if (menusInitialized)
        return;
    menusInitialized = true;

    ui->Text1->document()->setUndoRedoEnabled(false);

    QAction* editMenu = ui->menuEdit->menuAction();
    if (ui->menuFile->actions().contains(editMenu)) {
        ui->menuFile->removeAction(editMenu);
        ui->menubar->insertAction(ui->menuOptions->menuAction(), editMenu);
    }

    auto* outputBases = new QActionGroup(this);
    outputBases->setExclusive(true);
    for (QAction* action : {ui->actionOutputBaseDecimal, ui->actionOutputBaseBinary, ui->actionOutputBaseOctal,
                            ui->actionOutputBaseHexadecimal}) {
        outputBases->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, action]() { ui->Label1->setText(QStringLiteral("Output Base = ") + action->text()); });
    }

    connect(ui->actionFind, &QAction::triggered, this, &MainWindow::ShowSearchDialog, Qt::UniqueConnection);
    connect(ui->actionFindNext, &QAction::triggered, this, &MainWindow::FindNext, Qt::UniqueConnection);
    connect(ui->actionFindPrevious, &QAction::triggered, this, &MainWindow::FindPrevious, Qt::UniqueConnection);
    connect(ui->actionCheckForUpdates, &QAction::triggered, this, &MainWindow::ShowUpdateWindow,
            Qt::UniqueConnection);

    ui->menuWindowControl->menuAction()->setVisible(false);
    ui->menuWindowControlCommands->menuAction()->setVisible(false);
    ui->actionHelpWindows->setVisible(false);
}

void MainWindow::RefreshMenus()
{
    UpdateUndoRedoActions();
}
