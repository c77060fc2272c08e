// The options that the engine takes from the menus. Only the pad reads the
// form, so that editing it rebuilds the pad and never the engine.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

bool MainWindow::WordOperatorsOn() const
{
    return ui->actionUse_Word_Oporators->isChecked();
}

bool MainWindow::IgnoreTextWhenCannotSolveOn() const
{
    return ui->actionIgnore_Text_When_Cannot_Solve->isChecked();
}

int MainWindow::MenuOutputBase() const
{
    if (ui->actionOutputBaseBinary->isChecked())
        return 2;
    if (ui->actionOutputBaseOctal->isChecked())
        return 8;
    if (ui->actionOutputBaseHexadecimal->isChecked())
        return 16;
    return 0;
}
