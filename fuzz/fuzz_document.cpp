// The document reader: any bytes become the pad's text (strict UTF-8, else
// Windows-1252), and saving that text reads back as the same text.

#include "FuzzSupport.h"

#include "pad/DocumentEncoding.h"
#include "pad/StoragePaths.h"
#include "pad/mainwindow.h"

#include <QDir>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

namespace {
QString WriteFile(const QString& name, QByteArrayView bytes)
{
    return FuzzSupport::WriteDataFile(QDir(StoragePaths::DataDirectory()).filePath(name), bytes);
}

// What a save of valid UTF-8 writes: the editor keeps every character but
// the two line separators, saved as "\n", and the two its text engine
// reserves as frame marks, which it reads as line breaks.
QByteArray ExpectedSave(QByteArrayView input)
{
    QString text = QString::fromUtf8(input);
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code == 0x2028 || code == 0x2029 || code == 0xFDD0 || code == 0xFDD1)
            c = QLatin1Char('\n');
    }
    return text.toUtf8();
}

// Opens the bytes, written as the named file, in a window as new, and
// gives what saving the pad would write.
QByteArray OpenedBytes(const QString& name, QByteArrayView bytes)
{
    MainWindow& window = FuzzSupport::InputWindow();
    if (!window.OpenDocumentFromPath(WriteFile(name, bytes)))
        std::abort();
    return window.DocumentBytes();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(data, static_cast<qsizetype>(size));
    const QByteArray saved = OpenedBytes(QStringLiteral("document.txt"), input);
    // A saved document opens and saves again unchanged.
    if (OpenedBytes(QStringLiteral("saved.txt"), saved) != saved)
        std::abort();
    // Valid UTF-8 with "\n" line ends and no byte-order mark is saved as it
    // was read.
    if (DocumentEncoding::IsStrictUtf8(input) && !input.contains('\r') && !input.startsWith("\xEF\xBB\xBF")
        && saved != ExpectedSave(input))
        std::abort();
    FuzzSupport::FinishInput();
    return 0;
}
