#include "pad/mainwindow.h"

#include "pad/StoragePaths.h"
#include "ui_mainwindow.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <QUrl>

// Appends only, and never reads the log: its size costs nothing. A log that
// cannot be written is skipped without a word, so closing never waits on it.
void MainWindow::WriteLog()
{
    QFile file(StoragePaths::LogFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    const QString rule = QStringLiteral("--------------------");
    stream << rule << QDateTime::currentDateTime().toString(Qt::TextDate) << rule << '\n' << PadText() << '\n';
    stream.flush();
    file.close();
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
