#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

namespace {

using Access = MainWindowTestAccess;

// Prepares a window and its pad for one row of a table.
using Setup = std::function<void(MainWindow&, TestSupport::Pad&)>;

// The report's rows as "Label: value", for comparing single rows.
QStringList reportRows(const QString& report)
{
    QStringList rows;
    static const QRegularExpression row(QStringLiteral("^  (\\S[^:]*:) +(.*)$"));
    for (const QString& line : report.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = row.match(line);
        if (match.hasMatch())
            rows.append(match.captured(1) + QLatin1Char(' ') + match.captured(2));
    }
    return rows;
}

QString reportRow(const QString& report, const QString& label)
{
    for (const QString& row : reportRows(report)) {
        if (row.startsWith(label + QLatin1Char(' ')))
            return row;
    }
    return QString();
}

void check(MainWindow& window, const char* actionName, bool checked)
{
    QAction* action = window.findChild<QAction*>(QLatin1String(actionName));
    QVERIFY2(action, actionName);
    action->setChecked(checked);
}

qsizetype predictiveCount(MainWindow& window)
{
    return window.GetCalculatorSyntaxCatalog().size() + window.GetUnitConversionVocabulary().size()
        + Access::variables(window).size();
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class ReportsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshWindow();
    void answersThroughTheDispatcher();
    void rows_data();
    void rows();
    void predictiveItemsCountAllThree();
    void reportChangesNothing();
    void modified_data();
    void modified();
    void modifiedAcrossChunks_data();
    void modifiedAcrossChunks();
    void documentBytes_data();
    void documentBytes();
    void documentNameAndPath();
    void uptime_data();
    void uptime();

private:
    // Saves fileBytes as the pad's document, puts padText in the pad and
    // reads the report's "Modified:" row.
    QString modifiedRow(const QString& padText, const QByteArray& fileBytes);

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
    std::unique_ptr<QTemporaryDir> folder;
};

void ReportsTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void ReportsTest::cleanup()
{
    pad.reset();
    window.reset();
    folder.reset();
}

void ReportsTest::freshWindow()
{
    const QFont font = pad->editor()->font();
    const QString expected = QStringLiteral("Sumvelle Information\n"
                                            "\n"
                                            "Application\n"
                                            "  Version:              2.0\n"
                                            "  Qt Version:           %1\n"
                                            "  Platform:             Linux\n"
                                            "\n"
                                            "Workspace\n"
                                            "  Variables:            0\n"
                                            "  Custom Functions:     0\n"
                                            "  ANS:                  0\n"
                                            "  Undo States:          0\n"
                                            "  Redo States:          0\n"
                                            "\n"
                                            "Calculation\n"
                                            "  Number Format:        Default\n"
                                            "  Output Base:          Decimal\n"
                                            "  Word Operators:       ON\n"
                                            "  Ignore Text:          ON\n"
                                            "\n"
                                            "Interface\n"
                                            "  Predictive Text:      ON\n"
                                            "  Predictive Items:     %2\n"
                                            "  Syntax Help:          ON\n"
                                            "  TopMost:              OFF\n"
                                            "  Font:                 %3\n"
                                            "  Font Size:            %4\n"
                                            "\n"
                                            "Document\n"
                                            "  Name:                 (Untitled)\n"
                                            "  Path:                 (Not saved)\n"
                                            "  Lines:                0\n"
                                            "  Characters:           0\n"
                                            "  Modified:             NO")
                                 .arg(QLatin1String(qVersion()))
                                 .arg(predictiveCount(*window))
                                 .arg(font.family())
                                 .arg(QString::number(font.pointSizeF(), 'g', 6));
    QCOMPARE(window->BuildInfoText(), expected);
}

void ReportsTest::answersThroughTheDispatcher()
{
    pad->submit(QStringLiteral("info"));
    const QString text = pad->text();
    QVERIFY(text.startsWith(QStringLiteral("info\nSumvelle Information\n\nApplication\n")));
    QVERIFY(text.endsWith(QStringLiteral("  Modified:             YES\n")));
    // Built once the submitted line and its newline stand in the pad.
    QVERIFY(text.contains(QStringLiteral("\n  Lines:                2\n  Characters:           5\n")));
    QCOMPARE(pad->boldRuns(), QStringList());
    QCOMPARE(pad->status(), QStringLiteral("Information displayed"));

    pad->editor()->clear();
    pad->submit(QStringLiteral("UPTIME"));
    const QStringList lines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("UPTIME"));
    QVERIFY2(QRegularExpression(QStringLiteral("^(\\d+ minutes?, )?\\d+ seconds?$")).match(lines.at(1)).hasMatch(),
             qPrintable(lines.at(1)));
    QCOMPARE(lines.at(2), QString());
    QCOMPARE(pad->boldRuns(), QStringList{lines.at(1)});
    QCOMPARE(pad->status(), QStringLiteral("Application uptime displayed"));
}

