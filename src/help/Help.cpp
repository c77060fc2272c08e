#include "pad/mainwindow.h"

// There is no help catalogue yet, so no line is a help request.
bool MainWindow::HandleHelpCommand(QString, QString& helpText)
{
    helpText.clear();
    return false;
}

void MainWindow::InsertFormattedHelpText(const QString&)
{
    pendingHelpKey.clear();
}
