#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {
QString logPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("Sumvelle.log"));
}

QString readLog()
{
    QFile file(logPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One record: the header line, then the pad and one newline.
QString recordPattern(const QString& padText)
{
    return QStringLiteral("--------------------[A-Z][a-z]{2} [A-Z][a-z]{2} {1,2}\\d{1,2} \\d{2}:\\d{2}:\\d{2} \\d{4}"
                          "--------------------\n")
        + QRegularExpression::escape(padText) + QStringLiteral("\n");
}

QAction* action(MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}
} // namespace

// Stands in for the desktop: records what Show Log asked it to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class CalculatorLogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void closingAppendsARecord_data();
    void closingAppendsARecord();
    void twoClosesTwoRecords();
    void clearCommand_data();
    void clearCommand();
    void unwritableLogNeverBlocksClosing();
    void showLogCreatesTheFile();
    void copyWithoutFormatting();
    void copyWithoutSelection();
};

void CalculatorLogTest::init()
{
    QDir().mkpath(QFileInfo(logPath()).path());
    if (QFileInfo(logPath()).isDir())
        QDir(logPath()).removeRecursively();
    QFile::remove(logPath());
}

void CalculatorLogTest::closingAppendsARecord_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("padText");
    QTest::newRow("empty pad") << QStringList{} << "";
    QTest::newRow("answers") << QStringList{"1+1", "2*3"} << "1+1\n2\n2*3\n6\n";
}

void CalculatorLogTest::closingAppendsARecord()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, padText);
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    for (const QString& line : lines)
        pad.submit(line);
    QCOMPARE(pad.text(), padText);
    QVERIFY(window->close());
    const QRegularExpression record(QStringLiteral("\\A") + recordPattern(padText) + QStringLiteral("\\z"));
    QVERIFY2(record.match(readLog()).hasMatch(), qPrintable(readLog()));
}

void CalculatorLogTest::twoClosesTwoRecords()
{
    for (const QString& line : {QStringLiteral("1+1"), QStringLiteral("5*5")}) {
        auto window = TestSupport::createWindow();
        TestSupport::Pad pad(window.get());
        pad.submit(line);
        window->close();
    }
    const QRegularExpression records(QStringLiteral("\\A") + recordPattern(QStringLiteral("1+1\n2\n"))
                                     + recordPattern(QStringLiteral("5*5\n25\n")) + QStringLiteral("\\z"));
    QVERIFY2(records.match(readLog()).hasMatch(), qPrintable(readLog()));
}

void CalculatorLogTest::clearCommand_data()
{
    QTest::addColumn<bool>("saveLogOnClear");
    QTest::newRow("save log on clear") << true;
    QTest::newRow("no log on clear") << false;
}

void CalculatorLogTest::clearCommand()
{
    QFETCH(bool, saveLogOnClear);
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    action(*window, "actionSave_Log_On_Clear")->setChecked(saveLogOnClear);
    pad.submit(QStringLiteral("7+1"));
    pad.submit(QStringLiteral("CLEAR"));
    if (saveLogOnClear) {
        const QRegularExpression record(QStringLiteral("\\A") + recordPattern(QStringLiteral("7+1\n8\nCLEAR"))
                                        + QStringLiteral("\\z"));
        const QRegularExpression recordWithNewline(QStringLiteral("\\A")
                                                   + recordPattern(QStringLiteral("7+1\n8\nCLEAR\n"))
                                                   + QStringLiteral("\\z"));
        QVERIFY2(record.match(readLog()).hasMatch() || recordWithNewline.match(readLog()).hasMatch(),
                 qPrintable(readLog()));
    } else {
        QVERIFY(!QFile::exists(logPath()));
    }
}

void CalculatorLogTest::unwritableLogNeverBlocksClosing()
{
    QVERIFY(QDir().mkpath(logPath()));
    auto window = TestSupport::createWindow();
    window->show();
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
}

void CalculatorLogTest::showLogCreatesTheFile()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    auto window = TestSupport::createWindow();
    action(*window, "actionShow_Log")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(QFileInfo(logPath()).isFile());
    QCOMPARE(QFileInfo(logPath()).size(), 0);
    QCOMPARE(recorder.opened, QList<QUrl>{QUrl::fromLocalFile(logPath())});
}

void CalculatorLogTest::copyWithoutFormatting()
{
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    pad.submit(QStringLiteral("1+2"));
    pad.type(QStringLiteral("a"));
    pad.enter(Qt::ShiftModifier);
    pad.type(QStringLiteral("b"));
    pad.editor()->selectAll();
    action(*window, "actionCopyWithoutFormatting")->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, QStringLiteral("1+2\n3\na\nb"));
}

void CalculatorLogTest::copyWithoutSelection()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    pad.type(QStringLiteral("1+2"));
    action(*window, "actionCopyWithoutFormatting")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

SUMVELLE_TEST_MAIN(CalculatorLogTest)
#include "tst_calculatorlog.moc"
