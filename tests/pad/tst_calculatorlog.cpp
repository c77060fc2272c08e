#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <sys/stat.h>

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
    void unwritableLogKeepsThePad_data();
    void unwritableLogKeepsThePad();
    void recordAfterACutOffRecord();
    void unwritableLogAsksBeforeClosing_data();
    void unwritableLogAsksBeforeClosing();
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

void CalculatorLogTest::unwritableLogKeepsThePad_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<qint64>("fileSizeLimit"); // -1: none
    QTest::newRow("folder in the log's place") << "folder" << qint64(-1);
    QTest::newRow("named pipe in the log's place") << "fifo" << qint64(-1);
    QTest::newRow("disk full within the record") << "full" << qint64(30);
}

// CLEAR with Save Log on Clear: the pad stays and the status says why; the
// log is left as it was.
void CalculatorLogTest::unwritableLogKeepsThePad()
{
    QFETCH(QString, fault);
    QFETCH(qint64, fileSizeLimit);
    const QByteArray before = fault == QLatin1String("full") ? QByteArrayLiteral("earlier\n") : QByteArray();
    if (fault == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(logPath()));
    else if (fault == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(logPath()).constData(), 0600), 0);
    else {
        QFile file(logPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }

    const auto clearThePad = []() {
        auto window = TestSupport::createWindow();
        TestSupport::Pad pad(window.get());
        pad.submit(QStringLiteral("1+1"));
        pad.submit(QStringLiteral("CLEAR"));
        if (pad.text() != QLatin1String("1+1\n2\nCLEAR\n") && pad.text() != QLatin1String("1+1\n2\nCLEAR"))
            return 1;
        if (!pad.status().startsWith(QLatin1String("Calculator log could not be written: "))
            || pad.status().size() <= 40)
            return 2;
        return 0;
    };
    const int result = fileSizeLimit < 0 ? clearThePad()
                                         : TestSupport::runWithFileSizeLimit(before.size() + fileSizeLimit, clearThePad);
    QCOMPARE(result, 0);
    if (fault == QLatin1String("full")) {
        QFile file(logPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
}

void CalculatorLogTest::recordAfterACutOffRecord()
{
    const QString cutOff = QStringLiteral("--------------------Fri Dec 11");
    {
        QFile file(logPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cutOff.toUtf8());
    }
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    pad.submit(QStringLiteral("2+2"));
    QVERIFY(window->close());
    const QRegularExpression records(QStringLiteral("\\A") + QRegularExpression::escape(cutOff + QLatin1Char('\n'))
                                     + recordPattern(QStringLiteral("2+2\n4\n")) + QStringLiteral("\\z"));
    QVERIFY2(records.match(readLog()).hasMatch(), qPrintable(readLog()));
}

void CalculatorLogTest::unwritableLogAsksBeforeClosing_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("close without logging") << "Close" << true;
    QTest::newRow("cancel") << "Cancel" << false;
}

void CalculatorLogTest::unwritableLogAsksBeforeClosing()
{
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QVERIFY(QDir().mkpath(logPath()));
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    window->show();
    pad.submit(QStringLiteral("3+3"));
    TestSupport::ShownMessage shown;
    TestSupport::readNextMessageBox(shown, answer);
    QCOMPARE(window->close(), closed);
    QVERIFY(shown.shown);
    QCOMPARE(shown.title, QStringLiteral("Calculator Log"));
    QVERIFY2(shown.text.startsWith(QLatin1String("Calculator log could not be written: ")), qPrintable(shown.text));
    QVERIFY(shown.text.endsWith(QLatin1String("\n\nClose without logging the pad?")));
    QCOMPARE(window->isVisible(), !closed);
    QCOMPARE(pad.text(), QStringLiteral("3+3\n6\n"));
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
