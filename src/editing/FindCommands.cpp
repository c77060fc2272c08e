#include "pad/mainwindow.h"

#include "tools/searchdialog.h"
#include "pad/MainWindowForm.h"

// The Find dialog is made at the first Find command and kept; until then
// Find Next and Find Previous only open it.
void MainWindow::ShowSearchDialog()
{
    if (!searchDialog)
        searchDialog = new SearchDialog(ui->Text1, this);
    searchDialog->OpenSearch();
}

void MainWindow::FindNext()
{
    if (!searchDialog) {
        ShowSearchDialog();
        return;
    }
    searchDialog->FindNext();
}

void MainWindow::FindPrevious()
{
    if (!searchDialog) {
        ShowSearchDialog();
        return;
    }
    searchDialog->FindPrevious();
}
