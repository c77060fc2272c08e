#include "releaseserver.h"
#include "support/testsupport.h"
#include "tools/TravokMonetization.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>

using namespace TravokMonetization;

namespace {

struct Report
{
    int calls = 0;
    ReleaseCheckResult result = CheckFailed;
    ReleaseMetadata metadata;
    ReleaseComparison comparison = Unknown;
};

ReleaseCheckCallback recorder(Report& report)
{
    return [&report](ReleaseCheckResult result, const ReleaseMetadata& metadata, ReleaseComparison comparison) {
        ++report.calls;
        report.result = result;
        report.metadata = metadata;
        report.comparison = comparison;
    };
}

void configure(const QString& version = QStringLiteral("1.0.0"))
{
    Initialize(QStringLiteral("sumvelle-desktop"), QStringLiteral("Sumvelle Desktop"), version);
}

QByteArray fixture(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An HTTPS listener on 127.0.0.1 with the test server certificate.
QSslServer* httpsListener()
{
    auto* listener = new QSslServer;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(fixture(QFINDTESTDATA("fixtures/server.pem"))));
    configuration.setPrivateKey(QSslKey(fixture(QFINDTESTDATA("fixtures/server.key")), QSsl::Rsa));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    listener->setSslConfiguration(configuration);
    return listener;
}

} // namespace

class ReleaseCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { configure(); }

    void initialize_data();
    void initialize();
    void resultAndComparisonTexts();
    void parse_data();
    void parse();
    void signatureCoversContentNotSpelling();
    void compare_data();
    void compare();
    void checkThatCannotStart_data();
    void checkThatCannotStart();
    void checkOverHttp_data();
    void checkOverHttp();
    void rejectedDocumentGivesEmptyRecord();
    void silentServerTimesOut_data();
    void silentServerTimesOut();
    void redirectIsFollowed();
    void oversizedReplyIsCutOff();
    void parentDeletedMidRequest();
    void httpsWithTrustedCertificate();
    void httpsWithUntrustedCertificate();
};

void ReleaseCheckTest::initialize_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("initialized");
    QTest::newRow("normal") << "sumvelle-desktop" << "Sumvelle Desktop" << "1.0.0" << true;
    QTest::newRow("trimmed") << " sumvelle-desktop " << " Sumvelle Desktop\t" << " 2.3.4 " << true;
    QTest::newRow("major 1 without minor") << "p" << "n" << "1.0" << true;
    QTest::newRow("major 0") << "p" << "n" << "0.9.9" << false;
    QTest::newRow("major not a number") << "p" << "n" << "x.1.0" << false;
    QTest::newRow("major too large") << "p" << "n" << "99999999999.0.0" << false;
    QTest::newRow("empty name") << "p" << "  " << "1.0.0" << false;
    QTest::newRow("empty id") << "" << "n" << "1.0.0" << false;
    QTest::newRow("empty version") << "p" << "n" << "" << false;
}

void ReleaseCheckTest::initialize()
{
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QString, version);
    QFETCH(bool, initialized);
    Initialize(id, name, version);
    QCOMPARE(IsInitialized(), initialized);
    QCOMPARE(ProductId(), id.trimmed());
    QCOMPARE(ProductName(), name.trimmed());
    QCOMPARE(ApplicationVersion(), version.trimmed());
    if (!initialized) {
        ReleaseMetadata metadata;
        QCOMPARE(ParseReleaseMetadata(signedRelease(releaseDocument()), metadata), NotInitialized);
    }
}

