#include "pad/StoragePaths.h"
#include "pad/mainwindow.h"
#include "releaseserver.h"
#include "support/testsupport.h"
#include "tools/TravokMonetization.h"
#include "tools/UpdateWindow.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>

using namespace TravokMonetization;

namespace {

// Receives every URL the program hands to the desktop, so no browser starts.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

ReleaseMetadata release(const QString& version, const QString& message = QString(),
                        const QString& signature = QString(64, QLatin1Char('a')))
{
    ReleaseMetadata metadata;
    metadata.productId = QStringLiteral("sumvelle-desktop");
    metadata.currentVersion = version;
    metadata.purchasePrice = QStringLiteral("$20");
    metadata.purchaseUrl = QStringLiteral("https://shop.example/buy");
    metadata.upgradePrice = QStringLiteral("$10 <b>off</b>");
    metadata.upgradeUrl = QStringLiteral("https://shop.example/upgrade");
    metadata.downloadUrl = QStringLiteral("https://shop.example/download");
    metadata.detailsUrl = QStringLiteral("https://shop.example/details");
    metadata.message = message;
    metadata.signature = signature;
    return metadata;
}

template <typename T>
T* part(QObject* window, const char* name)
{
    T* object = window->findChild<T*>(QLatin1String(name));
    if (!object)
        qFatal("no %s", name);
    return object;
}

bool barShown(MainWindow* window)
{
    return !part<QFrame>(window, "updateNoticeFrame")->isHidden();
}

UpdateWindow* openUpdateWindow(MainWindow* window)
{
    window->ShowUpdateWindow();
    return window->findChild<UpdateWindow*>();
}

QString labelText(QObject* updateWindow, const char* name)
{
    return part<QLabel>(updateWindow, name)->text();
}

} // namespace

class UpdateWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void noticeText_data();
    void noticeText();
    void otherReportsHideTheBar();
    void dismissalSurvivesNewWindow_data();
    void dismissalSurvivesNewWindow();
    void windowWithoutUpdate();
    void windowStates_data();
    void windowStates();
    void windowIsKeptAndRefreshed();
    void linkOpensWindowNotUrl();
    void openedDestination_data();
    void openedDestination();
    void checkAtStartShowsBar();

private:
    UrlCatcher catcher;
};

void UpdateWindowTest::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("ftp"), &catcher, "open");
}

void UpdateWindowTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("ftp"));
}

void UpdateWindowTest::init()
{
    catcher.opened.clear();
    const QString settingsPath = StoragePaths::SettingsFilePath();
    QSettings(settingsPath, QSettings::IniFormat).remove(QStringLiteral("Updates"));
}

void UpdateWindowTest::noticeText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("comparison");
    QTest::addColumn<QString>("shown");
    QTest::newRow("message trimmed") << "  Faster pad.  " << int(NewerMinor) << "Faster pad.";
    QTest::newRow("blank, minor") << "   " << int(NewerMinor) << "Sumvelle 1.1.0 is available.";
    QTest::newRow("blank, major") << "" << int(NewerMajor) << "Sumvelle 1.1.0 is available as a new major release.";
    QTest::newRow("markup shown as written") << "Tom & <b>Jerry</b>" << int(NewerMinor)
                                             << "Tom &amp; &lt;b&gt;Jerry&lt;/b&gt;";
}

void UpdateWindowTest::noticeText()
{
    QFETCH(QString, message);
    QFETCH(int, comparison);
    QFETCH(QString, shown);
    auto window = TestSupport::createWindow();
    window->ApplyAvailableRelease(release(QStringLiteral("1.1.0"), message), ReleaseComparison(comparison));
    QLabel* label = part<QLabel>(window.get(), "updateNoticeLabel");
    QCOMPARE(label->text(),
             QStringLiteral("<a href=\"update\" style=\"color:#202020; text-decoration:none;\">%1</a>").arg(shown));
    QCOMPARE(label->textFormat(), Qt::RichText);
    QCOMPARE(label->textInteractionFlags(), Qt::TextInteractionFlags(Qt::LinksAccessibleByMouse));
    QCOMPARE(label->toolTip(), QStringLiteral("Click to open Update / Upgrade."));
    QVERIFY(barShown(window.get()));
}

void UpdateWindowTest::otherReportsHideTheBar()
{
    auto window = TestSupport::createWindow();
    window->ApplyAvailableRelease(release(QStringLiteral("1.1.0")), NewerMinor);
    QVERIFY(barShown(window.get()));
    part<QToolButton>(window.get(), "updateNoticeCloseButton")->click();
    QVERIFY(!barShown(window.get()));
    QVERIFY(window->IsCurrentReleaseNoticeDismissed());
}

