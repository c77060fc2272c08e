// The settings loader: the bytes are written as the settings file, then a
// new window loads them at start-up and saves them again.

#include "FuzzSupport.h"

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dataDir);
        QFile file(QDir(dataDir).filePath(QStringLiteral("Sumvelle.ini")));
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        file.close();

        auto window = FuzzSupport::NewWindow();
        window->LoadSettings();
        window->SaveSettings();
        window->LoadSettings();
    }
    FuzzSupport::WipeUserFiles();
    return 0;
}
