#include "support/testsupport.h"

#include "pad/mainwindow.h"
#include "tools/StorageDiagnostics.h"
#include "tools/TravokMonetization.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>

#include <sys/stat.h>

namespace {

QString storage()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

// Stands in for the desktop's browser.
class BrowserRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class StorageDiagnosticsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstAndSecondRun();
    void copyButtonOnlyCopies();
    void commandWord_data();
    void commandWord();
    void storageThatCannotBeCreated();
    void browserRefusing();
    void specialFiles_data();
    void specialFiles();

private:
    BrowserRecorder browser;
};

void StorageDiagnosticsTest::init()
{
    QDir(storage()).removeRecursively();
    QFile::remove(storage());
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    browser.opened.clear();
}

void StorageDiagnosticsTest::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QFile::remove(storage());
}

void StorageDiagnosticsTest::firstAndSecondRun()
{
    const auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    TestSupport::ShownMessage first;
    TestSupport::readNextMessageBox(first, QStringLiteral("Close"));
    pad.submit(QStringLiteral("TRAVOKDEBUGSTORAGE"));
    QVERIFY(first.shown);
    QCOMPARE(first.title, QStringLiteral("Sumvelle Storage Diagnostics"));
    QCOMPARE(first.text, QStringLiteral("Installation regression report. Copy the details to share."));
    QCOMPARE(first.buttonRoles.value(first.buttons.indexOf(QStringLiteral("Copy Full Report"))),
             QMessageBox::ActionRole);
    first.buttons.sort();
    QCOMPARE(first.buttons, (QStringList{"Close", "Copy Full Report", "Show Details..."}));
    // Nothing goes into the pad for the line.
    QCOMPARE(pad.text(), QStringLiteral("TRAVOKDEBUGSTORAGE\n"));

    const QStringList lines = first.detailedText.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23);
    QVERIFY(!first.detailedText.endsWith(QLatin1Char('\n')));
    QCOMPARE(lines.at(0), QStringLiteral("SUMVELLE INSTALL DIAGNOSTICS"));
    QVERIFY(QDateTime::fromString(lines.at(1).mid(6), Qt::ISODate).isValid());
    QCOMPARE(lines.at(2), QStringLiteral("Qt: ") + QLatin1String(qVersion()));
    QCOMPARE(lines.at(4), QStringLiteral("Storage mode: Per-user / platform default"));
    QCOMPARE(lines.at(5), QStringLiteral("Storage: ") + storage());
    QCOMPARE(lines.at(6), QStringLiteral("INI: ") + QDir(storage()).filePath(QStringLiteral("Sumvelle.ini")));
    QCOMPARE(lines.at(7), QStringLiteral("Log: ") + QDir(storage()).filePath(QStringLiteral("Sumvelle.log")));
    QCOMPARE(lines.at(8), QString());
    QCOMPARE(lines.mid(9, 5), (QStringList{"Storage directory create/access: PASS", "Independent file write: PASS",
                                           "Independent file readback: PASS", "Probe cleanup: PASS",
                                           "Persistence from previous run: NOT YET TESTED"}));
    QCOMPARE(lines.mid(14, 2), (QStringList{"INI sync: PASS", "INI disk readback: PASS"}));
    QVERIFY(lines.at(16).startsWith(QLatin1String("Next restart token: ")));
    const QString token = lines.at(16).mid(20);
    QVERIFY(!QUuid::fromString(token).isNull());
    QVERIFY(!token.startsWith(QLatin1Char('{')));
    const QString host = QLatin1String(TravokMonetization::MakerWebHost);
    QCOMPARE(lines.mid(17, 6),
             (QStringList{"Log append: PASS", "Log disk readback: PASS",
                          "Browser launch request (" + host + "): ACCEPTED (browser display not guaranteed)", "",
                          "INSTALLATION CHECK: PASS (tested operations)",
                          "Restart Sumvelle and rerun TRAVOKDEBUGSTORAGE to verify persistence."}));
    QCOMPARE(browser.opened, (QList<QUrl>{QUrl(QStringLiteral("https://") + host)}));

    // The run's lasting traces: the token, one log line, and no probe left.
    QCOMPARE(QSettings(QDir(storage()).filePath(QStringLiteral("Sumvelle.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("Diagnostics/RestartToken"))
                 .toString(),
             token);
    QFile log(QDir(storage()).filePath(QStringLiteral("Sumvelle.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), ("[TRAVOKDEBUGSTORAGE] " + token + " diagnostic log check\n").toUtf8());
    QVERIFY(QDir(storage()).entryList({".travok-storage-probe-*"}, QDir::Files | QDir::Hidden).isEmpty());

    // A second run, in the same process, finds the first run's token.
    TestSupport::ShownMessage second;
    TestSupport::readNextMessageBox(second, QStringLiteral("Close"));
    RunTravokStorageDiagnostics(window.get());
    QCOMPARE(second.detailedText.split(QLatin1Char('\n')).at(13),
             QStringLiteral("Persistence from previous run: PASS: token found (") + token + QLatin1Char(')'));
    QVERIFY(second.detailedText.split(QLatin1Char('\n')).at(16) != lines.at(16));
}

void StorageDiagnosticsTest::copyButtonOnlyCopies()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    TestSupport::ShownMessage closed;
    TestSupport::readNextMessageBox(closed, QStringLiteral("Close"));
    RunTravokStorageDiagnostics(nullptr);
    QVERIFY(closed.shown);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    TestSupport::ShownMessage copied;
    TestSupport::readNextMessageBox(copied, QStringLiteral("Copy Full Report"));
    RunTravokStorageDiagnostics(nullptr);
    QVERIFY(copied.shown);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied.detailedText);
}

void StorageDiagnosticsTest::commandWord_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("runs");
    QTest::newRow("lower case with blanks") << "  travokdebugstorage  " << true;
    QTest::newRow("mixed case") << "TravokDebugStorage" << true;
    QTest::newRow("followed by text") << "TRAVOKDEBUGSTORAGE now" << false;
}

void StorageDiagnosticsTest::commandWord()
{
    QFETCH(QString, line);
    QFETCH(bool, runs);
    const auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    TestSupport::ShownMessage shown;
    TestSupport::readNextMessageBox(shown, QStringLiteral("Close"));
    pad.submit(line);
    QCOMPARE(shown.shown, runs);
    if (runs)
        QCOMPARE(pad.text(), line + QLatin1Char('\n'));
}

// A regular file where the data directory belongs: nothing can be created
// below it, whatever the user's rights.
void StorageDiagnosticsTest::storageThatCannotBeCreated()
{
    {
        QDir().mkpath(QFileInfo(storage()).path());
        QFile blocker(storage());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    TestSupport::ShownMessage shown;
    TestSupport::readNextMessageBox(shown, QStringLiteral("Close"));
    RunTravokStorageDiagnostics(nullptr);
    const QStringList lines = shown.detailedText.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines.at(9), QStringLiteral("Storage directory create/access: FAIL"));
    QVERIFY(lines.at(10).startsWith(QLatin1String("Independent file write: FAIL: ")));
    QVERIFY(lines.at(10).size() > 30);
    QVERIFY(lines.at(11).startsWith(QLatin1String("Independent file readback: FAIL: ")));
    QCOMPARE(lines.at(12), QStringLiteral("Probe cleanup: FAIL"));
    QCOMPARE(lines.at(14), QStringLiteral("INI sync: FAIL (QSettings status 1)"));
    QCOMPARE(lines.at(15), QStringLiteral("INI disk readback: FAIL"));
    QVERIFY(lines.at(17).startsWith(QLatin1String("Log append: FAIL: ")));
    QCOMPARE(lines.at(18), QStringLiteral("Log disk readback: FAIL"));
    QCOMPARE(lines.at(21), QStringLiteral("INSTALLATION CHECK: WARN / FAIL (review results above)"));
}

// A desktop that does not take the web page fails the summary on its own.
void StorageDiagnosticsTest::browserRefusing()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "noSuchSlot");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchSlot")));
    TestSupport::ShownMessage shown;
    TestSupport::readNextMessageBox(shown, QStringLiteral("Close"));
    RunTravokStorageDiagnostics(nullptr);
    const QStringList lines = shown.detailedText.split(QLatin1Char('\n'));
    QVERIFY(lines.at(19).endsWith(QLatin1String("): FAILED")));
    QCOMPARE(lines.at(9), QStringLiteral("Storage directory create/access: PASS"));
    QCOMPARE(lines.at(21), QStringLiteral("INSTALLATION CHECK: WARN / FAIL (review results above)"));
}

