// What most menu entries do: put text into the pad. A fragment goes in at
// the cursor as if typed; a command line goes at the end of the pad and is
// run at once or left for the user to complete.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

#include <QScopeGuard>
#include <QTextCursor>
#include <QTextDocument>

void MainWindow::InsertMenuText(const QString& text)
{
    if (RefuseWhileBusy())
        return;
    // A run of insertions and typing is one undo step.
    BeginUndoEditTransaction();
    // With the cursor's own format and the pad's signals on, the insertion
    // reads as typing: preview and suggestions follow, nothing is submitted.
    QTextCursor cursor = ui->Text1->textCursor();
    cursor.insertText(text);
    ui->Text1->setTextCursor(cursor);
    ui->Text1->setFocus(Qt::OtherFocusReason);
    ui->Text1->ensureCursorVisible();
}

void MainWindow::InsertMenuCommand(const QString& command, bool execute)
{
    if (RefuseWhileBusy())
        return;
    CommitUndoStep();
    const BusyScope busyScope(*this);
    submitPending = false;

    {
        // Not typing: the pad's handlers must not take the line as an Enter.
        const bool wasBlocked = ui->Text1->blockSignals(true);
        const auto unblock = qScopeGuard([this, wasBlocked]() { ui->Text1->blockSignals(wasBlocked); });
        QTextCursor cursor(ui->Text1->document());
        cursor.movePosition(QTextCursor::End);
        // Normal weight, also right after a bold answer.
        QTextCharFormat format;
        format.setFontWeight(QFont::Normal);
        const QString& text = PadText();
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
            cursor.insertText(QStringLiteral("\n"), format);
        cursor.insertText(command, format);
        cursor.insertText(execute ? QStringLiteral("\n") : QStringLiteral(" "), format);
        ui->Text1->setTextCursor(cursor);
    }

    // The command goes to the dispatcher as written: it is the system's own
    // text and needs none of the rewriting that typed lines get.
    if (execute)
        HandleSubmittedLine(PadText(), ui->Text1->textCursor().position(), command);
    else
        ShowStatus(QStringLiteral("Complete the command, then press Enter"));

    ui->Text1->setFocus(Qt::OtherFocusReason);
    ui->Text1->ensureCursorVisible();
    RefreshMenus();
}
