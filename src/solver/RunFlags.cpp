#include "pad/mainwindow.h"

bool MainWindow::RefuseWhileBusy()
{
    if (!solveRunning && !busy)
        return false;
    ShowStatus(QStringLiteral("Please finish the current calculation first"));
    return true;
}

MainWindow::BusyScope::BusyScope(MainWindow& owner) : window(owner), wasBusy(owner.busy)
{
    window.busy = true;
}

MainWindow::BusyScope::~BusyScope()
{
    window.busy = wasBusy;
}
