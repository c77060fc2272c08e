#include "pad/mainwindow.h"

// Every pad is untitled until documents can be saved and opened.
void MainWindow::UpdateDocumentWindowTitle()
{
    setWindowTitle(QStringLiteral("Sumvelle"));
}
