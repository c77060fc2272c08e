// The document reader: any bytes become the pad's text (strict UTF-8, else
// Windows-1252), and saving that text reads back as the same text.

#include "FuzzSupport.h"

#include "pad/DocumentEncoding.h"
#include "pad/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

namespace {
QString WriteFile(const QString& name, QByteArrayView bytes)
{
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataDir);
    const QString path = QDir(dataDir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
    return path;
}

QByteArray OpenedBytes(const QString& path)
{
    auto window = FuzzSupport::NewWindow();
    if (!window->OpenDocumentFromPath(path))
        std::abort();
    return window->DocumentBytes();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        const QByteArrayView input(data, static_cast<qsizetype>(size));
        const QByteArray saved = OpenedBytes(WriteFile(QStringLiteral("document.txt"), input));
        // A saved document opens and saves again unchanged.
        if (OpenedBytes(WriteFile(QStringLiteral("saved.txt"), saved)) != saved)
            std::abort();
        // Valid UTF-8 with "\n" line ends and no byte-order mark is saved
        // exactly as it was read.
        if (DocumentEncoding::IsStrictUtf8(input) && !input.contains('\r') && !input.startsWith("\xEF\xBB\xBF")
            && saved != input)
            std::abort();
    }
    FuzzSupport::WipeUserFiles();
    return 0;
}
