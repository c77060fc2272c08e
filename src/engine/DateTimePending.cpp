#include "pad/mainwindow.h"

// The date and time language claims no line yet.
bool MainWindow::EvaluateDateTimeExpression(QString, QString& resultText, bool& ok, double& value,
                                            bool& isNumeric, QString& newAnsText)
{
    resultText.clear();
    ok = false;
    value = 0.0;
    isNumeric = false;
    newAnsText.clear();
    return false;
}
