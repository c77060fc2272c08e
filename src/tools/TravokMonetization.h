#pragma once

#include <QString>

#include <functional>

class QByteArray;
class QObject;
class QUrl;

// The release check: the identity of the running product and one check per
// start for a newer published release.
namespace TravokMonetization {

// The maker's web host: the release document and the diagnostics' web-site
// test both live there.
inline constexpr char MakerWebHost[] = "www.kelbrand.example";

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

enum ReleaseMetadataResult {
    Success = 0,
    NotInitialized = 1,
    InvalidJson = 2,
    MissingField = 3,
    InvalidField = 4,
    ProductMismatch = 5,
    AuthenticationFailed = 6,
};

// Fixed underlying types, so that the window header can declare them.
enum ReleaseComparison : int {
    Unknown = 0,
    Current = 1,
    NewerMinor = 2,
    NewerMajor = 3,
    RunningNewer = 4,
};

enum ReleaseCheckResult : int {
    NoUpdateAvailable = 0,
    UpdateAvailable = 1,
    NetworkError = 2,
    CheckFailed = 3,
};

using ReleaseCheckCallback = std::function<void(ReleaseCheckResult, const ReleaseMetadata&, ReleaseComparison)>;

// A release document is well under 1 KiB; a body larger than this is
// aborted and reported as a network error.
inline constexpr qint64 MaxReleaseDocumentBytes = 64 * 1024;

void Initialize(const QString& productId, const QString& productName, const QString& applicationVersion);
QString ProductId();
QString ProductName();
QString ApplicationVersion();
bool IsInitialized();

QString ReleaseMetadataResultText(ReleaseMetadataResult result);
QString ReleaseComparisonText(ReleaseComparison comparison);

ReleaseMetadataResult ParseReleaseMetadata(const QByteArray& json, ReleaseMetadata& metadata);
bool VerifyReleaseJsonAuthentication(const QByteArray& json);
ReleaseComparison CompareReleaseVersion(const ReleaseMetadata& metadata);

// True for a URL that may be fetched or opened: valid, scheme exactly
// "https" or "http".
bool IsWebUrl(const QUrl& url);

// Calls the callback at most once on the GUI thread: at once when the check
// cannot start, later from the reply otherwise, never once parent is gone.
// Loads the library that secure connections need, which takes longer than a
// keystroke may wait; safe on any thread, and CheckForReleaseAsync then
// starts at once.
void LoadSecureConnections();

void CheckForReleaseAsync(QObject* parent, const QUrl& url, ReleaseCheckCallback callback, int timeoutMs);

} // namespace TravokMonetization