void ReleaseCheckTest::resultAndComparisonTexts()
{
    QCOMPARE(ReleaseMetadataResultText(Success), QStringLiteral("Success"));
    QCOMPARE(ReleaseMetadataResultText(NotInitialized), QStringLiteral("Monetization module is not initialized"));
    QCOMPARE(ReleaseMetadataResultText(InvalidJson), QStringLiteral("Release metadata is not valid JSON"));
    QCOMPARE(ReleaseMetadataResultText(MissingField), QStringLiteral("Release metadata is missing a required field"));
    QCOMPARE(ReleaseMetadataResultText(InvalidField), QStringLiteral("Release metadata contains an invalid field"));
    QCOMPARE(ReleaseMetadataResultText(ProductMismatch), QStringLiteral("Release metadata is for a different product"));
    QCOMPARE(ReleaseMetadataResultText(AuthenticationFailed), QStringLiteral("Release metadata authentication failed"));
    QCOMPARE(ReleaseMetadataResultText(static_cast<ReleaseMetadataResult>(7)),
             QStringLiteral("Unknown release metadata result"));
    QCOMPARE(ReleaseComparisonText(Unknown), QStringLiteral("Unknown"));
    QCOMPARE(ReleaseComparisonText(Current), QStringLiteral("Current"));
    QCOMPARE(ReleaseComparisonText(NewerMinor), QStringLiteral("Newer minor release available"));
    QCOMPARE(ReleaseComparisonText(NewerMajor), QStringLiteral("Newer major release available"));
    QCOMPARE(ReleaseComparisonText(RunningNewer), QStringLiteral("Running version is newer than release metadata"));
    QCOMPARE(ReleaseComparisonText(static_cast<ReleaseComparison>(5)), QStringLiteral("Unknown"));
}

void ReleaseCheckTest::parse_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("expected");

    auto with = [](const QString& name, const QJsonValue& value) {
        QJsonObject object = releaseDocument();
        object.insert(name, value);
        return signedRelease(object);
    };
    auto without = [](const QString& name) {
        QJsonObject object = releaseDocument();
        object.remove(name);
        return signedRelease(object);
    };
    const QByteArray good = signedRelease(releaseDocument());
    QJsonObject unsignedObject = QJsonDocument::fromJson(good).object();
    const QString signature = unsignedObject.value(QStringLiteral("signature")).toString();
    auto resigned = [&unsignedObject](const QString& text) {
        QJsonObject object = unsignedObject;
        object.insert(QStringLiteral("signature"), text);
        return QJsonDocument(object).toJson();
    };

    QTest::newRow("accepted") << good << int(Success);
    QTest::newRow("empty body") << QByteArray() << int(InvalidJson);
    QTest::newRow("array") << QByteArray("[1,2]") << int(InvalidJson);
    QTest::newRow("broken json") << QByteArray("{\"productId\":") << int(InvalidJson);
    QTest::newRow("no signature") << without(QStringLiteral("signature")) .replace("\"signature\"", "\"x\"")
                                  << int(AuthenticationFailed);
    QTest::newRow("capital hex signature") << resigned(signature.toUpper()) << int(Success);
    QTest::newRow("66 characters") << resigned(signature + QStringLiteral("00")) << int(AuthenticationFailed);
    QTest::newRow("space before") << resigned(QLatin1Char(' ') + signature) << int(AuthenticationFailed);
    QTest::newRow("space after") << resigned(signature + QLatin1Char(' ')) << int(AuthenticationFailed);
    QTest::newRow("63 digits and a blank") << resigned(signature.left(63) + QLatin1Char(' '))
                                           << int(AuthenticationFailed);
    QTest::newRow("63 digits and a letter") << resigned(signature.left(62) + QStringLiteral("g") + signature.right(1))
                                            << int(AuthenticationFailed);
    QTest::newRow("value changed") << QByteArray(good).replace("$20", "$21") << int(AuthenticationFailed);
    QTest::newRow("member name changed") << QByteArray(good).replace("purchasePrice", "purchasePrize")
                                         << int(AuthenticationFailed);
    QTest::newRow("eleventh member") << with(QStringLiteral("extra"), QStringLiteral("x")) << int(InvalidField);
    QTest::newRow("member left out") << without(QStringLiteral("downloadUrl")) << int(MissingField);
    {
        QJsonObject object = releaseDocument();
        object.remove(QStringLiteral("downloadUrl"));
        object.insert(QStringLiteral("extra"), QStringLiteral("x"));
        QTest::newRow("extra and missing") << signedRelease(object) << int(InvalidField);
    }
    QTest::newRow("price as number") << with(QStringLiteral("purchasePrice"), 20) << int(MissingField);
    QTest::newRow("price blank") << with(QStringLiteral("purchasePrice"), QStringLiteral("  ")) << int(MissingField);
    QTest::newRow("message blank") << with(QStringLiteral("message"), QStringLiteral("  ")) << int(Success);
    QTest::newRow("message null") << with(QStringLiteral("message"), QJsonValue()) << int(MissingField);
    QTest::newRow("product case") << with(QStringLiteral("productId"), QStringLiteral("Sumvelle-Desktop"))
                                  << int(ProductMismatch);
    QTest::newRow("product spaced") << with(QStringLiteral("productId"), QStringLiteral(" sumvelle-desktop "))
                                    << int(Success);
    QTest::newRow("version 1.2") << with(QStringLiteral("currentVersion"), QStringLiteral("1.2")) << int(InvalidField);
    QTest::newRow("version suffix") << with(QStringLiteral("currentVersion"), QStringLiteral("1.2.3-beta"))
                                    << int(InvalidField);
    QTest::newRow("version spaced") << with(QStringLiteral("currentVersion"), QStringLiteral(" 1.2.3 "))
                                    << int(Success);
    QTest::newRow("version zeros") << with(QStringLiteral("currentVersion"), QStringLiteral("01.02.03"))
                                   << int(Success);
    QTest::newRow("version too large") << with(QStringLiteral("currentVersion"), QStringLiteral("1.2.2147483648"))
                                       << int(InvalidField);
    QTest::newRow("ftp url") << with(QStringLiteral("upgradeUrl"), QStringLiteral("ftp://shop.example/u"))
                             << int(InvalidField);
    QTest::newRow("relative url") << with(QStringLiteral("detailsUrl"), QStringLiteral("details.html"))
                                  << int(InvalidField);
    QTest::newRow("http url") << with(QStringLiteral("purchaseUrl"), QStringLiteral("http://shop.example/buy"))
                              << int(Success);
}

