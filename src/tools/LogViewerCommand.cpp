#include "pad/mainwindow.h"

#include "pad/StoragePaths.h"
#include "tools/LogViewer.h"

// One viewer for the window's lifetime; every call reads the log again.
void MainWindow::ShowLogViewer()
{
    if (!logViewer)
        logViewer = new LogViewer(this);
    logViewer->OpenLogFile(StoragePaths::LogFilePath());
}
