#include "support/testsupport.h"

#include "pad/StoragePaths.h"
#include "pad/mainwindow.h"
#include "tools/LimitedPattern.h"
#include "tools/LogViewer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const QString rule = QStringLiteral("--------------------");

// A header line as the pad's log writer makes it.
QString header(const QDate& date, const QString& time = QStringLiteral("10:00:00"))
{
    return rule + QDateTime(date, QTime::fromString(time)).toString(Qt::TextDate) + rule + QLatin1Char('\n');
}

QString row(const QDate& date)
{
    return date.toString(QStringLiteral("dddd, MMMM d, yyyy"));
}

const QDate day1(2024, 3, 5);  // Tuesday
const QDate day2(2024, 3, 4);
const QDate day3(2024, 3, 3);

// The three days most search rows run over, newest first.
QString searchLog()
{
    return header(day3) + QStringLiteral("mortgage\n[x] - done\n") + header(day2)
        + QStringLiteral("car payment 300\nnote: total! \U0001F600\n") + header(day1)
        + QStringLiteral("MORTGAGE payment 1200\nrate = 0.05\n");
}

// A viewer over a log file of its own; controls reached by their names.
struct Fixture
{
    QTemporaryDir directory;
    LogViewer viewer;

    QString path() const { return directory.filePath(QStringLiteral("Sumvelle.log")); }
    void write(const QByteArray& bytes) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void open(const QString& log)
    {
        write(log.toUtf8());
        viewer.OpenLogFile(path());
    }
    template<typename T> T* control(const char* name) { return viewer.findChild<T*>(QLatin1String(name)); }
    QListWidget* list() { return control<QListWidget>("ListLogDays"); }
    QPlainTextEdit* preview() { return control<QPlainTextEdit>("TextLogPreview"); }
    QString status() { return control<QLabel>("LabelLogStatus")->text(); }
    void search(const QString& text)
    {
        control<QLineEdit>("TextSearch")->setText(text);
        settle();
    }
    // A search runs while the window takes further keys: this waits for it.
    void settle() { QTRY_VERIFY_WITH_TIMEOUT(!viewer.SearchRunning(), 60000); }
    QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    QString currentRow() { return list()->currentItem() ? list()->currentItem()->text() : QString(); }
    // Every day's preview, newest first as listed.
    QStringList dayTexts()
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i) {
            list()->setCurrentRow(i);
            texts << preview()->toPlainText();
        }
        return texts;
    }
    QStringList highlights()
    {
        QStringList texts;
        for (const QTextEdit::ExtraSelection& selection : preview()->extraSelections())
            texts << selection.cursor.selectedText();
        return texts;
    }
};

} // namespace

class LogViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void resizeLayout();
    void dayGrouping_data();
    void dayGrouping();
    void missingAndUnreadableLog();
    void specialFileInTheLogPlace_data();
    void specialFileInTheLogPlace();
    void search_data();
    void search();
    void searchFollowsTheCaseSwitch();
    void statusWithSelection();
    void engineGivingUpIsAnError_data();
    void engineGivingUpIsAnError();
    void slowSearchEndsWithinBudget_data();
    void slowSearchEndsWithinBudget();
    void newerKeyCancelsOlderSearch();
    void closingEndsTheSearch();
    void highlightsAreCapped();
    void keepingTheSelection_data();
    void keepingTheSelection();
    void reopeningSelectsFirstRow();
    void navigation();
    void copyPreview();
    void searchHelp();
    void mainWindowCommand();
};