void StorageDiagnosticsTest::specialFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    for (const char* file : {"Sumvelle.ini", "Sumvelle.log"}) {
        QTest::addRow("%s a named pipe", file) << file << "fifo";
        QTest::addRow("%s a link to /dev/zero", file) << file << "zero";
    }
}

// The check neither waits on a pipe nor reads a device without end: the file
// fails its lines, the other passes.
void StorageDiagnosticsTest::specialFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QVERIFY(QDir().mkpath(storage()));
    const QString target = QDir(storage()).filePath(file);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), target));
    TestSupport::ShownMessage shown;
    TestSupport::readNextMessageBox(shown, QStringLiteral("Close"));
    RunTravokStorageDiagnostics(nullptr);
    const QStringList lines = shown.detailedText.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23);
    const bool settings = file == QLatin1String("Sumvelle.ini");
    QCOMPARE(lines.at(14), settings ? QStringLiteral("INI sync: FAIL: Not a regular file") : QStringLiteral("INI sync: PASS"));
    QCOMPARE(lines.at(15), settings ? QStringLiteral("INI disk readback: FAIL") : QStringLiteral("INI disk readback: PASS"));
    QCOMPARE(lines.at(17), settings ? QStringLiteral("Log append: PASS") : QStringLiteral("Log append: FAIL: Not a regular file"));
    QCOMPARE(lines.at(18), settings ? QStringLiteral("Log disk readback: PASS") : QStringLiteral("Log disk readback: FAIL"));
}

SUMVELLE_TEST_MAIN(StorageDiagnosticsTest)
#include "tst_storagediagnostics.moc"
