#include "pad/mainwindow.h"

// No settings file is read yet: the form's defaults stay in force.
void MainWindow::LoadSettings()
{
}
