// The line dispatcher: every line is typed at the end of the pad and entered,
// so FORMAT, assignments and CREATE FUNCTION act on the lines after them and
// "{" blocks are read from the document.

#include "FuzzSupport.h"

#include "pad/mainwindow.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainWindow& window = FuzzSupport::InputWindow();
    for (const QString& line : FuzzSupport::Lines(data, size)) {
        if (!FuzzSupport::IsKeptOut(line))
            FuzzSupport::SubmitLine(window, line);
    }
    FuzzSupport::FinishInput();
    return 0;
}
