#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

// The line under the cursor has no preview yet: the status line is left empty.
void MainWindow::UpdateRealtimePreview(const QString&, int)
{
    ui->Label1->setText(QString());
}