void ReportsTest::rows_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("expected");

    const auto submit = [](const QStringList& lines) {
        return Setup([lines](MainWindow&, TestSupport::Pad& typing) {
            for (const QString& line : lines)
                typing.submit(line);
        });
    };
    const auto switchOff = [](const char* actionName) {
        return Setup([actionName](MainWindow& target, TestSupport::Pad&) { check(target, actionName, false); });
    };
    const auto choose = [](const char* actionName) {
        return Setup([actionName](MainWindow& target, TestSupport::Pad&) { check(target, actionName, true); });
    };

    QTest::newRow("variables") << submit({"x = 5", "y = 2"}) << QStringList{"Variables: 2"};
    QTest::newRow("a custom function")
        << Setup([](MainWindow& target, TestSupport::Pad&) { Access::addCustomFunction(target, "DOUBLE"); })
        << QStringList{"Custom Functions: 1"};
    QTest::newRow("ANS of an answer") << submit({"1.5*3"}) << QStringList{"ANS: 4.5"};
    QTest::newRow("ANS in the number format")
        << submit({"1234.5", "FORMAT = $#,###,##0.00"})
        << QStringList{"ANS: $1,234.50", "Number Format: $#,###,##0.00"};
    QTest::newRow("ANS in the output base")
        << Setup([](MainWindow& target, TestSupport::Pad& typing) {
               typing.submit(QStringLiteral("255"));
               check(target, "actionOutputBaseHexadecimal", true);
           })
        << QStringList{"ANS: FF", "Output Base: Hexadecimal"};
    QTest::newRow("a date or time ANS") << submit({"7", "9:30 AM"}) << QStringList{"ANS: 9:30 AM"};
    QTest::newRow("a date or time ANS without text")
        << Setup([](MainWindow& target, TestSupport::Pad&) { Access::setDateTimeAnswer(target, QString()); })
        << QStringList{"ANS: (Date/Time)"};
    QTest::newRow("undo and redo states")
        << Setup([](MainWindow& target, TestSupport::Pad& typing) {
               typing.submit(QStringLiteral("1+1"));
               typing.submit(QStringLiteral("2+2"));
               target.UndoPadState();
           })
        << QStringList{"Undo States: 1", "Redo States: 1"};
    QTest::newRow("binary") << choose("actionOutputBaseBinary") << QStringList{"Output Base: Binary"};
    QTest::newRow("octal") << choose("actionOutputBaseOctal") << QStringList{"Output Base: Octal"};
    QTest::newRow("word operators off") << switchOff("actionUse_Word_Oporators") << QStringList{"Word Operators: OFF"};
    QTest::newRow("ignore text off")
        << switchOff("actionIgnore_Text_When_Cannot_Solve") << QStringList{"Ignore Text: OFF"};
    QTest::newRow("predictive text off")
        << switchOff("actionPredictive_Text_Complete") << QStringList{"Predictive Text: OFF"};
    QTest::newRow("syntax help off") << switchOff("actionSyntax_Help") << QStringList{"Syntax Help: OFF"};
    QTest::newRow("on top by the window's flag") << submit({"ON TOP"}) << QStringList{"TopMost: ON"};
    QTest::newRow("the menu's check alone is not on top")
        << choose("actionAlwaysOnTop") << QStringList{"TopMost: OFF"};
    QTest::newRow("off top again") << submit({"ON TOP", "NOT ON TOP"}) << QStringList{"TopMost: OFF"};
    QTest::newRow("a fractional font size") << submit({"FONT 10.5"}) << QStringList{"Font Size: 10.5"};
    QTest::newRow("a pixel font has no point size")
        << Setup([](MainWindow&, TestSupport::Pad& typing) {
               QFont font = typing.editor()->font();
               font.setPixelSize(14);
               typing.editor()->setFont(font);
           })
        << QStringList{"Font Size: -1"};
    QTest::newRow("an untitled pad with text")
        << Setup([](MainWindow&, TestSupport::Pad& typing) { typing.editor()->setPlainText(QStringLiteral("1+1\n")); })
        << QStringList{"Name: (Untitled)", "Path: (Not saved)", "Lines: 2", "Characters: 4", "Modified: YES"};
    QTest::newRow("a line broken with Shift+Enter")
        << Setup([](MainWindow&, TestSupport::Pad& typing) {
               typing.type(QStringLiteral("ab"));
               typing.enter(Qt::ShiftModifier);
               typing.type(QStringLiteral("c"));
           })
        << QStringList{"Lines: 2", "Characters: 4"};
    QTest::newRow("characters count UTF-16 code units")
        << Setup([](MainWindow&, TestSupport::Pad& typing) {
               typing.editor()->setPlainText(QString::fromUtf8("\xF0\x9D\x9C\x8B"));  // one character, two code units
           })
        << QStringList{"Lines: 1", "Characters: 2"};
}

