#include "tools/TravokMonetization.h"

#include "tools/TravokMonetizationInternal.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace TravokMonetization {

namespace {
QString configuredProductId;
QString configuredProductName;
QString configuredApplicationVersion;
bool moduleInitialized = false;

const int MinimumTimeoutMs = 1000;
const int SignatureHexDigits = 64;
const int SignatureBytes = 32;

// The key ships in every copy of the program and in its sources, so the
// signature only guards against a damaged or truncated document, not against
// forgery: that protection comes from fetching over TLS. Building the key
// at run time merely keeps it out of a plain string search of the binary.
QByteArray ReleaseVerificationKey()
{
    static const unsigned char encoded[SignatureBytes] = {
        0x9d, 0x71, 0xe9, 0x26, 0x43, 0x0e, 0x8b, 0x94, 0xcb, 0x34, 0xa1, 0x3a, 0x52, 0x3a, 0x6a, 0x39,
        0x0f, 0x00, 0x64, 0x1c, 0x85, 0x5d, 0x25, 0xf6, 0xbf, 0x1b, 0x47, 0xe5, 0x10, 0xbf, 0x69, 0x7e};
    static const unsigned char mask[SignatureBytes] = {0x25, 0x4d, 0xc6, 0x8a, 0x88, 0xee, 0xd8, 0xa2, 0xb1, 0x9f, 0x51,
                                                       0xbc, 0x8f, 0x52, 0xdd, 0xf6, 0x9c, 0xc5, 0xe2, 0x65, 0xe0, 0xbd,
                                                       0x33, 0xae, 0x8b, 0x54, 0x13, 0xe9, 0x13, 0x0a, 0x50, 0xe6};
    QByteArray key(SignatureBytes, '\0');
    for (int i = 0; i < SignatureBytes; ++i)
        key[i] = static_cast<char>(encoded[i] ^ mask[i]);
    return key;
}

bool IsHexDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    });
}

bool VerifyReleaseJsonAuthenticationInternal(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return false;
    QJsonObject object = document.object();
    const QString signatureText = object.value(QLatin1String("signature")).toString();
    // fromHex skips characters that are not digits, so the text itself must
    // be nothing but digits before its decoding can be trusted.
    if (signatureText.size() != SignatureHexDigits || !IsHexDigits(signatureText))
        return false;
    const QByteArray signature = QByteArray::fromHex(signatureText.toLatin1());
    if (signature.size() != SignatureBytes)
        return false;
    object.remove(QLatin1String("signature"));
    const QByteArray code = Internal::ReleaseAuthenticationCode(QJsonDocument(object).toJson(QJsonDocument::Compact));
    if (code.size() != signature.size())
        return false;
    // Every byte is compared, so the time taken tells nothing of where the
    // first difference lies.
    unsigned char difference = 0;
    for (int i = 0; i < code.size(); ++i)
        difference |= static_cast<unsigned char>(code[i] ^ signature[i]);
    return difference == 0;
}

bool ReadRequiredReleaseString(const QJsonObject& object, const char* name, QString& output, bool allowEmpty)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isString())
        return false;
    output = value.toString().trimmed();
    return allowEmpty || !output.isEmpty();
}

bool ParseStrictVersion(const QString& text, int& major, int& minor, int& patch)
{
    static const QRegularExpression expression(QStringLiteral("^(\\d+)\\.(\\d+)\\.(\\d+)$"));
    const QRegularExpressionMatch match = expression.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    bool majorOk = false;
    bool minorOk = false;
    bool patchOk = false;
    major = match.captured(1).toInt(&majorOk, 10);
    minor = match.captured(2).toInt(&minorOk, 10);
    patch = match.captured(3).toInt(&patchOk, 10);
    return majorOk && minorOk && patchOk;
}

bool IsWebScheme(const QString& scheme)
{
    return scheme == QLatin1String("https") || scheme == QLatin1String("http");
}
} // namespace

namespace Internal {
QByteArray ReleaseAuthenticationCode(const QByteArray& signedText)
{
    return QMessageAuthenticationCode::hash(signedText, ReleaseVerificationKey(), QCryptographicHash::Sha256);
}
} // namespace Internal

