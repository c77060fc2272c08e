#include "pad/mainwindow.h"
#include "ui_mainwindow.h"

// MENU is not understood yet; such lines go on to the dispatcher's later
// steps.
bool MainWindow::HandleMenuCommand(QString)
{
    return false;
}

bool MainWindow::HandleSymbolicCommand(QString line)
{
    QString rest;
    QString text;
    bool ok = false;
    if (MatchCommand(line, QStringLiteral("ISOLATE"), rest)) {
        ok = IsolateText(rest, text);
        InsertCommandResult(text, ok);
        ui->Label1->setText(ok ? QStringLiteral("Isolated") : QStringLiteral("Cannot Isolate"));
        return true;
    }
    if (MatchCommand(line, QStringLiteral("SIMPLIFY"), rest)) {
        ok = SimplifyText(rest, text);
        InsertCommandResult(text, ok);
        ui->Label1->setText(ok ? QStringLiteral("Simplified") : QStringLiteral("Cannot Simplify"));
        return true;
    }
    return false;
}