void ReleaseCheckTest::parse()
{
    QFETCH(QByteArray, json);
    QFETCH(int, expected);
    ReleaseMetadata metadata;
    metadata.message = QStringLiteral("stale");
    const ReleaseMetadataResult result = ParseReleaseMetadata(json, metadata);
    QCOMPARE(ReleaseMetadataResultText(result), ReleaseMetadataResultText(ReleaseMetadataResult(expected)));
    if (result == Success) {
        QCOMPARE(metadata.productId, QStringLiteral("sumvelle-desktop"));
        QVERIFY(metadata.currentVersion == metadata.currentVersion.trimmed());
        QCOMPARE(metadata.signature.size(), 64);
    }
}

void ReleaseCheckTest::signatureCoversContentNotSpelling()
{
    const QByteArray compact = QJsonDocument::fromJson(signedRelease(releaseDocument())).toJson(QJsonDocument::Compact);
    QVERIFY(VerifyReleaseJsonAuthentication(compact));
    // Re-spaced, reordered and with a character written as an escape.
    QByteArray respelled = compact;
    respelled.replace(",", " ,\n  ").replace("A faster pad.", "A f\\u0061ster pad.");
    const int at = respelled.indexOf("\"purchasePrice\"");
    const int end = respelled.indexOf(',', at);
    const QByteArray member = respelled.mid(at, end - at);
    respelled.remove(at, end - at + 1);
    respelled.insert(respelled.size() - 1, "," + member);
    QVERIFY(QJsonDocument::fromJson(respelled).isObject());
    QVERIFY(VerifyReleaseJsonAuthentication(respelled));
    ReleaseMetadata metadata;
    QCOMPARE(ParseReleaseMetadata(respelled, metadata), Success);
    QCOMPARE(metadata.message, QStringLiteral("A faster pad."));
}

void ReleaseCheckTest::compare_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("published");
    QTest::addColumn<int>("expected");
    QTest::newRow("same") << "1.0.0" << "1.0.0" << int(Current);
    QTest::newRow("newer patch") << "1.0.0" << "1.0.1" << int(NewerMinor);
    QTest::newRow("newer minor") << "1.0.0" << "1.1.0" << int(NewerMinor);
    QTest::newRow("newer major") << "1.0.0" << "2.0.0" << int(NewerMajor);
    QTest::newRow("older published") << "1.0.0" << "0.9.9" << int(RunningNewer);
    QTest::newRow("older minor") << "1.2.0" << "1.1.9" << int(RunningNewer);
    QTest::newRow("older patch") << "1.2.3" << "1.2.2" << int(RunningNewer);
    QTest::newRow("running two parts") << "1.0" << "1.0.0" << int(Unknown);
    QTest::newRow("published bad") << "1.0.0" << "x" << int(Unknown);
}