void ReportsTest::rows()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, expected);

    setup(*window, *pad);
    const QString report = window->BuildInfoText();
    for (const QString& row : expected) {
        const QString label = row.left(row.indexOf(QLatin1Char(':')) + 1);
        QCOMPARE(reportRow(report, label), row);
    }
}

void ReportsTest::predictiveItemsCountAllThree()
{
    const auto items = [this]() {
        const QString row = reportRow(window->BuildInfoText(), QStringLiteral("Predictive Items:"));
        return row.mid(row.indexOf(QLatin1Char(':')) + 1).trimmed().toLongLong();
    };
    QCOMPARE(items(), predictiveCount(*window));
    const qint64 fresh = items();

    pad->submit(QStringLiteral("x = 5"));
    QCOMPARE(items(), fresh + 1);
    QCOMPARE(items(), predictiveCount(*window));

    pad->submit(QStringLiteral("CREATE FUNCTION DOUBLE(X) = X*2"));
    QCOMPARE(reportRow(window->BuildInfoText(), QStringLiteral("Custom Functions:")),
             QStringLiteral("Custom Functions: 1"));
    QCOMPARE(items(), fresh + 2);
    QCOMPARE(items(), predictiveCount(*window));
}

void ReportsTest::reportChangesNothing()
{
    // A whole-line HEX(...) whose answer is still to be written keeps its
    // base for that answer: the report writes ANS by the menu's base.
    pad->editor()->setPlainText(QStringLiteral("1+1\n"));
    Access::variables(*window).insert(QStringLiteral("X"), 3.0);
    bool ok = false;
    QString processed;
    window->EvaluateExpression(QStringLiteral("HEX(255)"), ok, processed);
    QVERIFY(ok);

    QCOMPARE(reportRow(window->BuildInfoText(), QStringLiteral("ANS:")), QStringLiteral("ANS: 0"));
    QCOMPARE(window->FormatAnswer(255.0), QStringLiteral("FF"));
    QCOMPARE(pad->text(), QStringLiteral("1+1\n"));
    QCOMPARE(Access::variables(*window).keys(), QStringList{"X"});
}

