#include "pad/mainwindow.h"

#include "pad/FileReading.h"
#include "pad/StoragePaths.h"
#include "pad/MainWindowForm.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QUrl>

#include <limits>

// Appends only, and reads no more of the log than its last byte. The record
// is written with one write and taken back out when that fails, so the log
// never holds half a record, and a record never starts on the line of one cut
// off by an earlier failure.
bool MainWindow::AppendLogRecord(QString& error)
{
    const QString path = StoragePaths::LogFilePath();
    // Opening a named pipe for writing would wait for a reader.
    error = FileReading::WhyUnsafe(path, std::numeric_limits<qint64>::max());
    if (!error.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    const qint64 size = file.size();
    QByteArray record;
    if (size > 0) {
        char last = 0;
        if (!file.seek(size - 1) || file.read(&last, 1) != 1) {
            error = file.errorString();
            return false;
        }
        if (last != '\n')
            record += '\n';
    }
    const QString rule = QStringLiteral("--------------------");
    record += (rule + QDateTime::currentDateTime().toString(Qt::TextDate) + rule + QLatin1Char('\n') + PadText()
               + QLatin1Char('\n'))
                  .toUtf8();
    if (file.write(record) != record.size() || !file.flush()) {
        error = file.errorString();
        file.resize(size);
        return false;
    }
    return true;
}

bool MainWindow::WriteLog()
{
    QString error;
    if (AppendLogRecord(error))
        return true;
    ShowStatus(QStringLiteral("Calculator log could not be written: ") + error);
    return false;
}

void MainWindow::ShowLog()
{
    const QString path = StoragePaths::LogFilePath();
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text))
            file.close();
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainWindow::on_actionShow_Log_triggered()
{
    ShowLog();
}

// Both line breaks of the pad (Enter and Shift+Enter) reach the clipboard as
// "\n".
void MainWindow::on_actionCopyWithoutFormatting_triggered()
{
    const QTextCursor cursor = ui->Text1->textCursor();
    if (!cursor.hasSelection())
        return;
    QString text = cursor.selectedText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}
