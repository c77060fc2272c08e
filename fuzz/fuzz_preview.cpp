// The live preview and the syntax hint of a line being typed, without Enter:
// what runs at every keystroke.

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
    const QStringList lines = FuzzSupport::Lines(data, size, 2, 400);
    // An optional first line sets the scene (a variable, a function, a
    // block opener) with Enter; the last is typed a piece at a time.
    if (lines.size() > 1 && !FuzzSupport::IsKeptOut(lines.first()))
        FuzzSupport::SubmitLine(window, lines.first());
    const QString& typed = lines.last();
    for (qsizetype start = 0; start < typed.size(); start += 7)
        FuzzSupport::TypeWithoutEnter(window, typed.mid(start, 7));
    FuzzSupport::FinishInput();
    return 0;
}
