#include "pad/mainwindow.h"

// No user-defined functions exist yet, so there is nothing to expand.
bool MainWindow::ExpandCustomFunctions(const QString& input, QString& output, QString& error) const
{
    output = input;
    error.clear();
    return true;
}
