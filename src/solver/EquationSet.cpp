#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

// Equations cannot be solved yet: every equation or block gets the
// cannot-solve reply.
void MainWindow::HandleEquationSet(QList<QString>)
{
    ui->Label1->setText(QStringLiteral("Cannot Solve Equation"));
    InsertCannotSolveLine();
}