void ReleaseCheckTest::compare()
{
    QFETCH(QString, running);
    QFETCH(QString, published);
    QFETCH(int, expected);
    configure(running);
    ReleaseMetadata metadata;
    metadata.currentVersion = published;
    QCOMPARE(ReleaseComparisonText(CompareReleaseVersion(metadata)),
             ReleaseComparisonText(ReleaseComparison(expected)));
}

void ReleaseCheckTest::checkThatCannotStart_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("not initialised") << "0.1.0" << QUrl(QStringLiteral("http://127.0.0.1:1/r.json"));
    QTest::newRow("ftp") << "1.0.0" << QUrl(QStringLiteral("ftp://127.0.0.1/r.json"));
    QTest::newRow("invalid") << "1.0.0" << QUrl();
}

void ReleaseCheckTest::checkThatCannotStart()
{
    QFETCH(QString, version);
    QFETCH(QUrl, url);
    configure(version);
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, url, recorder(report), 1000);
    QCOMPARE(report.calls, 1);
    QCOMPARE(report.result, CheckFailed);
    QCOMPARE(report.comparison, Unknown);
    QVERIFY(report.metadata.productId.isEmpty());
    QVERIFY(parent.findChildren<QObject*>().isEmpty());

    // No parent or no callback: nothing is sent and nothing is called.
    ReleaseServer server;
    configure();
    CheckForReleaseAsync(nullptr, server.url(), recorder(report), 1000);
    CheckForReleaseAsync(&parent, server.url(), ReleaseCheckCallback(), 1000);
    QVERIFY(parent.findChildren<QObject*>().isEmpty());
    QCOMPARE(report.calls, 1);
}

void ReleaseCheckTest::checkOverHttp_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("published");
    QTest::addColumn<bool>("upperScheme");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("comparison");
    QTest::newRow("current") << "1.0.0" << "1.0.0" << false << int(NoUpdateAvailable) << int(Current);
    QTest::newRow("minor") << "1.0.0" << "1.0.1" << false << int(UpdateAvailable) << int(NewerMinor);
    QTest::newRow("major, scheme in capitals") << "1.0.0" << "2.0.0" << true << int(UpdateAvailable)
                                               << int(NewerMajor);
    QTest::newRow("running newer") << "1.0.0" << "0.9.9" << false << int(NoUpdateAvailable) << int(RunningNewer);
    QTest::newRow("running 1.0") << "1.0" << "1.1.0" << false << int(NoUpdateAvailable) << int(Unknown);
}

void ReleaseCheckTest::checkOverHttp()
{
    QFETCH(QString, running);
    QFETCH(QString, published);
    QFETCH(bool, upperScheme);
    QFETCH(int, result);
    QFETCH(int, comparison);
    configure(running);
    ReleaseServer server;
    server.body = signedRelease(releaseDocument(published));
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, server.url(upperScheme ? QStringLiteral("HTTP") : QStringLiteral("http")),
                         recorder(report), 5000);
    QCOMPARE(report.calls, 0);
    QTRY_COMPARE_WITH_TIMEOUT(report.calls, 1, 10000);
    QCOMPARE(int(report.result), result);
    QCOMPARE(int(report.comparison), comparison);
    QCOMPARE(report.metadata.currentVersion, published);
    QCOMPARE(report.metadata.message, QStringLiteral("A faster pad."));

    QCOMPARE(server.requestHeads.size(), 1);
    const QByteArray head = server.requestHeads.first();
    QVERIFY2(head.startsWith("GET /release.json HTTP/1.1\r\n"), head.constData());
    QVERIFY2(head.contains(("\r\nUser-Agent: Kelbrand/sumvelle-desktop (" + running + ")\r\n").toLatin1()),
             head.constData());
    // Reply and manager go once the handler has run.
    QTRY_VERIFY(parent.findChildren<QObject*>().isEmpty());
}

