#include "pad/mainwindow.h"

#include <QCloseEvent>
#include <QMessageBox>

// Closing while the nonlinear solver runs stops it at its next poll; it then
// answers nothing, since the pad is going away.
// When the log cannot take the pad, the user chooses: the pad would be lost.
void MainWindow::closeEvent(QCloseEvent* event)
{
    FinishForm();
    QString error;
    if (!AppendLogRecord(error)) {
        const QString reason = QStringLiteral("Calculator log could not be written: ") + error;
        ShowStatus(reason);
        const auto answer = QMessageBox::warning(this, QStringLiteral("Calculator Log"),
                                                 reason + QStringLiteral("\n\nClose without logging the pad?"),
                                                 QMessageBox::Close | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Close) {
            event->ignore();
            return;
        }
    }
    closeRequested = true;
    if (solveRunning)
        solveCancelRequested = true;
    QMainWindow::closeEvent(event);
}
