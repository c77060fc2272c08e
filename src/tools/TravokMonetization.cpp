#include "tools/TravokMonetization.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>

namespace TravokMonetization {

namespace {
QString configuredProductId;
QString configuredProductName;
QString configuredApplicationVersion;
bool moduleInitialized = false;
} // namespace

void Initialize(const QString& productId, const QString& productName, const QString& applicationVersion)
{
    configuredProductId = productId.trimmed();
    configuredProductName = productName.trimmed();
    configuredApplicationVersion = applicationVersion.trimmed();
    bool majorOk = false;
    const int major = configuredApplicationVersion.split(QLatin1Char('.')).value(0).toInt(&majorOk);
    moduleInitialized = !configuredProductId.isEmpty() && !configuredProductName.isEmpty()
        && !configuredApplicationVersion.isEmpty() && majorOk && major >= 1;
}

QString ProductId()
{
    return configuredProductId;
}

QString ProductName()
{
    return configuredProductName;
}

QString ApplicationVersion()
{
    return configuredApplicationVersion;
}

bool IsInitialized()
{
    return moduleInitialized;
}

// No release document can be fetched yet, so every check ends as failed;
// it still reports later, as a real request would.
void CheckForReleaseAsync(QObject* parent, const QUrl&, ReleaseCheckCallback callback, int)
{
    if (!callback)
        return;
    QTimer::singleShot(0, parent, [callback]() { callback(CheckFailed, ReleaseMetadata(), Unknown); });
}

} // namespace TravokMonetization
