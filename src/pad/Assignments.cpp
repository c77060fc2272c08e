#include "pad/mainwindow.h"

// Assignments and comparisons are not recognised yet.
bool MainWindow::EvaluateVariableAssignment(QString, QString& name, QString& expression, bool& reservedName,
                                            bool& ok, double& value)
{
    name.clear();
    expression.clear();
    reservedName = false;
    ok = false;
    value = 0.0;
    return false;
}

bool MainWindow::HandleComparisonSubmission(QString)
{
    return false;
}
