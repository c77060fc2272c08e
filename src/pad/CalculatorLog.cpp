#include "pad/mainwindow.h"

// The calculator log is not written yet.
void MainWindow::WriteLog()
{
}
