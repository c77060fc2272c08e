#pragma once

#include <QString>

#include <functional>

class QObject;
class QUrl;

// The release check: the identity of the running product and one check per
// start for a newer published release.
namespace TravokMonetization {

struct ReleaseMetadata
{
    QString productId;
    QString currentVersion;
    QString purchasePrice;
    QString purchaseUrl;
    QString upgradePrice;
    QString upgradeUrl;
    QString downloadUrl;
    QString detailsUrl;
    QString message;
    QString signature;
};

enum ReleaseComparison {
    Unknown = 0,
    Current = 1,
    NewerMinor = 2,
    NewerMajor = 3,
    RunningNewer = 4,
};

enum ReleaseCheckResult {
    NoUpdateAvailable = 0,
    UpdateAvailable = 1,
    NetworkError = 2,
    CheckFailed = 3,
};

using ReleaseCheckCallback =
    std::function<void(ReleaseCheckResult, const ReleaseMetadata&, ReleaseComparison)>;

void Initialize(const QString& productId, const QString& productName, const QString& applicationVersion);
QString ProductId();
QString ProductName();
QString ApplicationVersion();
bool IsInitialized();

// Calls the callback once, later, on the GUI thread, unless parent is gone.
void CheckForReleaseAsync(QObject* parent, const QUrl& url, ReleaseCheckCallback callback, int timeoutMs);

} // namespace TravokMonetization