void ReleaseCheckTest::rejectedDocumentGivesEmptyRecord()
{
    ReleaseServer server;
    QJsonObject object = releaseDocument();
    object.insert(QStringLiteral("productId"), QStringLiteral("other-product"));
    server.body = signedRelease(object);
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, server.url(), recorder(report), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(report.calls, 1, 10000);
    QCOMPARE(report.result, CheckFailed);
    QCOMPARE(report.comparison, Unknown);
    QVERIFY(report.metadata.productId.isEmpty());
    QVERIFY(report.metadata.currentVersion.isEmpty());
}

void ReleaseCheckTest::silentServerTimesOut_data()
{
    QTest::addColumn<int>("timeout");
    QTest::newRow("zero waits the minimum") << 0;
    QTest::newRow("negative waits the minimum") << -5;
}

void ReleaseCheckTest::silentServerTimesOut()
{
    QFETCH(int, timeout);
    ReleaseServer server(ReleaseServer::Silent);
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, server.url(), recorder(report), timeout);
    QTRY_COMPARE_WITH_TIMEOUT(server.requestHeads.size(), 1, 10000);
    QCOMPARE(report.calls, 0);
    QTRY_COMPARE_WITH_TIMEOUT(report.calls, 1, 10000);
    QCOMPARE(report.result, NetworkError);
    QCOMPARE(report.comparison, Unknown);
}

void ReleaseCheckTest::redirectIsFollowed()
{
    ReleaseServer target;
    target.body = signedRelease(releaseDocument(QStringLiteral("1.2.0")));
    ReleaseServer redirect(ReleaseServer::Redirect);
    redirect.redirectTarget = target.url();
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, redirect.url(QStringLiteral("http"), QStringLiteral("/old.json")), recorder(report),
                         5000);
    QTRY_COMPARE_WITH_TIMEOUT(report.calls, 1, 10000);
    QCOMPARE(report.result, UpdateAvailable);
    QCOMPARE(report.metadata.currentVersion, QStringLiteral("1.2.0"));
    QCOMPARE(target.requestHeads.size(), 1);
}

void ReleaseCheckTest::oversizedReplyIsCutOff()
{
    ReleaseServer server(ReleaseServer::Endless);
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, server.url(), recorder(report), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(report.calls, 1, 20000);
    QCOMPARE(report.result, NetworkError);
}

void ReleaseCheckTest::parentDeletedMidRequest()
{
    ReleaseServer server(ReleaseServer::Silent);
    auto* parent = new QObject;
    Report report;
    CheckForReleaseAsync(parent, server.url(), recorder(report), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(server.requestHeads.size(), 1, 10000);
    delete parent;
    // The request is torn down with its parent, and nothing is called.
    QTRY_COMPARE_WITH_TIMEOUT(server.closedConnections, 1, 10000);
    QCoreApplication::processEvents();
    QCOMPARE(report.calls, 0);
}

void ReleaseCheckTest::httpsWithTrustedCertificate()
{
    const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = original;
    const QList<QSslCertificate> authority = QSslCertificate::fromData(fixture(QFINDTESTDATA("fixtures/ca.pem")));
    QCOMPARE(authority.size(), 1);
    trusting.addCaCertificates(authority);
    QSslConfiguration::setDefaultConfiguration(trusting);

    ReleaseServer server(ReleaseServer::Answer, httpsListener());
    server.body = signedRelease(releaseDocument(QStringLiteral("2.0.0")));
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, server.url(QStringLiteral("https")), recorder(report), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(report.calls, 1, 15000);
    QSslConfiguration::setDefaultConfiguration(original);
    QCOMPARE(report.result, UpdateAvailable);
    QCOMPARE(report.comparison, NewerMajor);
}

void ReleaseCheckTest::httpsWithUntrustedCertificate()
{
    // The test authority is not trusted: the TLS error ends the check.
    ReleaseServer server(ReleaseServer::Answer, httpsListener());
    server.body = signedRelease(releaseDocument(QStringLiteral("2.0.0")));
    QObject parent;
    Report report;
    CheckForReleaseAsync(&parent, server.url(QStringLiteral("https")), recorder(report), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(report.calls, 1, 15000);
    QCOMPARE(report.result, NetworkError);
    QVERIFY(server.requestHeads.isEmpty());
}

SUMVELLE_TEST_MAIN(ReleaseCheckTest)
#include "tst_releasecheck.moc"
