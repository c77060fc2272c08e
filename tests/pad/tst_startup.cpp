#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"
#include "tools/TravokMonetization.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Everything a user can see of the menus, item by item.
void DescribeMenu(const QWidget* menu, const QString& indent, QStringList& lines)
{
    for (const QAction* action : menu->actions()) {
        lines << indent + action->objectName() + QLatin1Char('|') + action->text() + QLatin1Char('|')
                + action->shortcut().toString() + QLatin1Char('|') + QString::number(action->isSeparator())
                + QString::number(action->isCheckable()) + QString::number(action->isChecked())
                + QString::number(action->isEnabled()) + QString::number(action->isVisible());
        if (const QMenu* submenu = action->menu<QMenu*>())
            DescribeMenu(submenu, indent + QLatin1String("  "), lines);
    }
}

QStringList DescribeMenus(const MainWindow& window)
{
    QStringList lines;
    DescribeMenu(window.menuBar(), QString(), lines);
    return lines;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void copyToDataLocation_data();
    void copyToDataLocation();
    void copyIntoMissingDirectory();
    void copyWithoutDataLocation();
    void windowAfterStartUp();
    void outputBasesExcludeEachOther();
    void releaseCheckConfigured();
    void releaseCheckResultHidesNotice_data();
    void releaseCheckResultHidesNotice();
    void releaseCheckSwitchedOff();
    void menusAfterShow_data();
    void menusAfterShow();
};

void StartupTest::copyToDataLocation_data()
{
    // Files present before the copy: "old" in the program's directory, "new"
    // in the data location; the value is the file's content.
    QTest::addColumn<QString>("oldIni");
    QTest::addColumn<QString>("newIni");
    QTest::addColumn<QString>("oldLog");
    QTest::addColumn<QString>("newLog");
    QTest::addColumn<bool>("sameDirectory");
    QTest::addColumn<QString>("expectedIni");
    QTest::addColumn<QString>("expectedLog");

    QTest::newRow("only the old files") << "old ini" << "" << "old log" << "" << false << "old ini" << "old log";
    QTest::newRow("both exist: the new one is kept")
        << "old ini" << "new ini" << "old log" << "new log" << false << "new ini" << "new log";
    QTest::newRow("only the new ones") << "" << "new ini" << "" << "new log" << false << "new ini" << "new log";
    QTest::newRow("the log on its own rule") << "old ini" << "new ini" << "old log" << "" << false << "new ini"
                                             << "old log";
    QTest::newRow("the settings on their own rule")
        << "old ini" << "" << "" << "new log" << false << "old ini" << "new log";
    QTest::newRow("program in the data location") << "" << "here" << "" << "" << true << "here" << "<missing>";
}

void StartupTest::copyToDataLocation()
{
    QFETCH(QString, oldIni);
    QFETCH(QString, newIni);
    QFETCH(QString, oldLog);
    QFETCH(QString, newLog);
    QFETCH(bool, sameDirectory);
    QFETCH(QString, expectedIni);
    QFETCH(QString, expectedLog);

    QTemporaryDir program;
    QTemporaryDir data;
    const QString programPath = program.path();
    const QString dataPath = sameDirectory ? programPath : data.path();
    const QDir programDir(programPath);
    const QDir dataDir(dataPath);
    if (!oldIni.isEmpty())
        WriteFile(programDir.filePath(QStringLiteral("Sumvelle.ini")), oldIni.toUtf8());
    if (!newIni.isEmpty())
        WriteFile(dataDir.filePath(QStringLiteral("Sumvelle.ini")), newIni.toUtf8());
    if (!oldLog.isEmpty())
        WriteFile(programDir.filePath(QStringLiteral("Sumvelle.log")), oldLog.toUtf8());
    if (!newLog.isEmpty())
        WriteFile(dataDir.filePath(QStringLiteral("Sumvelle.log")), newLog.toUtf8());

    MainWindow::CopyFilesToDataLocation(programPath, dataPath);
    QCOMPARE(ReadFile(dataDir.filePath(QStringLiteral("Sumvelle.ini"))), expectedIni.toUtf8());
    QCOMPARE(ReadFile(dataDir.filePath(QStringLiteral("Sumvelle.log"))), expectedLog.toUtf8());

    // Once copied, a changed old file is not copied again.
    if (!oldIni.isEmpty() && !sameDirectory) {
        WriteFile(programDir.filePath(QStringLiteral("Sumvelle.ini")), "changed");
        MainWindow::CopyFilesToDataLocation(programPath, dataPath);
        QCOMPARE(ReadFile(dataDir.filePath(QStringLiteral("Sumvelle.ini"))), expectedIni.toUtf8());
    }
}

void StartupTest::copyIntoMissingDirectory()
{
    QTemporaryDir program;
    QTemporaryDir data;
    WriteFile(QDir(program.path()).filePath(QStringLiteral("Sumvelle.ini")), "settings");
    const QString nested = QDir(data.path()).filePath(QStringLiteral("a/b/Sumvelle"));
    MainWindow::CopyFilesToDataLocation(program.path(), nested);
    QCOMPARE(ReadFile(QDir(nested).filePath(QStringLiteral("Sumvelle.ini"))), QByteArray("settings"));
}

void StartupTest::copyWithoutDataLocation()
{
    QTemporaryDir program;
    WriteFile(QDir(program.path()).filePath(QStringLiteral("Sumvelle.ini")), "settings");
    MainWindow::CopyFilesToDataLocation(program.path(), QString());
    QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"Sumvelle.ini"});
}

