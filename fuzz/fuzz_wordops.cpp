// The word-operator rewrite on one line. The pad's rewrite hands back its
// last output without a second pass, which holds only while the rewrite
// leaves its own output unchanged.

#include "FuzzSupport.h"

#include "pad/mainwindow.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainWindow& window = FuzzSupport::EngineWindow();
    const QString line = FuzzSupport::FirstLine(data, size);
    const QString once = MainWindow::WordOp(line);
    if (MainWindow::WordOp(once) != once)
        std::abort();
    if (window.RewriteWordOperators(line) != once || window.RewriteWordOperators(once) != once)
        std::abort();
    return 0;
}
