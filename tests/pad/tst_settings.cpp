#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>

#include <sys/stat.h>

namespace {
QString settingsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("Sumvelle.ini"));
}

QAction* action(MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

QString checkedOutputBase(MainWindow& window)
{
    for (const char* name : {"actionOutputBaseDecimal", "actionOutputBaseBinary", "actionOutputBaseOctal",
                             "actionOutputBaseHexadecimal"}) {
        if (action(window, name)->isChecked())
            return QString::fromLatin1(name);
    }
    return QString();
}

const char* const OptionActions[] = {"actionUse_Word_Oporators", "actionIgnore_Text_When_Cannot_Solve",
                                     "actionSave_Log_On_Clear", "actionPredictive_Text_Complete",
                                     "actionSyntax_Help"};
} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyKeyRoundTrips();
    void absentKeysLeaveTheDefaults_data();
    void absentKeysLeaveTheDefaults();
    void outputBaseOnLoad_data();
    void outputBaseOnLoad();
    void outputBaseOnSave_data();
    void outputBaseOnSave();
    void boolKeysConvertAsVariants_data();
    void boolKeysConvertAsVariants();
    void otherKeysSurviveRepeatedSaves();
    void failedSaveIsReported();
    void specialFileInTheSettingsPlace_data();
    void specialFileInTheSettingsPlace();
    void saveOverABrokenFileIsReportedSaved();
};

void SettingsTest::init()
{
    QDir().mkpath(QFileInfo(settingsPath()).path());
    QFileInfo info(settingsPath());
    if (info.isDir())
        QDir(settingsPath()).removeRecursively();
    else
        QFile::remove(settingsPath());
}

void SettingsTest::everyKeyRoundTrips()
{
    QFont font;
    QRect geometry;
    {
        auto window = TestSupport::createWindow();
        TestSupport::Pad pad(window.get());
        pad.submit(QStringLiteral("CREATE FUNCTION TWICE(X) = X*2"));
        MainWindowTestAccess::numberFormat(*window) = QStringLiteral("#,##0.00");
        for (const char* name : OptionActions)
            action(*window, name)->setChecked(false);
        action(*window, "actionOutputBaseHexadecimal")->setChecked(true);
        font = pad.editor()->font();
        font.setPointSize(font.pointSize() + 7);
        font.setItalic(true);
        pad.editor()->setFont(font);
        window->ApplyTopMostState(true);
        window->setGeometry(40, 50, 612, 433);
        geometry = window->geometry();
        action(*window, "actionSave_Settings")->trigger();
        QCOMPARE(pad.status(), QStringLiteral("Settings Saved"));
    }
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    QCOMPARE(pad.editor()->font(), font);
    QCOMPARE(MainWindowTestAccess::numberFormat(*window), QStringLiteral("#,##0.00"));
    for (const char* name : OptionActions)
        QVERIFY2(!action(*window, name)->isChecked(), name);
    QCOMPARE(checkedOutputBase(*window), QStringLiteral("actionOutputBaseHexadecimal"));
    QVERIFY(MainWindowTestAccess::customFunctions(*window).contains(QStringLiteral("TWICE")));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window->geometry().size(), geometry.size());
    // Loading says nothing and leaves nothing to undo.
    QCOMPARE(pad.status(), QString());
    QVERIFY(!action(*window, "actionUndo")->isEnabled());
}

void SettingsTest::absentKeysLeaveTheDefaults_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("other keys only") << QByteArray("[Updates]\nDismissedRelease=2.0\n");
    QTest::newRow("corrupt") << QByteArray("\xff\xfe[[[=\x01\x02\nFont=\n=\n[", 18);
}

void SettingsTest::absentKeysLeaveTheDefaults()
{
    QFETCH(QByteArray, file);
    if (!file.isNull()) {
        QFile out(settingsPath());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    auto window = TestSupport::createWindow();
    for (const char* name : OptionActions)
        QVERIFY2(action(*window, name)->isChecked(), name);
    QCOMPARE(checkedOutputBase(*window), QStringLiteral("actionOutputBaseDecimal"));
    QCOMPARE(MainWindowTestAccess::numberFormat(*window), QString());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void SettingsTest::outputBaseOnLoad_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower case, blanks") << " hex " << "actionOutputBaseHexadecimal";
    QTest::newRow("bin") << "BIN" << "actionOutputBaseBinary";
    QTest::newRow("oct") << "Oct" << "actionOutputBaseOctal";
    QTest::newRow("long name") << "DECIMAL" << "actionOutputBaseDecimal";
    QTest::newRow("number") << "16" << "actionOutputBaseDecimal";
    QTest::newRow("empty") << "" << "actionOutputBaseDecimal";
}

void SettingsTest::outputBaseOnLoad()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("OutputBase"), stored);
    }
    auto window = TestSupport::createWindow();
    QCOMPARE(checkedOutputBase(*window), expected);
    // Only the one key was there: the other options keep the form's defaults.
    for (const char* name : OptionActions)
        QVERIFY2(action(*window, name)->isChecked(), name);
}

