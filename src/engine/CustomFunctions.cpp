#include "pad/mainwindow.h"

// No user-defined functions exist yet, so there is nothing to expand.
bool MainWindow::ExpandCustomFunctions(const QString& input, QString& output, QString& error) const
{
    output = input;
    error.clear();
    return true;
}

// User-defined functions join the syntax catalogue once they can be created.
QList<MainWindow::CalculatorSyntaxItem> MainWindow::GetCustomFunctionSyntaxItems() const
{
    return {};
}
