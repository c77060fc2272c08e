// The unit rewrite on one line, and the parser on what it leaves.

#include "FuzzSupport.h"

#include "pad/mainwindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainWindow& window = FuzzSupport::EngineWindow();
    const QString rewritten = window.ExpandUnitConversions(FuzzSupport::FirstLine(data, size));
    bool ok = false;
    window.Eval(rewritten, ok);
    return 0;
}
