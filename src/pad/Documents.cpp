#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

#include <QTextDocument>

#include <algorithm>

namespace {
// Characters per piece: a few megabytes of UTF-8 at most.
constexpr qsizetype DocumentPieceLength = 1 << 20;
} // namespace

// Every pad is untitled until documents can be saved and opened.
void MainWindow::UpdateDocumentWindowTitle()
{
    setWindowTitle(QStringLiteral("Sumvelle"));
}

bool MainWindow::ProduceDocumentBytes(const std::function<bool(QByteArrayView)>& sink) const
{
    // The raw text keeps no-break spaces, which the plain text would turn
    // into blanks; only the two line separators become "\n". (Reading the
    // document in ranges instead walks its fragments more slowly.)
    QString text = ui->Text1->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    }
    // Encoded a piece at a time: a large pad is never held whole as UTF-8
    // beside its text.
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype length = std::min(DocumentPieceLength, all.size() - start);
        // A surrogate pair is encoded whole, never split between two pieces.
        if (start + length < all.size() && all.at(start + length - 1).isHighSurrogate()
            && all.at(start + length).isLowSurrogate())
            ++length;
        if (!sink(all.mid(start, length).toUtf8()))
            return false;
        start += length;
    }
    return true;
}

QByteArray MainWindow::DocumentBytes() const
{
    QByteArray bytes;
    ProduceDocumentBytes([&bytes](QByteArrayView piece) {
        bytes.append(piece);
        return true;
    });
    return bytes;
}
