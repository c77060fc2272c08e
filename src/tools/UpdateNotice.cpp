#include "pad/mainwindow.h"

#include "pad/StoragePaths.h"
#include "tools/UpdateWindow.h"
#include "ui_mainwindow.h"

#include <QSettings>

namespace {
const char DismissedReleaseKey[] = "Updates/DismissedRelease";

// One published release: product, version and signature.
QString DismissalKey(const TravokMonetization::ReleaseMetadata& release)
{
    return TravokMonetization::ProductId() + QLatin1Char('|') + release.currentVersion.trimmed() + QLatin1Char('|')
        + release.signature.trimmed();
}
} // namespace

void MainWindow::ApplyAvailableRelease(const TravokMonetization::ReleaseMetadata& metadata,
                                       TravokMonetization::ReleaseComparison comparison)
{
    availableRelease = metadata;
    availableReleaseComparison = comparison;
    releaseAvailable = true;

    QString notice = metadata.message.trimmed();
    if (notice.isEmpty()) {
        notice = comparison == TravokMonetization::NewerMajor
            ? tr("Sumvelle %1 is available as a new major release.").arg(metadata.currentVersion)
            : tr("Sumvelle %1 is available.").arg(metadata.currentVersion);
    }
    ui->updateNoticeLabel->setTextFormat(Qt::RichText);
    ui->updateNoticeLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    ui->updateNoticeLabel->setOpenExternalLinks(false);
    ui->updateNoticeLabel->setText(
        QStringLiteral("<a href=\"update\" style=\"color:#202020; text-decoration:none;\">%1</a>")
            .arg(notice.toHtmlEscaped()));
    ui->updateNoticeLabel->setToolTip(tr("Click to open Update / Upgrade."));
    ui->updateNoticeFrame->setVisible(!IsCurrentReleaseNoticeDismissed());

    if (updateWindow)
        updateWindow->SetReleaseState(true, availableRelease, comparison);
}

bool MainWindow::IsCurrentReleaseNoticeDismissed() const
{
    if (!releaseAvailable || availableRelease.currentVersion.trimmed().isEmpty() || !StoragePaths::SettingsFileUsable())
        return false;
    const QSettings settings(StoragePaths::SettingsFilePath(), QSettings::IniFormat);
    return settings.value(QLatin1String(DismissedReleaseKey)).toString() == DismissalKey(availableRelease);
}

void MainWindow::DismissCurrentReleaseNotice()
{
    if (releaseAvailable && StoragePaths::SettingsFileUsable()) {
        QSettings settings(StoragePaths::SettingsFilePath(), QSettings::IniFormat);
        settings.setValue(QLatin1String(DismissedReleaseKey), DismissalKey(availableRelease));
    }
    ui->updateNoticeFrame->hide();
}

void MainWindow::ShowUpdateWindow()
{
    if (!updateWindow) {
        updateWindow = new UpdateWindow(this);
        updateWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    updateWindow->SetReleaseState(releaseAvailable, availableRelease, availableReleaseComparison);
    updateWindow->show();
    updateWindow->raise();
    updateWindow->activateWindow();
}
