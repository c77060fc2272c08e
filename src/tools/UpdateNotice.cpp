#include "pad/mainwindow.h"

#include "pad/StoragePaths.h"
#include "tools/TravokMonetization.h"
#include "tools/UpdateWindow.h"
#include "pad/MainWindowForm.h"

#include <QSettings>

#include <memory>

namespace {
const char DismissedReleaseKey[] = "Updates/DismissedRelease";

// The release the notice shows; an empty one before any is known.
const TravokMonetization::ReleaseMetadata& Shown(
    const std::shared_ptr<const TravokMonetization::ReleaseMetadata>& release)
{
    static const TravokMonetization::ReleaseMetadata none;
    return release ? *release : none;
}

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
    availableRelease = std::make_shared<const TravokMonetization::ReleaseMetadata>(metadata);
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
        updateWindow->SetReleaseState(true, metadata, comparison);
}

bool MainWindow::IsCurrentReleaseNoticeDismissed() const
{
    if (!releaseAvailable || Shown(availableRelease).currentVersion.trimmed().isEmpty()
        || !StoragePaths::SettingsFileUsable())
        return false;
    const QSettings settings(StoragePaths::SettingsFilePath(), QSettings::IniFormat);
    return settings.value(QLatin1String(DismissedReleaseKey)).toString() == DismissalKey(Shown(availableRelease));
}

void MainWindow::DismissCurrentReleaseNotice()
{
    if (releaseAvailable && StoragePaths::SettingsFileUsable()) {
        QSettings settings(StoragePaths::SettingsFilePath(), QSettings::IniFormat);
        settings.setValue(QLatin1String(DismissedReleaseKey), DismissalKey(Shown(availableRelease)));
    }
    ui->updateNoticeFrame->hide();
}

void MainWindow::ShowUpdateWindow()
{
    if (!updateWindow) {
        updateWindow = new UpdateWindow(this);
        updateWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    updateWindow->SetReleaseState(releaseAvailable, Shown(availableRelease), availableReleaseComparison);
    updateWindow->show();
    updateWindow->raise();
    updateWindow->activateWindow();
}