void SettingsTest::outputBaseOnSave_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("stored");
    QTest::newRow("decimal") << "actionOutputBaseDecimal" << "DEC";
    QTest::newRow("binary") << "actionOutputBaseBinary" << "BIN";
    QTest::newRow("octal") << "actionOutputBaseOctal" << "OCT";
    QTest::newRow("hexadecimal") << "actionOutputBaseHexadecimal" << "HEX";
}

void SettingsTest::outputBaseOnSave()
{
    QFETCH(QString, actionName);
    QFETCH(QString, stored);
    auto window = TestSupport::createWindow();
    action(*window, actionName.toLatin1().constData())->trigger();
    window->SaveSettings();
    QSettings settings(settingsPath(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("OutputBase")).toString(), stored);
}

void SettingsTest::boolKeysConvertAsVariants_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("false") << "false" << false;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("text") << "maybe" << true;
    QTest::newRow("true") << "true" << true;
}

void SettingsTest::boolKeysConvertAsVariants()
{
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("SyntaxHelp"), stored);
    }
    auto window = TestSupport::createWindow();
    QCOMPARE(action(*window, "actionSyntax_Help")->isChecked(), checked);
}

void SettingsTest::otherKeysSurviveRepeatedSaves()
{
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Updates/DismissedRelease"), QStringLiteral("3.1.4"));
        settings.setValue(QStringLiteral("Diagnostics/RestartToken"), QStringLiteral("token-7"));
    }
    auto window = TestSupport::createWindow();
    window->SaveSettings();
    QStringList firstKeys = QSettings(settingsPath(), QSettings::IniFormat).allKeys();
    action(*window, "actionSyntax_Help")->setChecked(false);
    window->SaveSettings();
    QSettings settings(settingsPath(), QSettings::IniFormat);
    QCOMPARE(settings.allKeys(), firstKeys);
    QCOMPARE(settings.value(QStringLiteral("SyntaxHelp")).toBool(), false);
    QCOMPARE(settings.value(QStringLiteral("Updates/DismissedRelease")).toString(), QStringLiteral("3.1.4"));
    QCOMPARE(settings.value(QStringLiteral("Diagnostics/RestartToken")).toString(), QStringLiteral("token-7"));
}

// Fails as root too: no permission is involved.
void SettingsTest::failedSaveIsReported()
{
    QVERIFY(QDir().mkpath(settingsPath()));
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    action(*window, "actionSave_Settings")->trigger();
    QCOMPARE(pad.status(), QStringLiteral("Settings could not be saved"));
}

void SettingsTest::specialFileInTheSettingsPlace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("symbolic link to /dev/zero") << "zero";
}

// The program starts with its defaults instead of waiting on the pipe or
// reading the device without end, and Save Settings says it failed.
void SettingsTest::specialFileInTheSettingsPlace()
{
    QFETCH(QString, kind);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(settingsPath()).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), settingsPath()));
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    QCOMPARE(checkedOutputBase(*window), QStringLiteral("actionOutputBaseDecimal"));
    for (const char* name : OptionActions)
        QVERIFY(action(*window, name)->isChecked());
    action(*window, "actionSave_Settings")->trigger();
    QCOMPARE(pad.status(), QStringLiteral("Settings could not be saved"));
}

// The old file's broken syntax says nothing about the write just made.
void SettingsTest::saveOverABrokenFileIsReportedSaved()
{
    {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General\nFormat=0.0\n");
    }
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    action(*window, "actionOutputBaseOctal")->setChecked(true);
    action(*window, "actionSave_Settings")->trigger();
    QCOMPARE(pad.status(), QStringLiteral("Settings Saved"));
    QSettings written(settingsPath(), QSettings::IniFormat);
    QCOMPARE(written.status(), QSettings::NoError);
    QCOMPARE(written.value(QStringLiteral("OutputBase")).toString(), QStringLiteral("OCT"));
}

SUMVELLE_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
