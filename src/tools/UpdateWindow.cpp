#include "tools/UpdateWindow.h"

#include "ui_UpdateWindow.h"

#include <QDesktopServices>
#include <QUrl>

UpdateWindow::UpdateWindow(QWidget* parent) : QDialog(parent), ui(new Ui_UpdateWindow)
{
    ui->setupUi(this);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->updateButton, &QPushButton::clicked, this, &UpdateWindow::OpenReleaseDestination);
}

UpdateWindow::~UpdateWindow()
{
    delete ui;
}

void UpdateWindow::SetReleaseState(bool available, const TravokMonetization::ReleaseMetadata& metadata,
                                   TravokMonetization::ReleaseComparison comparison)
{
    releaseMetadata = metadata;
    releaseComparison = comparison;
    ui->installedVersionValue->setText(TravokMonetization::ApplicationVersion());

    if (!available) {
        ui->availableVersionValue->setText(tr("No newer release detected"));
        ui->messageLabel->setText(tr("You are currently running the newest release Sumvelle has detected."));
        ui->priceCaptionLabel->hide();
        ui->priceValueLabel->hide();
        ui->updateButton->setEnabled(false);
        ui->updateButton->setText(tr("No Update Available"));
        return;
    }

    const bool major = comparison == TravokMonetization::NewerMajor;
    ui->availableVersionValue->setText(metadata.currentVersion);
    const QString message = metadata.message.trimmed();
    // The message comes from the network, so it is shown as written, never
    // as markup.
    ui->messageLabel->setText(message.isEmpty() ? tr("A newer version of Sumvelle is available.") : message);
    ui->priceCaptionLabel->setText(major ? tr("Upgrade price:") : tr("Update:"));
    ui->priceValueLabel->setText(major ? metadata.upgradePrice : tr("Included with this major version"));
    ui->priceCaptionLabel->show();
    ui->priceValueLabel->show();
    ui->updateButton->setEnabled(true);
    ui->updateButton->setText(major ? tr("View Upgrade") : tr("View / Download Update"));
}

bool UpdateWindow::IsOpenableReleaseUrl(const QUrl& url)
{
    return TravokMonetization::IsWebUrl(url) && !url.host().isEmpty() && url.userInfo().isEmpty();
}

void UpdateWindow::OpenReleaseDestination()
{
    QString target;
    if (releaseComparison == TravokMonetization::NewerMajor && !releaseMetadata.upgradeUrl.trimmed().isEmpty())
        target = releaseMetadata.upgradeUrl.trimmed();
    else if (!releaseMetadata.detailsUrl.trimmed().isEmpty())
        target = releaseMetadata.detailsUrl.trimmed();
    else
        target = releaseMetadata.downloadUrl.trimmed();

    // The chosen URL alone decides: an unusable one opens nothing rather than
    // falling back to another.
    const QUrl url(target, QUrl::TolerantMode);
    if (IsOpenableReleaseUrl(url))
        QDesktopServices::openUrl(url);
}
