#include "pad/mainwindow.h"

// No report can be built yet; an empty report leaves INFO and UPTIME to the
// dispatcher's later steps.
QString MainWindow::BuildInfoText()
{
    return QString();
}

QString MainWindow::BuildUptimeText()
{
    return QString();
}