void LogViewerTest::form()
{
    LogViewer viewer;
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Log Viewer"));
    QCOMPARE(viewer.size(), QSize(608, 401));
    QCOMPARE(viewer.minimumSize(), QSize(320, 233));
    QVERIFY(!viewer.isModal());
    QVERIFY(viewer.isSizeGripEnabled());
    QVERIFY(viewer.findChild<QPushButton*>(QStringLiteral("ButtonFindNext"))->isDefault());
    QVERIFY(viewer.findChild<QRadioButton*>(QStringLiteral("RadioStartCursor"))->isChecked());
    QVERIFY(viewer.findChild<QPlainTextEdit*>(QStringLiteral("TextLogPreview"))->isReadOnly());
    QCOMPARE(viewer.findChild<QLabel*>(QStringLiteral("LabelLogStatus"))->text(), QStringLiteral("Ready"));
    QCOMPARE(viewer.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->placeholderText(),
             QStringLiteral("Search saved log days"));
    QStringList order;
    QWidget* w = viewer.findChild<QLineEdit*>(QStringLiteral("TextSearch"));
    // The chain also holds unnamed helpers of the widgets; only the controls count.
    for (int i = 0; i < 60 && order.size() < 14; ++i, w = w->nextInFocusChain()) {
        if (!w->objectName().isEmpty() && w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    }
    QCOMPARE(order, (QStringList{"TextSearch", "CheckCaseSensitive", "CheckRegularExpression", "RadioStartCursor",
                                 "RadioStartTop", "ButtonFindNext", "ButtonFindPrevious", "ButtonSearchHelp",
                                 "CheckReverseSearch", "ButtonCopyPreview", "ButtonClearSearch", "ListLogDays",
                                 "TextLogPreview", "ButtonClose"}));
}

void LogViewerTest::resizeLayout()
{
    LogViewer viewer;
    viewer.show();
    viewer.resize(700, 500);
    viewer.resize(608, 401);
    QCOMPARE(viewer.findChild<QWidget*>(QStringLiteral("TextLogPreview"))->geometry(), QRect(270, 10, 331, 351));
    QCOMPARE(viewer.findChild<QWidget*>(QStringLiteral("ListLogDays"))->geometry(), QRect(0, 170, 256, 192));
    QCOMPARE(viewer.findChild<QWidget*>(QStringLiteral("ButtonClose"))->geometry(), QRect(500, 368, 95, 26));
    QCOMPARE(viewer.findChild<QWidget*>(QStringLiteral("LabelLogStatus"))->geometry(), QRect(0, 370, 491, 24));
    viewer.resize(100, 100);
    QCOMPARE(viewer.size(), QSize(320, 233));
}

// Each row: the log's bytes, the listed days and each day's text.
void LogViewerTest::dayGrouping_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("texts");

    const QString a = header(day1) + QStringLiteral("1+1\n2\n");
    const QString b = header(day2) + QStringLiteral("x = 3\n");
    const QString a2 = header(day1, QStringLiteral("18:30:00")) + QStringLiteral("evening\n");
    QTest::newRow("same date twice, another between") << (a + b + a2).toUtf8() << QStringList{row(day1), row(day2)}
                                                        << QStringList{a + a2, b};
    QTest::newRow("earlier date later in the file") << (b + a).toUtf8() << QStringList{row(day1), row(day2)}
                                                     << QStringList{a, b};
    QString crlf = a + b;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QTest::newRow("carriage returns") << crlf.toUtf8() << QStringList{row(day1), row(day2)} << QStringList{a, b};
    const QString blanks = rule + QStringLiteral("  ") + QDateTime(day1, QTime(9, 0)).toString(Qt::TextDate)
        + QStringLiteral(" ") + rule + QStringLiteral("\nblank\n");
    QTest::newRow("blanks inside the header") << blanks.toUtf8() << QStringList{row(day1)} << QStringList{blanks};
    const QString unparsable = rule + QStringLiteral("not a date") + rule + QStringLiteral("\nlost\n");
    QTest::newRow("unparsable date drops its text") << (a + unparsable + b).toUtf8()
                                                    << QStringList{row(day1), row(day2)} << QStringList{a, b};
    // The capture is greedy: a 21st hyphen at the end joins the date text.
    const QString extraHyphen = rule + QDateTime(day2, QTime(10, 0)).toString(Qt::TextDate) + QLatin1Char('-') + rule
        + QStringLiteral("\nlost\n");
    QTest::newRow("a 21st hyphen spoils the date") << (a + extraHyphen).toUtf8() << QStringList{row(day1)}
                                                   << QStringList{a};
    QTest::newRow("text before the first header") << (QStringLiteral("stray\nlines\n") + a).toUtf8()
                                                  << QStringList{row(day1)} << QStringList{a};
    QTest::newRow("byte-order mark before the first header")
        << QByteArray("\xEF\xBB\xBF" + a.toUtf8()) << QStringList{row(day1)} << QStringList{a};
    // A pad line shaped like a header starts a record of its date.
    const QString padHeader = header(day3, QStringLiteral("12:00:00"));
    QTest::newRow("pad line shaped like a header")
        << (a.chopped(1) + QStringLiteral("\n") + padHeader + QStringLiteral("tail\n")).toUtf8()
        << QStringList{row(day1), row(day3)} << QStringList{a, padHeader + QStringLiteral("tail\n")};
    QTest::newRow("header as the last line without a line feed")
        << (a + header(day2).chopped(1)).toUtf8() << QStringList{row(day1)} << QStringList{a + header(day2).chopped(1)};
    QTest::newRow("no header at all") << QByteArray("1+1\n2\n") << QStringList{} << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{};
    const QString unicode = header(day1) + QStringLiteral("\u00e9t\u00e9 \U0001F600 keep\n");
    QTest::newRow("non-ASCII text") << unicode.toUtf8() << QStringList{row(day1)} << QStringList{unicode};
    QTest::newRow("invalid UTF-8") << QByteArray(header(day1).toUtf8() + "a\xE2\x82\nb\xFF\n")
                                   << QStringList{row(day1)}
                                   << QStringList{header(day1) + QStringLiteral("a\ufffd\ufffd\nb\ufffd\n")};
}

