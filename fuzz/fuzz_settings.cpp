// The settings loader: the bytes are written as the settings file, then a
// new window loads them at start-up and saves them again.

#include "FuzzSupport.h"

#include "pad/StoragePaths.h"
#include "pad/mainwindow.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        FuzzSupport::WriteDataFile(StoragePaths::SettingsFilePath(),
                                   QByteArrayView(data, static_cast<qsizetype>(size)));

        // The window loads the file as it starts.
        auto window = FuzzSupport::NewWindow();
        window->SaveSettings();
        window->LoadSettings();
    }
    FuzzSupport::WipeUserFiles();
    return 0;
}
