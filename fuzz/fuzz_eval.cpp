// The expression parser on one line. Apart from random numbers and the clock,
// evaluation reads nothing that changes between two calls, so the same line
// gives the same answer twice.

#include "FuzzSupport.h"

#include "pad/mainwindow.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainWindow& window = FuzzSupport::EngineWindow();
    const QString line = FuzzSupport::FirstLine(data, size);
    const QString upper = line.toUpper();
    const bool repeatable = !upper.contains(QLatin1String("RAND")) && !upper.contains(QLatin1String("NOW"))
        && !upper.contains(QLatin1String("TODAY")) && !upper.contains(QLatin1String("TIME"));
    bool firstOk = false;
    const double first = window.Eval(line, firstOk);
    bool secondOk = false;
    const double second = window.Eval(line, secondOk);
    const bool same = std::isnan(first) ? std::isnan(second) : std::memcmp(&first, &second, sizeof first) == 0;
    if (repeatable && (firstOk != secondOk || (firstOk && !same)))
        std::abort();
    return 0;
}