void Initialize(const QString& productId, const QString& productName, const QString& applicationVersion)
{
    configuredProductId = productId.trimmed();
    configuredProductName = productName.trimmed();
    configuredApplicationVersion = applicationVersion.trimmed();
    bool majorOk = false;
    int major = configuredApplicationVersion.section(QLatin1Char('.'), 0, 0).toInt(&majorOk, 10);
    if (!majorOk || major < 1)
        major = 0;
    moduleInitialized = !configuredProductId.isEmpty() && !configuredProductName.isEmpty()
        && !configuredApplicationVersion.isEmpty() && major >= 1;
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

QString ReleaseMetadataResultText(ReleaseMetadataResult result)
{
    switch (result) {
    case Success:
        return QStringLiteral("Success");
    case NotInitialized:
        return QStringLiteral("Monetization module is not initialized");
    case InvalidJson:
        return QStringLiteral("Release metadata is not valid JSON");
    case MissingField:
        return QStringLiteral("Release metadata is missing a required field");
    case InvalidField:
        return QStringLiteral("Release metadata contains an invalid field");
    case ProductMismatch:
        return QStringLiteral("Release metadata is for a different product");
    case AuthenticationFailed:
        return QStringLiteral("Release metadata authentication failed");
    }
    return QStringLiteral("Unknown release metadata result");
}

QString ReleaseComparisonText(ReleaseComparison comparison)
{
    switch (comparison) {
    case Unknown:
        break;
    case Current:
        return QStringLiteral("Current");
    case NewerMinor:
        return QStringLiteral("Newer minor release available");
    case NewerMajor:
        return QStringLiteral("Newer major release available");
    case RunningNewer:
        return QStringLiteral("Running version is newer than release metadata");
    }
    return QStringLiteral("Unknown");
}

bool VerifyReleaseJsonAuthentication(const QByteArray& json)
{
    return VerifyReleaseJsonAuthenticationInternal(json);
}

bool IsWebUrl(const QUrl& url)
{
    return url.isValid() && IsWebScheme(url.scheme());
}

ReleaseMetadataResult ParseReleaseMetadata(const QByteArray& json, ReleaseMetadata& metadata)
{
    metadata = ReleaseMetadata();
    if (!moduleInitialized)
        return NotInitialized;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return InvalidJson;
    if (!VerifyReleaseJsonAuthentication(json))
        return AuthenticationFailed;

    const QJsonObject object = document.object();
    static const QSet<QString> allowedFields = {QStringLiteral("productId"),     QStringLiteral("currentVersion"),
                                                QStringLiteral("purchasePrice"), QStringLiteral("purchaseUrl"),
                                                QStringLiteral("upgradePrice"),  QStringLiteral("upgradeUrl"),
                                                QStringLiteral("downloadUrl"),   QStringLiteral("detailsUrl"),
                                                QStringLiteral("message"),       QStringLiteral("signature")};
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (!allowedFields.contains(it.key()))
            return InvalidField;
    }

    const struct
    {
        const char* name;
        QString ReleaseMetadata::*field;
        bool allowEmpty;
    } members[] = {
        {"productId", &ReleaseMetadata::productId, false},
        {"currentVersion", &ReleaseMetadata::currentVersion, false},
        {"purchasePrice", &ReleaseMetadata::purchasePrice, false},
        {"purchaseUrl", &ReleaseMetadata::purchaseUrl, false},
        {"upgradePrice", &ReleaseMetadata::upgradePrice, false},
        {"upgradeUrl", &ReleaseMetadata::upgradeUrl, false},
        {"downloadUrl", &ReleaseMetadata::downloadUrl, false},
        {"detailsUrl", &ReleaseMetadata::detailsUrl, false},
        {"message", &ReleaseMetadata::message, true},
        {"signature", &ReleaseMetadata::signature, false},
    };
    for (const auto& member : members) {
        if (!ReadRequiredReleaseString(object, member.name, metadata.*member.field, member.allowEmpty))
            return MissingField;
    }

    if (metadata.productId != configuredProductId)
        return ProductMismatch;
    int major = 0;
    int minor = 0;
    int patch = 0;
    if (!ParseStrictVersion(metadata.currentVersion, major, minor, patch))
        return InvalidField;
    for (const QString* url :
         {&metadata.purchaseUrl, &metadata.upgradeUrl, &metadata.downloadUrl, &metadata.detailsUrl}) {
        if (!IsWebUrl(QUrl(*url, QUrl::TolerantMode)))
            return InvalidField;
    }
    return Success;
}

