#include "pad/mainwindow.h"

// CREATE FUNCTION, FUNCTIONS and DELETE FUNCTION are not understood yet.
bool MainWindow::HandleCustomFunctionCommand(const QString&)
{
    return false;
}