QString ReportsTest::modifiedRow(const QString& padText, const QByteArray& fileBytes)
{
    const QString path = folder->filePath(QStringLiteral("pad.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(fileBytes) != fileBytes.size())
        return QStringLiteral("(the document could not be written)");
    file.close();
    pad->editor()->setPlainText(padText);
    Access::setDocumentPath(*window, path);
    return reportRow(window->BuildInfoText(), QStringLiteral("Modified:"));
}

void ReportsTest::modified_data()
{
    QTest::addColumn<QString>("padText");
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<QString>("modified");

    QTest::newRow("unchanged") << "1+1\n2\n" << QByteArray("1+1\n2\n") << "NO";
    QTest::newRow("both empty") << "" << QByteArray("") << "NO";
    QTest::newRow("changed") << "1+1\n2\n" << QByteArray("1+1\n3\n") << "YES";
    QTest::newRow("file longer") << "1+1\n2\n" << QByteArray("1+1\n2\n\n") << "YES";
    QTest::newRow("file shorter") << "1+1\n2\n" << QByteArray("1+1\n2") << "YES";
    QTest::newRow("pad emptied") << "" << QByteArray("1+1\n") << "YES";
    QTest::newRow("Windows line ends") << "1+1\n2\n" << QByteArray("1+1\r\n2\r\n") << "YES";
    QTest::newRow("old Mac line ends") << "1+1\n2\n" << QByteArray("1+1\r2\r") << "YES";
    QTest::newRow("byte-order mark") << "1+1\n2\n" << QByteArray("\xEF\xBB\xBF" "1+1\n2\n") << "YES";
    QTest::newRow("UTF-8") << QString::fromUtf8("caf\xC3\xA9") << QByteArray("caf\xC3\xA9") << "NO";
    QTest::newRow("Windows-1252") << QString::fromUtf8("caf\xC3\xA9") << QByteArray("caf\xE9") << "YES";
    QTest::newRow("no-break space as saved") << QString::fromUtf8("1\xC2\xA0" "000") << QByteArray("1\xC2\xA0" "000")
                                             << "NO";
    QTest::newRow("no-break space turned blank") << QString::fromUtf8("1\xC2\xA0" "000") << QByteArray("1 000")
                                                 << "YES";
    QTest::newRow("line separator saved as a newline") << QString::fromUtf8("a\xE2\x80\xA8" "b") << QByteArray("a\nb")
                                                       << "NO";
}

void ReportsTest::modified()
{
    QFETCH(QString, padText);
    QFETCH(QByteArray, fileBytes);
    QFETCH(QString, modified);

    QCOMPARE(modifiedRow(padText, fileBytes), "Modified: " + modified);
}

void ReportsTest::modifiedAcrossChunks_data()
{
    QTest::addColumn<int>("changedAt");
    QTest::addColumn<QString>("modified");

    QTest::newRow("same bytes") << -1 << "NO";
    QTest::newRow("first byte differs") << 0 << "YES";
    QTest::newRow("a byte in the middle differs") << 1500000 << "YES";
    QTest::newRow("last byte differs") << 2999999 << "YES";
}

void ReportsTest::modifiedAcrossChunks()
{
    QFETCH(int, changedAt);
    QFETCH(QString, modified);

    // Three megabytes in long lines: more than one piece of the file is read.
    QString line(999, QLatin1Char('7'));
    line += QLatin1Char('\n');
    const QString text = line.repeated(3000);
    QByteArray bytes = text.toUtf8();
    QCOMPARE(bytes.size(), 3000000);
    if (changedAt >= 0)
        bytes[changedAt] = '8';

    QCOMPARE(modifiedRow(text, bytes), "Modified: " + modified);
}

void ReportsTest::documentBytes_data()
{
    QTest::addColumn<QString>("padText");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("lines") << "1+1\n2\n" << QByteArray("1+1\n2\n");
    QTest::newRow("no byte-order mark") << QString::fromUtf8("\xC3\xA9") << QByteArray("\xC3\xA9");
    QTest::newRow("no-break space kept") << QString::fromUtf8("1\xC2\xA0" "000") << QByteArray("1\xC2\xA0" "000");
    QTest::newRow("line separator") << QString::fromUtf8("a\xE2\x80\xA8" "b") << QByteArray("a\nb");
    // A character outside the basic plane across the first piece's end.
    const QString longLine = QString((1 << 20) - 1, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9D\x9C\x8B") + "b";
    QTest::newRow("surrogate pair at a piece's end") << longLine << longLine.toUtf8();
}

void ReportsTest::documentBytes()
{
    QFETCH(QString, padText);
    QFETCH(QByteArray, bytes);

    pad->editor()->setPlainText(padText);
    QCOMPARE(window->DocumentBytes(), bytes);
}

void ReportsTest::documentNameAndPath()
{
    const QString path = folder->filePath(QStringLiteral("sums.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    Access::setDocumentPath(*window, path);
    QString report = window->BuildInfoText();
    QCOMPARE(reportRow(report, QStringLiteral("Name:")), QStringLiteral("Name: sums.txt"));
    QCOMPARE(reportRow(report, QStringLiteral("Path:")), "Path: " + QFileInfo(path).absoluteFilePath());
    QCOMPARE(reportRow(report, QStringLiteral("Modified:")), QStringLiteral("Modified: NO"));

    // A deleted document keeps its name and path; it cannot be compared.
    QVERIFY(QFile::remove(path));
    report = window->BuildInfoText();
    QCOMPARE(reportRow(report, QStringLiteral("Name:")), QStringLiteral("Name: sums.txt"));
    QCOMPARE(reportRow(report, QStringLiteral("Path:")), "Path: " + QFileInfo(path).absoluteFilePath());
    QCOMPARE(reportRow(report, QStringLiteral("Modified:")), QStringLiteral("Modified: UNKNOWN"));

    // Neither is a folder in its place.
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("sums.txt")));
    QCOMPARE(reportRow(window->BuildInfoText(), QStringLiteral("Modified:")), QStringLiteral("Modified: UNKNOWN"));
}

void ReportsTest::uptime_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("start") << qint64(0) << "0 seconds";
    QTest::newRow("under a second") << qint64(999) << "0 seconds";
    QTest::newRow("one second, truncated") << qint64(1999) << "1 second";
    QTest::newRow("seconds") << qint64(2000) << "2 seconds";
    QTest::newRow("one minute, zero seconds") << qint64(60000) << "1 minute, 0 seconds";
    QTest::newRow("one minute, one second") << qint64(61000) << "1 minute, 1 second";
    QTest::newRow("minutes") << qint64(125000) << "2 minutes, 5 seconds";
    QTest::newRow("one hour") << qint64(3600000) << "1 hour, 0 minutes, 0 seconds";
    QTest::newRow("hours") << qint64(7322000) << "2 hours, 2 minutes, 2 seconds";
    QTest::newRow("just under a day") << qint64(86399999) << "23 hours, 59 minutes, 59 seconds";
    QTest::newRow("one day") << qint64(86400000) << "1 day, 0 hours, 0 minutes, 0 seconds";
    QTest::newRow("one of each") << qint64(90061000) << "1 day, 1 hour, 1 minute, 1 second";
    QTest::newRow("two days") << qint64(172800000) << "2 days, 0 hours, 0 minutes, 0 seconds";
    QTest::newRow("days with seconds") << qint64(277207000) << "3 days, 5 hours, 0 minutes, 7 seconds";
}

void ReportsTest::uptime()
{
    QFETCH(qint64, milliseconds);
    QFETCH(QString, text);

    QCOMPARE(MainWindow::UptimeText(milliseconds), text);
}

SUMVELLE_TEST_MAIN(ReportsTest)
#include "tst_reports.moc"
