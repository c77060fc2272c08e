#include "pad/mainwindow.h"

// Until the log viewer window exists, the command shows the log the way
// Show Log does, so the menu item never does nothing.
void MainWindow::ShowLogViewer()
{
    ShowLog();
}