void LogViewerTest::dayGrouping()
{
    QFETCH(QByteArray, log);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, texts);
    Fixture f;
    f.write(log);
    f.viewer.OpenLogFile(f.path());
    QVERIFY(f.viewer.isVisible());
    QCOMPARE(f.rows(), rows);
    QCOMPARE(f.currentRow(), rows.value(0));
    QCOMPARE(f.dayTexts(), texts);
    QFile file(f.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), log);  // the viewer never writes the log
}

void LogViewerTest::missingAndUnreadableLog()
{
    Fixture f;
    f.viewer.OpenLogFile(f.path());
    QCOMPARE(f.status(), QStringLiteral("No saved calculator sessions were found"));
    QVERIFY(f.rows().isEmpty());

    // A directory where the log should be exists but cannot be opened; the
    // message stays over the rebuild's own.
    f.open(header(day1) + QStringLiteral("1\n"));
    QCOMPARE(f.rows().size(), 1);
    QVERIFY(QFile::remove(f.path()));
    QVERIFY(QDir(f.directory.path()).mkdir(QStringLiteral("Sumvelle.log")));
    f.viewer.OpenLogFile(f.path());
    QCOMPARE(f.status(), QStringLiteral("Could not open the calculator log"));
    QVERIFY(f.rows().isEmpty());
    QVERIFY(f.preview()->toPlainText().isEmpty());
}

// Each row: the search, its switches, the days listed, the highlights in the
// first listed day and the status (empty: the usual "of" status).
void LogViewerTest::specialFileInTheLogPlace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("symbolic link to /dev/zero") << "zero";
}

// Neither waits for a writer nor reads without end.
void LogViewerTest::specialFileInTheLogPlace()
{
    QFETCH(QString, kind);
    Fixture f;
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(f.path()).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), f.path()));
    f.viewer.OpenLogFile(f.path());
    QCOMPARE(f.status(), QStringLiteral("Could not open the calculator log"));
    QVERIFY(f.rows().isEmpty());
}