void UpdateWindowTest::dismissalSurvivesNewWindow_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("signature");
    QTest::addColumn<bool>("shown");
    const QString signature(64, QLatin1Char('a'));
    QTest::newRow("same release") << "1.1.0" << signature << false;
    QTest::newRow("same release, spaced") << " 1.1.0 " << QStringLiteral("  ") + signature + QStringLiteral(" ")
                                          << false;
    QTest::newRow("other version") << "1.1.1" << signature << true;
    QTest::newRow("other signature") << "1.1.0" << QString(64, QLatin1Char('b')) << true;
}

void UpdateWindowTest::dismissalSurvivesNewWindow()
{
    QFETCH(QString, version);
    QFETCH(QString, signature);
    QFETCH(bool, shown);
    {
        auto first = TestSupport::createWindow();
        first->ApplyAvailableRelease(release(QStringLiteral("1.1.0")), NewerMinor);
        first->DismissCurrentReleaseNotice();
    }
    auto second = TestSupport::createWindow();
    QVERIFY(!barShown(second.get()));
    second->ApplyAvailableRelease(release(version, QString(), signature), NewerMinor);
    QCOMPARE(barShown(second.get()), shown);
    QCOMPARE(second->IsCurrentReleaseNoticeDismissed(), !shown);
}

void UpdateWindowTest::windowWithoutUpdate()
{
    auto window = TestSupport::createWindow();
    // Dismissing with no release writes nothing.
    window->DismissCurrentReleaseNotice();
    const QString settingsPath = StoragePaths::SettingsFilePath();
    QVERIFY(!QSettings(settingsPath, QSettings::IniFormat).contains(QStringLiteral("Updates/DismissedRelease")));

    part<QAction>(window.get(), "actionCheckForUpdates")->trigger();
    auto* updateWindow = window->findChild<UpdateWindow*>();
    QVERIFY(updateWindow);
    QVERIFY(updateWindow->isVisible());
    QCOMPARE(updateWindow->windowTitle(), QStringLiteral("Sumvelle Update / Upgrade"));
    QCOMPARE(labelText(updateWindow, "installedVersionValue"), QStringLiteral("1.0.0"));
    QCOMPARE(labelText(updateWindow, "availableVersionValue"), QStringLiteral("No newer release detected"));
    QCOMPARE(labelText(updateWindow, "messageLabel"),
             QStringLiteral("You are currently running the newest release Sumvelle has detected."));
    QVERIFY(part<QLabel>(updateWindow, "priceCaptionLabel")->isHidden());
    QVERIFY(part<QLabel>(updateWindow, "priceValueLabel")->isHidden());
    auto* button = part<QPushButton>(updateWindow, "updateButton");
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->text(), QStringLiteral("No Update Available"));
}

void UpdateWindowTest::windowStates_data()
{
    QTest::addColumn<int>("comparison");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shownMessage");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("button");
    QTest::newRow("major, blank message") << int(NewerMajor) << " " << "A newer version of Sumvelle is available."
                                          << "Upgrade price:" << "$10 <b>off</b>" << "View Upgrade";
    QTest::newRow("minor, markup as written") << int(NewerMinor) << " <i>Fast</i> & small "
                                              << "<i>Fast</i> & small" << "Update:"
                                              << "Included with this major version" << "View / Download Update";
}

void UpdateWindowTest::windowStates()
{
    QFETCH(int, comparison);
    QFETCH(QString, message);
    QFETCH(QString, shownMessage);
    QFETCH(QString, caption);
    QFETCH(QString, price);
    QFETCH(QString, button);
    auto window = TestSupport::createWindow();
    window->ApplyAvailableRelease(release(QStringLiteral("2.0.0"), message), ReleaseComparison(comparison));
    UpdateWindow* updateWindow = openUpdateWindow(window.get());
    QCOMPARE(labelText(updateWindow, "availableVersionValue"), QStringLiteral("2.0.0"));
    QCOMPARE(labelText(updateWindow, "messageLabel"), shownMessage);
    QCOMPARE(labelText(updateWindow, "priceCaptionLabel"), caption);
    QCOMPARE(labelText(updateWindow, "priceValueLabel"), price);
    QVERIFY(!part<QLabel>(updateWindow, "priceValueLabel")->isHidden());
    // Text from the release document is never rendered as markup.
    for (const char* name : {"messageLabel", "priceValueLabel", "availableVersionValue"})
        QCOMPARE(part<QLabel>(updateWindow, name)->textFormat(), Qt::PlainText);
    auto* updateButton = part<QPushButton>(updateWindow, "updateButton");
    QVERIFY(updateButton->isEnabled());
    QCOMPARE(updateButton->text(), button);
}

