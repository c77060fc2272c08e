#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

bool MainWindow::RefuseWhileBusy()
{
    if (!solveRunning && !busy)
        return false;
    ui->Label1->setText(QStringLiteral("Please finish the current calculation first"));
    return true;
}