void LogViewerTest::search_data()
{
    QTest::addColumn<QString>("searchText");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("highlights");
    QTest::addColumn<QString>("status");

    const QStringList all{row(day1), row(day2), row(day3)};
    QTest::newRow("empty") << "" << false << false << all << QStringList{} << "";
    QTest::newRow("blanks only") << "   " << false << false << all << QStringList{} << "";
    QTest::newRow("empty quotes") << "\"\"" << false << false << all << QStringList{} << "";
    QTest::newRow("any case") << "mortgage" << false << false << QStringList{row(day1), row(day3)}
                              << QStringList{"MORTGAGE"} << "";
    QTest::newRow("case sensitive") << "mortgage" << true << false << QStringList{row(day3)}
                                    << QStringList{"mortgage"} << "";
    QTest::newRow("words are AND, over the whole day") << "payment note" << false << false << QStringList{row(day2)}
                                                       << QStringList{"payment", "note"} << "";
    QTest::newRow("excluded word never highlights") << "payment -car" << false << false << QStringList{row(day1)}
                                                    << QStringList{"payment"} << "";
    QTest::newRow("minus alone finds the headers' hyphens") << "-" << false << false << all
                                                            << QStringList(40, "-") << "";
    QTest::newRow("phrase") << "\"car payment\"" << false << false << QStringList{row(day2)}
                            << QStringList{"car payment"} << "";
    QTest::newRow("excluded phrase") << "-\"car payment\"" << false << false << QStringList{row(day1), row(day3)}
                                     << QStringList{} << "";
    QTest::newRow("star runs to the line's end") << "pay*" << false << false << QStringList{row(day1), row(day2)}
                                                 << QStringList{"payment 1200"} << "";
    QTest::newRow("star stays on its line") << "1200*rate" << false << false << QStringList{} << QStringList{}
                                            << "No log days match the search";
    QTest::newRow("question mark") << "r?te" << false << false << QStringList{row(day1)} << QStringList{"rate"} << "";
    QTest::newRow("hash is a digit") << "0.0#" << false << false << QStringList{row(day1)} << QStringList{"0.05"}
                                     << "";
    QTest::newRow("set with a bang is no negation") << "[!x]" << false << false << QStringList{row(day2), row(day3)}
                                                    << QStringList{"!"} << "";
    QTest::newRow("bracket without a close") << "[x" << false << false << QStringList{row(day3)}
                                             << QStringList{"[x"} << "";
    QTest::newRow("character outside the Basic Multilingual Plane")
        << QStringLiteral("\U0001F600") << false << false << QStringList{row(day2)}
        << QStringList{QStringLiteral("\U0001F600")} << "";
    QTest::newRow("overlapping terms both highlight") << "mortg tgage" << false << false
                                                      << QStringList{row(day1), row(day3)}
                                                      << QStringList{"MORTG", "TGAGE"} << "";
    QTest::newRow("header's month") << "Mar" << true << false << all << QStringList{"Mar"} << "";
    QTest::newRow("reversed range") << "[z-a]" << false << false << QStringList{} << QStringList{}
                                    << "Search error: range out of order in character class";
    QTest::newRow("regular expression") << "pay.*\\d+" << false << true << QStringList{row(day1), row(day2)}
                                        << QStringList{"payment 1200"} << "";
    QTest::newRow("regular expression keeps blanks") << " payment" << false << true
                                                     << QStringList{row(day1), row(day2)}
                                                     << QStringList{" payment"} << "";
    QTest::newRow("regular expression of blanks only") << "  " << false << true << all << QStringList{} << "";
    QTest::newRow("empty matches are not highlighted") << "z*" << false << true << all << QStringList{} << "";
    QTest::newRow("invalid regular expression") << "(" << false << true << QStringList{} << QStringList{}
                                                 << "Regular expression error: missing closing parenthesis";
}

void LogViewerTest::search()
{
    QFETCH(QString, searchText);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, regularExpression);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, highlights);
    QFETCH(QString, status);
    Fixture f;
    f.open(searchLog());
    f.control<QCheckBox>("CheckCaseSensitive")->setChecked(caseSensitive);
    f.control<QCheckBox>("CheckRegularExpression")->setChecked(regularExpression);
    f.search(searchText);
    QCOMPARE(f.rows(), rows);
    QCOMPARE(f.highlights(), highlights);
    if (status.isEmpty())
        status = QStringLiteral("%1 of 3 log day(s) match \u2014 %2 selected").arg(rows.size()).arg(rows.value(0));
    QCOMPARE(f.status(), status);
    if (rows.isEmpty())
        QVERIFY(f.preview()->toPlainText().isEmpty());
    for (const QTextEdit::ExtraSelection& selection : f.preview()->extraSelections())
        QCOMPARE(selection.format.background().color(), QColor(255, 235, 120));
}

// The same words searched again under the other switch setting are matched
// under that one, whatever the viewer kept of the last search.
void LogViewerTest::searchFollowsTheCaseSwitch()
{
    Fixture f;
    f.open(searchLog());
    f.search(QStringLiteral("mortgage -car"));
    const QStringList anyCase{row(day1), row(day3)};
    QCOMPARE(f.rows(), anyCase);
    auto* caseSensitive = f.control<QCheckBox>("CheckCaseSensitive");
    caseSensitive->setChecked(true);
    f.settle();
    QCOMPARE(f.rows(), QStringList{row(day3)});
    caseSensitive->setChecked(false);
    f.settle();
    QCOMPARE(f.rows(), anyCase);
    f.search(QStringLiteral("[z-a]"));
    QCOMPARE(f.status(), QStringLiteral("Search error: range out of order in character class"));
    caseSensitive->setChecked(true);
    f.settle();
    QCOMPARE(f.status(), QStringLiteral("Search error: range out of order in character class"));
    f.search(QStringLiteral("mortgage"));
    QCOMPARE(f.rows(), QStringList{row(day3)});
}

