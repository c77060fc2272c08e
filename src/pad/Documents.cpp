#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

#include <QTextDocument>

// Every pad is untitled until documents can be saved and opened.
void MainWindow::UpdateDocumentWindowTitle()
{
    setWindowTitle(QStringLiteral("Sumvelle"));
}

QByteArray MainWindow::DocumentBytes() const
{
    // The raw text keeps no-break spaces, which the plain text would turn
    // into blanks; only the two line separators become "\n".
    QString text = ui->Text1->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    }
    return text.toUtf8();
}
