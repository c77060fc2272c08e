#include "pad/mainwindow.h"

// No unit is known yet: lines pass unchanged and there is nothing to suggest.
QString MainWindow::ExpandUnitConversions(QString line)
{
    return line;
}

QStringList MainWindow::GetUnitConversionVocabulary()
{
    return QStringList();
}