void UpdateWindowTest::windowIsKeptAndRefreshed()
{
    auto window = TestSupport::createWindow();
    UpdateWindow* updateWindow = openUpdateWindow(window.get());
    QVERIFY(!updateWindow->testAttribute(Qt::WA_DeleteOnClose));
    part<QPushButton>(updateWindow, "closeButton")->click();
    QVERIFY(!updateWindow->isVisible());

    // A report while it is hidden refreshes it in place.
    window->ApplyAvailableRelease(release(QStringLiteral("1.2.0")), NewerMinor);
    QCOMPARE(labelText(updateWindow, "availableVersionValue"), QStringLiteral("1.2.0"));
    QCOMPARE(openUpdateWindow(window.get()), updateWindow);
    QVERIFY(updateWindow->isVisible());
    QCOMPARE(window->findChildren<UpdateWindow*>().size(), 1);
    updateWindow->close();
    QCOMPARE(openUpdateWindow(window.get()), updateWindow);
}

void UpdateWindowTest::linkOpensWindowNotUrl()
{
    auto window = TestSupport::createWindow();
    window->ApplyAvailableRelease(release(QStringLiteral("1.1.0")), NewerMinor);
    emit part<QLabel>(window.get(), "updateNoticeLabel")->linkActivated(QStringLiteral("update"));
    auto* updateWindow = window->findChild<UpdateWindow*>();
    QVERIFY(updateWindow);
    QVERIFY(updateWindow->isVisible());
    QVERIFY(catcher.opened.isEmpty());
}

void UpdateWindowTest::openedDestination_data()
{
    QTest::addColumn<int>("comparison");
    QTest::addColumn<QString>("upgradeUrl");
    QTest::addColumn<QString>("detailsUrl");
    QTest::addColumn<QString>("downloadUrl");
    QTest::addColumn<QString>("opened");
    const QString up = QStringLiteral("https://shop.example/upgrade");
    const QString details = QStringLiteral("https://shop.example/details");
    const QString down = QStringLiteral("http://shop.example/download");
    QTest::newRow("major opens upgrade") << int(NewerMajor) << up << details << down << up;
    QTest::newRow("major, blank upgrade") << int(NewerMajor) << " " << details << down << details;
    QTest::newRow("minor opens details") << int(NewerMinor) << up << details << down << details;
    QTest::newRow("minor, blank details") << int(NewerMinor) << up << "" << down << down;
    QTest::newRow("trimmed") << int(NewerMinor) << up << "  " + details + " " << down << details;
    QTest::newRow("ftp opens nothing") << int(NewerMinor) << up << "ftp://shop.example/d" << down << "";
    QTest::newRow("no fall-back") << int(NewerMajor) << "mailto:a@shop.example" << details << down << "";
    QTest::newRow("all blank") << int(NewerMinor) << "" << "" << "" << "";
    QTest::newRow("user information") << int(NewerMinor) << up << "https://user:pw@shop.example/d" << down << "";
    QTest::newRow("no host") << int(NewerMinor) << up << "https:details" << down << "";
    QTest::newRow("empty host") << int(NewerMinor) << up << "http://" << down << "";
}

void UpdateWindowTest::openedDestination()
{
    QFETCH(int, comparison);
    QFETCH(QString, upgradeUrl);
    QFETCH(QString, detailsUrl);
    QFETCH(QString, downloadUrl);
    QFETCH(QString, opened);
    ReleaseMetadata metadata = release(QStringLiteral("2.0.0"));
    metadata.upgradeUrl = upgradeUrl;
    metadata.detailsUrl = detailsUrl;
    metadata.downloadUrl = downloadUrl;
    UpdateWindow updateWindow;
    updateWindow.SetReleaseState(true, metadata, ReleaseComparison(comparison));
    part<QPushButton>(&updateWindow, "updateButton")->click();
    if (opened.isEmpty()) {
        QVERIFY(catcher.opened.isEmpty());
    } else {
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.first(), QUrl(opened));
    }
}

void UpdateWindowTest::checkAtStartShowsBar()
{
    ReleaseServer server;
    server.body = signedRelease(releaseDocument(QStringLiteral("1.3.0"), QStringLiteral("New <units>")));
    MainWindow::SetReleaseCheckUrl(server.url());
    MainWindow::SetReleaseCheckEnabled(true);
    auto window = std::make_unique<MainWindow>();
    MainWindow::SetReleaseCheckEnabled(false);
    // The check, and the network stack it needs, wait for the window to show.
    QCoreApplication::processEvents();
    QVERIFY(!window->findChild<QNetworkAccessManager*>());
    window->show();
    QTRY_VERIFY_WITH_TIMEOUT(barShown(window.get()), 10000);
    MainWindow::SetReleaseCheckUrl(QUrl());
    QVERIFY(part<QLabel>(window.get(), "updateNoticeLabel")->text().contains(QStringLiteral("New &lt;units&gt;")));
    QVERIFY(server.requestHeads.first().contains("User-Agent: Kelbrand/sumvelle-desktop (1.0.0)\r\n"));
    UpdateWindow* updateWindow = openUpdateWindow(window.get());
    QCOMPARE(labelText(updateWindow, "availableVersionValue"), QStringLiteral("1.3.0"));
}

SUMVELLE_TEST_MAIN(UpdateWindowTest)
#include "tst_updatewindow.moc"