void StartupTest::windowAfterStartUp()
{
    auto window = TestSupport::createWindow();
    auto* pad = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
    QVERIFY(window->acceptDrops());
    QVERIFY(!pad->acceptDrops());
    QVERIFY(!pad->viewport()->acceptDrops());
    QVERIFY(!pad->document()->isUndoRedoEnabled());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionUndo"))->isEnabled());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionRedo"))->isEnabled());

    // Edit stands in the menu bar, right before Options.
    const QList<QAction*> bar = window->menuBar()->actions();
    const qsizetype edit = bar.indexOf(window->findChild<QMenu*>(QStringLiteral("menuEdit"))->menuAction());
    const qsizetype options = bar.indexOf(window->findChild<QMenu*>(QStringLiteral("menuOptions"))->menuAction());
    QVERIFY(edit >= 0);
    QCOMPARE(options, edit + 1);

    QVERIFY(!window->findChild<QMenu*>(QStringLiteral("menuWindowControl"))->menuAction()->isVisible());
    QVERIFY(!window->findChild<QMenu*>(QStringLiteral("menuWindowControlCommands"))->menuAction()->isVisible());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionHelpWindows"))->isVisible());
}

void StartupTest::outputBasesExcludeEachOther()
{
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    auto* decimal = window->findChild<QAction*>(QStringLiteral("actionOutputBaseDecimal"));
    auto* hexadecimal = window->findChild<QAction*>(QStringLiteral("actionOutputBaseHexadecimal"));
    QVERIFY(decimal->isChecked());
    hexadecimal->trigger();
    QVERIFY(hexadecimal->isChecked());
    QVERIFY(!decimal->isChecked());
    QCOMPARE(pad.status(), QStringLiteral("Output Base = Hexadecimal"));
}

void StartupTest::releaseCheckConfigured()
{
    auto window = TestSupport::createWindow();
    QCOMPARE(TravokMonetization::ProductId(), QStringLiteral("sumvelle-desktop"));
    QCOMPARE(TravokMonetization::ProductName(), QStringLiteral("Sumvelle Desktop"));
    QCOMPARE(TravokMonetization::ApplicationVersion(), QStringLiteral("1.0.0"));
    QVERIFY(TravokMonetization::IsInitialized());
}

void StartupTest::releaseCheckResultHidesNotice_data()
{
    QTest::addColumn<int>("result");
    QTest::newRow("no update") << int(TravokMonetization::NoUpdateAvailable);
    QTest::newRow("network error") << int(TravokMonetization::NetworkError);
    QTest::newRow("check failed") << int(TravokMonetization::CheckFailed);
}

void StartupTest::releaseCheckResultHidesNotice()
{
    QFETCH(int, result);
    auto window = TestSupport::createWindow();
    auto* notice = window->findChild<QFrame*>(QStringLiteral("updateNoticeFrame"));
    notice->show();
    MainWindowTestAccess::reportRelease(*window, TravokMonetization::ReleaseCheckResult(result));
    QVERIFY(MainWindowTestAccess::releaseCheckDone(*window));
    QVERIFY(!MainWindowTestAccess::releaseAvailable(*window));
    QVERIFY(notice->isHidden());
}

void StartupTest::releaseCheckSwitchedOff()
{
    auto window = TestSupport::createWindow();
    // A started check reports through the event loop: let it run once.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(!MainWindowTestAccess::releaseCheckDone(*window));
}

void StartupTest::menusAfterShow_data()
{
    QTest::addColumn<QString>("finishedBy");
    QTest::newRow("the first paint") << "paint";
    QTest::newRow("a key before it") << "key";
    QTest::newRow("a menu opened before it") << "menu";
}

// The program's window builds its menus' items after the first paint, or
// sooner when input needs them; either way it ends as a window built whole,
// with the settings' options in its menus.
void StartupTest::menusAfterShow()
{
    QFETCH(QString, finishedBy);
    const QString settingsPath =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Sumvelle.ini"));
    QVERIFY(QDir().mkpath(QFileInfo(settingsPath).path()));
    {
        QSettings settings(settingsPath, QSettings::IniFormat);
        settings.setValue(QStringLiteral("OutputBase"), QStringLiteral("HEX"));
        settings.setValue(QStringLiteral("SaveLogOnClear"), true);
        settings.setValue(QStringLiteral("SyntaxHelp"), false);
    }
    MainWindow::SetReleaseCheckEnabled(false);
    const auto whole = TestSupport::createWindow();
    MainWindow later(nullptr, MainWindow::StartUp::MenusAfterShow);
    auto* file = later.findChild<QMenu*>(QStringLiteral("menuFile"));
    QVERIFY(file->actions().isEmpty());
    QVERIFY(later.windowIcon().isNull());
    QCOMPARE(later.menuBar()->actions().size(), whole->menuBar()->actions().size());

    TestSupport::Pad pad(&later);
    if (finishedBy == QLatin1String("paint")) {
        later.show();
        QTRY_VERIFY(!file->actions().isEmpty());
    } else if (finishedBy == QLatin1String("key")) {
        // Answered in hexadecimal: the key read the options the settings gave.
        pad.submit(QStringLiteral("250+5"));
        QCOMPARE(pad.text(), QStringLiteral("250+5\nFF\n"));
        QVERIFY(!file->actions().isEmpty());
        TestSupport::Pad(whole.get()).submit(QStringLiteral("250+5"));
    } else {
        QVERIFY(QMetaObject::invokeMethod(file, "aboutToShow"));
        QVERIFY(!file->actions().isEmpty());
    }
    QCOMPARE(DescribeMenus(later), DescribeMenus(*whole));
    QCOMPARE(later.windowIcon().availableSizes(), whole->windowIcon().availableSizes());
    QVERIFY(QFile::remove(settingsPath));
}

SUMVELLE_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