ReleaseComparison CompareReleaseVersion(const ReleaseMetadata& metadata)
{
    int runningMajor = 0;
    int runningMinor = 0;
    int runningPatch = 0;
    int publishedMajor = 0;
    int publishedMinor = 0;
    int publishedPatch = 0;
    if (!ParseStrictVersion(configuredApplicationVersion, runningMajor, runningMinor, runningPatch)
        || !ParseStrictVersion(metadata.currentVersion, publishedMajor, publishedMinor, publishedPatch))
        return Unknown;
    if (runningMajor != publishedMajor)
        return runningMajor < publishedMajor ? NewerMajor : RunningNewer;
    if (runningMinor != publishedMinor)
        return runningMinor < publishedMinor ? NewerMinor : RunningNewer;
    if (runningPatch == publishedPatch)
        return Current;
    // A newer patch has no outcome of its own: it counts as a minor release.
    return runningPatch < publishedPatch ? NewerMinor : RunningNewer;
}

void LoadSecureConnections()
{
#if QT_CONFIG(ssl)
    QSslSocket::supportsSsl();
#endif
}

void CheckForReleaseAsync(QObject* parent, const QUrl& url, ReleaseCheckCallback callback, int timeoutMs)
{
    if (!parent || !callback)
        return;
    if (!moduleInitialized || !IsWebUrl(url)) {
        callback(CheckFailed, ReleaseMetadata(), Unknown);
        return;
    }

    auto* manager = new QNetworkAccessManager(parent);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Kelbrand/%1 (%2)").arg(configuredProductId, configuredApplicationVersion));
    QNetworkReply* reply = manager->get(request);
    const QPointer<QObject> guardedParent(parent);

    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, [reply]() {
        if (reply->isRunning())
            reply->abort();
    });
    timer->start(std::max(timeoutMs, MinimumTimeoutMs));

    // The document is tiny; a body that keeps coming is cut off rather than
    // held in memory.
    auto oversized = std::make_shared<bool>(false);
    auto cutOff = [reply, oversized](qint64 received) {
        if (received > MaxReleaseDocumentBytes && reply->isRunning()) {
            *oversized = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [cutOff](qint64 received, qint64) { cutOff(received); });
    QObject::connect(reply, &QIODevice::readyRead, reply, [reply, cutOff]() { cutOff(reply->bytesAvailable()); });

    QObject::connect(reply, &QNetworkReply::finished, manager, [reply, manager, guardedParent, callback, oversized]() {
        const bool failed = reply->error() != QNetworkReply::NoError || *oversized;
        QByteArray body;
        if (!failed)
            body = reply->read(MaxReleaseDocumentBytes + 1);
        const bool tooLarge = body.size() > MaxReleaseDocumentBytes;
        reply->deleteLater();
        manager->deleteLater();
        if (!guardedParent)
            return;
        if (failed || tooLarge) {
            callback(NetworkError, ReleaseMetadata(), Unknown);
            return;
        }
        ReleaseMetadata metadata;
        if (ParseReleaseMetadata(body, metadata) != Success) {
            callback(CheckFailed, ReleaseMetadata(), Unknown);
            return;
        }
        const ReleaseComparison comparison = CompareReleaseVersion(metadata);
        const ReleaseCheckResult result =
            comparison == NewerMinor || comparison == NewerMajor ? UpdateAvailable : NoUpdateAvailable;
        callback(result, metadata, comparison);
    });
}

} // namespace TravokMonetization