void LogViewerTest::statusWithSelection()
{
    Fixture f;
    f.open(searchLog());
    f.list()->setCurrentRow(2);
    QCOMPARE(f.status(), QStringLiteral("3 of 3 log day(s) match \u2014 Sunday, March 3, 2024 selected"));
    f.list()->setCurrentRow(-1);
    QCOMPARE(f.status(), QStringLiteral("3 log day(s) match"));
    f.search(QStringLiteral("nothing like this"));
    QCOMPARE(f.status(), QStringLiteral("No log days match the search"));
    QVERIFY(f.preview()->toPlainText().isEmpty());
}

// When the engine gives up on a day, that is no "no match": an excluded term
// would let the day through and a regular expression would drop it.
void LogViewerTest::engineGivingUpIsAnError_data()
{
    QTest::addColumn<QString>("searchText");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<QString>("status");
    QTest::newRow("excluded friendly term") << "-*a*a*a*a*a*a*a*a*a*a*a*a*b" << false
                                            << "Search error: search too complex";
    QTest::newRow("regular expression") << "(a+)+b" << true << "Regular expression error: search too complex";
}

void LogViewerTest::engineGivingUpIsAnError()
{
    QFETCH(QString, searchText);
    QFETCH(bool, regularExpression);
    QFETCH(QString, status);
    Fixture f;
    f.open(header(day1) + QString(60, QLatin1Char('a')) + QStringLiteral("\nab\n") + header(day2)
           + QStringLiteral("c\n"));
    f.control<QCheckBox>("CheckRegularExpression")->setChecked(regularExpression);
    f.search(searchText);
    QCOMPARE(f.status(), status);
    QVERIFY(f.rows().isEmpty());
    QVERIFY(f.preview()->toPlainText().isEmpty());
}

// A pattern that stays under the engine's limit on every line can still take
// long over many days; the rebuild gives up instead of freezing the window,
// and none of its threads goes on searching afterwards.
void LogViewerTest::slowSearchEndsWithinBudget_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("linesPerDay");
    QTest::addColumn<QString>("searchText");
    // A set, so that the engine cannot rule the days out by a required character.
    QTest::newRow("many days") << 100 << QString(30, QLatin1Char('a')) << 20 << "(a|aa)*[!?]";
    QTest::newRow("one long day") << 1 << QString(32, QLatin1Char('a')) + QLatin1Char('!') << 300 << "(a|aa)+$";
}

void LogViewerTest::slowSearchEndsWithinBudget()
{
    QFETCH(int, days);
    QFETCH(QString, line);
    QFETCH(int, linesPerDay);
    QFETCH(QString, searchText);
    Fixture f;
    QString log;
    for (int i = 0; i < days; ++i) {
        log += header(QDate(2020, 1, 1).addDays(i));
        for (int j = 0; j < linesPerDay; ++j)
            log += line + QLatin1Char('\n');
    }
    f.open(log);
    f.control<QCheckBox>("CheckRegularExpression")->setChecked(true);
    f.search(searchText);
    QCOMPARE(f.status(), QStringLiteral("Regular expression error: search too complex"));
    QVERIFY(f.rows().isEmpty());
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
    // The viewer answers the next key at once.
    f.search(QStringLiteral("a!"));
    QCOMPARE(f.rows().size(), line.endsWith(QLatin1Char('!')) ? days : 0);
}

namespace {
// One day on which "(a|aa)+$" backtracks for seconds at every line, and
// one day without any "a".
QString hostileLog()
{
    QString log = header(day1);
    for (int i = 0; i < 300; ++i)
        log += QString(32, QLatin1Char('a')) + QStringLiteral("!\n");
    return log + header(day2) + QStringLiteral("b\n");
}
} // namespace

