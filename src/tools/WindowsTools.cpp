#include "pad/mainwindow.h"

// The window-handle commands are not recognised yet.
bool MainWindow::HandleWindowsCommand(QString, QString& result)
{
    result.clear();
    return false;
}
