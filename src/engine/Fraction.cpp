#include "pad/mainwindow.h"

// FRACTION is not understood yet.
bool MainWindow::HandleFractionFunction(QString)
{
    return false;
}
