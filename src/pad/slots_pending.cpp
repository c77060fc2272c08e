#include "pad/mainwindow.h"

// The form connects these by name already; what each one does arrives with the
// menu handlers. Those that will replace the pad refuse already while a solve
// runs under it.

void MainWindow::on_actionExit_triggered() {}
void MainWindow::on_actionLarger_triggered() {}
void MainWindow::on_actionSmaller_triggered() {}
void MainWindow::on_actionSet_As_Top_Most_TopMost_triggered() {}
void MainWindow::on_actionSet_As_Not_Top_Most_Not_TopMost_triggered() {}
void MainWindow::on_actionMoney_0_00_triggered() {}
void MainWindow::on_actionLarge_Numbers_0_triggered() {}
void MainWindow::on_actionClear_triggered() {}
void MainWindow::on_actionClear_Pad_triggered()
{
    RefuseWhileBusy();
}
void MainWindow::on_actionLog_Viewer_triggered() {}
void MainWindow::on_actionFont_triggered() {}
