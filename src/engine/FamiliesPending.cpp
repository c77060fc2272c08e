#include "pad/mainwindow.h"

// The financial, statistics and GD&T families claim no name yet.

double MainWindow::RunFinancialFunction(QString, QList<double>, bool&, bool& handled)
{
    handled = false;
    return 0.0;
}

double MainWindow::RunStatisticsFunction(QString, QList<double>, bool&, bool& handled)
{
    handled = false;
    return 0.0;
}

double MainWindow::RunGDTFunction(QString, QList<double>, bool&, bool& handled)
{
    handled = false;
    return 0.0;
}
