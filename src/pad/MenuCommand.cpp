#include "pad/mainwindow.h"

// MENU, SIMPLIFY and ISOLATE are not understood yet; such lines go on to
// the dispatcher's later steps.
bool MainWindow::HandleMenuCommand(QString)
{
    return false;
}

bool MainWindow::HandleSymbolicCommand(QString)
{
    return false;
}
