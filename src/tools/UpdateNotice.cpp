#include "pad/mainwindow.h"

#include "ui_mainwindow.h"

// Until releases can be checked, a reported release is only recorded, and
// the notice and the update window stay away.
void MainWindow::ApplyAvailableRelease(const TravokMonetization::ReleaseMetadata& metadata,
                                       TravokMonetization::ReleaseComparison comparison)
{
    availableRelease = metadata;
    availableReleaseComparison = comparison;
    releaseAvailable = true;
}

void MainWindow::DismissCurrentReleaseNotice()
{
    ui->updateNoticeFrame->hide();
}

void MainWindow::ShowUpdateWindow()
{
}