// Keys typed while a slow search runs each replace it: the older search stops
// at once, and only the newest one's days and highlights are shown.
void LogViewerTest::newerKeyCancelsOlderSearch()
{
    Fixture f;
    f.open(hostileLog());
    f.control<QCheckBox>("CheckRegularExpression")->setChecked(true);
    auto* field = f.control<QLineEdit>("TextSearch");
    QTest::keyClicks(field, QStringLiteral("(a|aa)+$"));
    QVERIFY(f.viewer.SearchRunning());
    // An invalid pattern is reported at once; nothing of the older search runs on.
    QTest::keyClick(field, '(');
    QVERIFY(!f.viewer.SearchRunning());
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
    QCOMPARE(f.status(), QStringLiteral("Regular expression error: missing closing parenthesis"));

    // Two slow searches and a quick one, typed without a pause.
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, '$');
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, '!');
    QCOMPARE(field->text(), QStringLiteral("(a|aa)+!"));
    f.settle();
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
    QCOMPARE(f.rows(), QStringList{row(day1)});
    QCOMPARE(f.status(), QStringLiteral("1 of 2 log day(s) match \u2014 %1 selected").arg(row(day1)));
    const QStringList highlights = f.highlights();
    QCOMPARE(highlights.size(), 300);
    QCOMPARE(highlights.first(), QString(32, QLatin1Char('a')) + QLatin1Char('!'));

    // The highlights follow the newest search also when its days stay the same.
    f.search(QStringLiteral("a!"));
    QCOMPARE(f.highlights(), QStringList(300, QStringLiteral("a!")));
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
}

// A window closed, or a log opened anew, while its search runs leaves no
// search behind.
void LogViewerTest::closingEndsTheSearch()
{
    {
        Fixture f;
        f.open(hostileLog());
        f.control<QCheckBox>("CheckRegularExpression")->setChecked(true);
        f.control<QLineEdit>("TextSearch")->setText(QStringLiteral("(a|aa)+$"));
        QVERIFY(f.viewer.SearchRunning());
        f.viewer.OpenLogFile(f.path());
        QCOMPARE(f.status(), QStringLiteral("Regular expression error: search too complex"));
        QVERIFY(!f.viewer.SearchRunning());
        QCOMPARE(LimitedPattern::RunningSearches(), 0);
        f.control<QLineEdit>("TextSearch")->setText(QStringLiteral("(a|aa)+$ "));
        QVERIFY(f.viewer.SearchRunning());
    }
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
    // A result posted by the destroyed window's search goes nowhere.
    QCoreApplication::processEvents();
}

void LogViewerTest::highlightsAreCapped()
{
    Fixture f;
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString(100, QLatin1Char('x')) + QLatin1Char('\n');
    f.open(header(day1) + text);
    f.search(QStringLiteral("x"));
    QCOMPARE(f.preview()->extraSelections().size(), LogViewer::maximumHighlights);
}

// Each row: the "Search from" choice, a day to select first, what then
// changes, and the day selected after it.
void LogViewerTest::keepingTheSelection_data()
{
    QTest::addColumn<bool>("newest");
    QTest::addColumn<int>("selectRow");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("currentRow");

    QTest::newRow("current day kept while it matches") << false << 1 << "search:payment" << row(day2) << 1;
    QTest::newRow("newest takes the first row") << true << 1 << "search:payment" << row(day1) << 0;
    QTest::newRow("current day that stops matching") << false << 1 << "search:mortgage" << row(day1) << 0;
    QTest::newRow("reverse keeps the day, mirrored") << false << 0 << "reverse" << row(day1) << 2;
    QTest::newRow("reverse keeps the day under newest too") << true << 0 << "reverse" << row(day1) << 2;
    QTest::newRow("case switch under newest") << true << 2 << "case" << row(day1) << 0;
    QTest::newRow("case switch under current day") << false << 2 << "case" << row(day3) << 2;
}

void LogViewerTest::keepingTheSelection()
{
    QFETCH(bool, newest);
    QFETCH(int, selectRow);
    QFETCH(QString, change);
    QFETCH(QString, selected);
    QFETCH(int, currentRow);
    Fixture f;
    f.open(searchLog());
    (newest ? f.control<QRadioButton>("RadioStartTop") : f.control<QRadioButton>("RadioStartCursor"))
        ->setChecked(true);
    f.list()->setCurrentRow(selectRow);
    if (change.startsWith(QLatin1String("search:")))
        f.search(change.mid(7));
    else if (change == QLatin1String("reverse"))
        f.control<QCheckBox>("CheckReverseSearch")->setChecked(true);
    else
        f.control<QCheckBox>("CheckCaseSensitive")->setChecked(true);
    QCOMPARE(f.currentRow(), selected);
    QCOMPARE(f.list()->currentRow(), currentRow);
    QVERIFY(f.preview()->toPlainText().startsWith(header(QDate::fromString(selected, "dddd, MMMM d, yyyy"))));
}

