// The whole evaluation pipeline on one line (ANS, variables, user functions,
// word operators, units, number bases, then the parser), on one window kept
// for the process.

#include "FuzzSupport.h"

#include "pad/mainwindow.h"

#include <QVariant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainWindow& window = FuzzSupport::EngineWindow();
    bool ok = false;
    QString processedText;
    window.EvaluateExpression(FuzzSupport::FirstLine(data, size), ok, processedText);
    // A whole-line number base asks for the next answer's base only; the
    // next input starts without it, as the pad clears it on answering.
    window.setProperty(MainWindow::OneTimeOutputBaseProperty, QVariant());
    return 0;
}
