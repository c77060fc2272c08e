#include "pad/mainwindow.h"

#include <QCloseEvent>

// Closing while the nonlinear solver runs stops it at its next poll; it then
// answers nothing, since the pad is going away.
void MainWindow::closeEvent(QCloseEvent* event)
{
    closeRequested = true;
    if (solveRunning)
        solveCancelRequested = true;
    WriteLog();
    QMainWindow::closeEvent(event);
}