void LogViewerTest::reopeningSelectsFirstRow()
{
    Fixture f;
    f.open(searchLog());
    f.list()->setCurrentRow(1);
    f.viewer.OpenLogFile(f.path());
    QCOMPARE(f.list()->currentRow(), 0);
    QCOMPARE(f.currentRow(), row(day1));

    // With Reverse Search on, the first row is the oldest day.
    f.control<QCheckBox>("CheckReverseSearch")->setChecked(true);
    f.viewer.close();
    QVERIFY(!f.viewer.isVisible());
    f.viewer.OpenLogFile(f.path());
    QVERIFY(f.viewer.isVisible());
    QCOMPARE(f.currentRow(), row(day3));
    QCOMPARE(f.list()->currentRow(), 0);
}

void LogViewerTest::navigation()
{
    Fixture f;
    f.open(searchLog());
    auto* next = f.control<QPushButton>("ButtonFindNext");
    auto* previous = f.control<QPushButton>("ButtonFindPrevious");
    previous->click();
    QCOMPARE(f.list()->currentRow(), 0);
    QCOMPARE(f.status(), QStringLiteral("Beginning of matching log days"));
    next->click();
    next->click();
    QCOMPARE(f.list()->currentRow(), 2);
    QCOMPARE(f.preview()->toPlainText(), header(day3) + QStringLiteral("mortgage\n[x] - done\n"));
    next->click();
    QCOMPARE(f.list()->currentRow(), 2);
    QCOMPARE(f.status(), QStringLiteral("End of matching log days"));
    previous->click();
    QCOMPARE(f.list()->currentRow(), 1);

    // On an empty list both do nothing.
    f.search(QStringLiteral("absent"));
    next->click();
    previous->click();
    QCOMPARE(f.list()->currentRow(), -1);
    QCOMPARE(f.status(), QStringLiteral("No log days match the search"));

    // The X button clears the search, which lists every day again.
    f.control<QPushButton>("ButtonClearSearch")->click();
    QVERIFY(f.control<QLineEdit>("TextSearch")->text().isEmpty());
    QCOMPARE(f.rows().size(), 3);
}

void LogViewerTest::copyPreview()
{
    Fixture f;
    f.open(searchLog());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    f.control<QPushButton>("ButtonCopyPreview")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), header(day1) + QStringLiteral("MORTGAGE payment 1200\nrate = 0.05\n"));
    QCOMPARE(f.status(), QStringLiteral("Preview copied to the clipboard"));

    // With no day shown, the empty preview is copied all the same.
    f.search(QStringLiteral("absent"));
    f.control<QPushButton>("ButtonCopyPreview")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(f.status(), QStringLiteral("Preview copied to the clipboard"));
}

void LogViewerTest::searchHelp()
{
    LogViewer viewer;
    TestSupport::ShownMessage box;
    TestSupport::readNextMessageBox(box);
    viewer.findChild<QPushButton*>(QStringLiteral("ButtonSearchHelp"))->click();
    QCOMPARE(box.title, QStringLiteral("Log Viewer Search Help"));
    QCOMPARE(box.text.size(), 333);
    const QStringList lines = box.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(4), QStringLiteral("Quoted text keeps a phrase together:  \"MORTGAGE PAYMENT\""));
}

// The Log Viewer command makes one viewer and reads the log afresh each time.
void LogViewerTest::mainWindowCommand()
{
    const auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    QFile::remove(StoragePaths::LogFilePath());
    window->ShowLogViewer();
    auto* viewer = window->findChild<LogViewer*>();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->findChild<QLabel*>(QStringLiteral("LabelLogStatus"))->text(),
             QStringLiteral("No saved calculator sessions were found"));

    pad.editor()->setPlainText(QStringLiteral("12*12\n144"));
    window->WriteLog();
    viewer->close();
    window->ShowLogViewer();
    QCOMPARE(window->findChildren<LogViewer*>().size(), 1);
    QVERIFY(viewer->isVisible());
    auto* list = viewer->findChild<QListWidget*>(QStringLiteral("ListLogDays"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), row(QDate::currentDate()));
    QVERIFY(viewer->findChild<QPlainTextEdit*>(QStringLiteral("TextLogPreview"))
                ->toPlainText()
                .endsWith(QStringLiteral("12*12\n144\n")));
}

SUMVELLE_TEST_MAIN(LogViewerTest)
#include "tst_logviewer.moc"
