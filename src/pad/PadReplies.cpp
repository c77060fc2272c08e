// Replies written into the pad on the line after the submitted one: every
// handler answers through here, so none of them calls back into the
// dispatcher.

#include "pad/PadReplies.h"

#include "pad/mainwindow.h"

#include "engine/TextScan.h"
#include "ui_mainwindow.h"

#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>

static_assert(TextScan::BoldWeight == QFont::Bold, "answers are written in the weight that reads as bold");

QTextCharFormat WeightFormat(int weight)
{
    QTextCharFormat format;
    format.setFontWeight(weight);
    return format;
}

void MainWindow::InsertCommandResult(QString text, bool bold)
{
    // Blocked, so that the reply is never taken for typing.
    const QSignalBlocker blocker(ui->Text1);
    QTextCursor cursor = ui->Text1->textCursor();
    cursor.insertText(text, WeightFormat(bold ? QFont::Bold : QFont::Normal));
    cursor.insertText(QStringLiteral("\n"), WeightFormat(QFont::Normal));
    ui->Text1->setTextCursor(cursor);
}

void MainWindow::ShowStatus(const QString& text)
{
    ui->Label1->setText(text);
}
