// Replies written into the pad on the line after the submitted one: every
// handler answers through here, so none of them calls back into the
// dispatcher.

#include "pad/PadReplies.h"

#include "pad/mainwindow.h"

#include "engine/TextScan.h"
#include "pad/MainWindowForm.h"

#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>

static_assert(TextScan::BoldWeight == QFont::Bold, "answers are written in the weight that reads as bold");

namespace {

QTextCharFormat WeightFormat(int weight)
{
    QTextCharFormat format;
    format.setFontWeight(weight);
    return format;
}

} // namespace

void InsertReplyText(QTextCursor& cursor, const QString& text, bool bold)
{
    cursor.insertText(text, WeightFormat(bold ? QFont::Bold : QFont::Normal));
}

void MainWindow::InsertCommandResult(QString text, bool bold)
{
    // Blocked, so that the reply is never taken for typing.
    const QSignalBlocker blocker(ui->Text1);
    QTextCursor cursor = ui->Text1->textCursor();
    InsertReplyText(cursor, text, bold);
    InsertReplyText(cursor, QStringLiteral("\n"), false);
    ui->Text1->setTextCursor(cursor);
}

void MainWindow::ShowStatus(const QString& text)
{
    ui->Label1->setText(text);
}

QTextCursor MainWindow::PadCursor() const
{
    return ui->Text1->textCursor();
}

void MainWindow::PlacePadCursor(const QTextCursor& cursor)
{
    const QSignalBlocker blocker(ui->Text1);
    ui->Text1->setTextCursor(cursor);
}

void MainWindow::WriteReply(QTextCursor cursor, const std::function<void(QTextCursor&)>& write)
{
    const QSignalBlocker blocker(ui->Text1);
    write(cursor);
    cursor.setCharFormat(WeightFormat(QFont::Normal));
    ui->Text1->setTextCursor(cursor);
}
