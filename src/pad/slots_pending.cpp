#include "pad/mainwindow.h"

// The form connects these by name already; what each one does arrives with the
// pad driver, documents, settings, the calculator log and the menu handlers.
// Those that will replace the pad refuse already while a solve runs under it.

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
void MainWindow::on_actionShow_Log_triggered() {}
void MainWindow::on_actionLog_Viewer_triggered() {}
void MainWindow::on_actionSave_Settings_triggered() {}
void MainWindow::on_actionFont_triggered() {}
void MainWindow::on_actionCopyWithoutFormatting_triggered() {}
void MainWindow::on_actionNew_Document_triggered()
{
    RefuseWhileBusy();
}
void MainWindow::on_actionOpen_Document_triggered()
{
    RefuseWhileBusy();
}
void MainWindow::on_actionSave_Document_triggered() {}
void MainWindow::on_actionSave_Document_As_triggered() {}
void MainWindow::on_actionInsert_Document_At_Cursor_triggered()
{
    RefuseWhileBusy();
}
