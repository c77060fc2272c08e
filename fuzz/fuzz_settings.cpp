// The settings loader: the bytes are written as the settings file, then a
// window as new loads them, as at start-up, and saves them again.

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
    MainWindow& window = FuzzSupport::InputWindow();
    FuzzSupport::WriteDataFile(StoragePaths::SettingsFilePath(), QByteArrayView(data, static_cast<qsizetype>(size)));
    // What the window does with the file as it starts, then a save and a
    // second load.
    window.LoadSettings();
    window.SaveSettings();
    window.LoadSettings();
    FuzzSupport::FinishInput();
    return 0;
}
