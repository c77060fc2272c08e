// The date and time language on one line.

#include "FuzzSupport.h"

#include "pad/mainwindow.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainWindow& window = FuzzSupport::EngineWindow();
    QString resultText;
    bool ok = false;
    double value = 0.0;
    bool isNumeric = false;
    QString newAnsText;
    QDateTime newAnsInstant;
    window.EvaluateDateTimeExpression(FuzzSupport::FirstLine(data, size), resultText, ok, value, isNumeric, newAnsText,
                                      newAnsInstant);
    return 0;
}
