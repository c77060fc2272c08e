#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "engine/DateTime.h"
#include "pad/mainwindow.h"

#include <QHash>

#include <cmath>
#include <ctime>
#include <limits>

// The date and time language, run without a window: a stand-in numeric engine
// answers the names the language hands on, and a fixed clock stands in for
// today. Every table runs in UTC and in America/New_York; the daylight-saving
// rows run in the zones they are about.

namespace {

// Local time follows TZ while the scope lives.
class TimeZoneScope
{
public:
    explicit TimeZoneScope(const QByteArray& zone)
        : hadPrevious(qEnvironmentVariableIsSet("TZ")), previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneScope()
    {
        if (hadPrevious)
            qputenv("TZ", previous);
        else
            qunsetenv("TZ");
        tzset();
    }
    TimeZoneScope(const TimeZoneScope&) = delete;
    TimeZoneScope& operator=(const TimeZoneScope&) = delete;

private:
    bool hadPrevious;
    QByteArray previous;
};

// Today is Tuesday 3/5/2024, 2:30:15 PM local time, unless a test says otherwise.
void SetClock(const QDate& date = QDate(2024, 3, 5), const QTime& time = QTime(14, 30, 15))
{
    SetDateTimeLanguageClock([date, time] { return QDateTime(date, time, Qt::LocalTime); });
}

struct Outcome
{
    bool handled = false;
    bool ok = false;
    double value = 0.0;
    bool isNumeric = false;
    QString resultText;
    QString ansText;
    QDateTime ansInstant;
    QStringList pieces; // what went to the numeric engine, in order
};

// The numeric engine's side: a few names and calls with known values, looked
// up without blanks and ignoring case.
Outcome Evaluate(const QString& line, bool allowAns = false, const QString& previousAnswer = QString(),
                 const QDateTime& previousInstant = QDateTime())
{
    static const QHash<QString, double> known = {
        {QStringLiteral("PI"), 3.141592653589793},
        {QStringLiteral("X"), 5.0},
        {QStringLiteral("ANS"), 7.0},
        {QStringLiteral("SQRT(16)"), 4.0},
        {QStringLiteral("ROUND(2.6)"), 3.0},
        {QStringLiteral("MAX(1,(2),3)"), 3.0},
        {QStringLiteral("HUGE"), 1e300},
        {QStringLiteral("INF"), std::numeric_limits<double>::infinity()},
    };
    Outcome outcome;
    const std::function<bool(const QString&, double&)> numeric = [&outcome](const QString& piece, double& number) {
        outcome.pieces << piece;
        QString key = piece.toUpper();
        key.remove(QLatin1Char(' '));
        const auto found = known.constFind(key);
        if (found == known.constEnd())
            return false;
        number = *found;
        return true;
    };
    outcome.handled =
        EvaluateDateTimeLanguageInternal(line, numeric, allowAns, previousAnswer, previousInstant, outcome.resultText,
                                         outcome.ok, outcome.value, outcome.isNumeric, outcome.ansText,
                                         outcome.ansInstant);
    return outcome;
}

// The answer as one text: the display text, or a number with all its digits.
QString AnswerOf(const Outcome& outcome)
{
    return outcome.isNumeric ? QString::number(outcome.value, 'g', 17) : outcome.resultText;
}

const char* const OrdinaryZones[] = {"UTC", "America/New_York"};

} // namespace

class DateTimeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void claim_data();
    void claim();
    void timeLiterals_data();
    void timeLiterals();
    void dateLiterals_data();
    void dateLiterals();
    void refusedLines_data();
    void refusedLines();

    void addition_data();
    void addition();
    void subtraction_data();
    void subtraction();
    void multiplicationAndDivision_data();
    void multiplicationAndDivision();
    void signsAndPowers_data();
    void signsAndPowers();

    void clockKeywords_data();
    void clockKeywords();
    void days_data();
    void days();
    void dateAndTimeParts_data();
    void dateAndTimeParts();
    void weekday_data();
    void weekday();
    void age_data();
    void age();

    void numericFallBack_data();
    void numericFallBack();
    void previousAnswer_data();
    void previousAnswer();
    void ansTextReadsBackToTheSameAnswer_data();
    void ansTextReadsBackToTheSameAnswer();

    void overflowFailsCleanly_data();
    void overflowFailsCleanly();
    void unicodeDigitsReadByValue_data();
    void unicodeDigitsReadByValue();
    void deepNesting_data();
    void deepNesting();
    void daylightSavingJumps_data();
    void daylightSavingJumps();

    void windowAnswers_data();
    void windowAnswers();
    void windowReadsTheDateAnsOnlyWhenItIsCurrent();
    void windowLeavesNoOneTimeOutputBase_data();
    void windowLeavesNoOneTimeOutputBase();

private:
    static void addAnswerColumns();
    static void addAnswer(const char* name, const QString& line, const QString& result,
                          const QString& ansText = QString());
    static void addFailureColumns();
    static void addFailure(const char* name, const QString& line);
    static void checkAnswer();
    static void checkFailure();
};

void DateTimeTest::initTestCase()
{
    // Rows that name no zone run in UTC, whatever the machine's zone.
    qputenv("TZ", "UTC");
    tzset();
}

void DateTimeTest::init()
{
    SetClock();
}

void DateTimeTest::cleanup()
{
    SetDateTimeLanguageClock({});
}

// ---- Shared tables ------------------------------------------------------------

void DateTimeTest::addAnswerColumns()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("line");
    // The display text, or a number written with 17 significant digits.
    QTest::addColumn<QString>("result");
    // Checked only when not null.
    QTest::addColumn<QString>("ansText");
}

void DateTimeTest::addAnswer(const char* name, const QString& line, const QString& result, const QString& ansText)
{
    for (const char* zone : OrdinaryZones)
        QTest::addRow("%s: %s", zone, name) << QByteArray(zone) << line << result << ansText;
}

void DateTimeTest::addFailureColumns()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("line");
}

void DateTimeTest::addFailure(const char* name, const QString& line)
{
    for (const char* zone : OrdinaryZones)
        QTest::addRow("%s: %s", zone, name) << QByteArray(zone) << line;
}

void DateTimeTest::checkAnswer()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, line);
    QFETCH(QString, result);
    QFETCH(QString, ansText);
    TimeZoneScope scope(zone);

    const Outcome outcome = Evaluate(line);
    QVERIFY2(outcome.handled, qPrintable(line));
    QVERIFY2(outcome.ok, qPrintable(line));
    QCOMPARE(AnswerOf(outcome), result);
    if (outcome.isNumeric) {
        QVERIFY(outcome.resultText.isEmpty());
        QVERIFY(outcome.ansText.isEmpty());
    }
    if (!ansText.isNull())
        QCOMPARE(outcome.ansText, ansText);
}

void DateTimeTest::checkFailure()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, line);
    TimeZoneScope scope(zone);

    const Outcome outcome = Evaluate(line);
    QVERIFY2(outcome.handled, qPrintable(line));
    QVERIFY2(!outcome.ok, qPrintable(line + QStringLiteral(" gave ") + AnswerOf(outcome)));
    QCOMPARE(outcome.isNumeric, false);
    QCOMPARE(outcome.value, 0.0);
    QVERIFY(outcome.resultText.isEmpty());
    QVERIFY(outcome.ansText.isEmpty());
}

// ---- Claiming a line ----------------------------------------------------------

void DateTimeTest::claim_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("allowAns");
    QTest::addColumn<bool>("handled");

    QTest::newRow("plain arithmetic") << "1 + 2" << false << false;
    QTest::newRow("unquoted date is a division") << "3/5/2024" << false << false;
    QTest::newRow("keyword") << "TODAY + 1" << false << true;
    QTest::newRow("keyword in lower case") << "today + 1" << false << true;
    QTest::newRow("keyword inside a longer name") << "TODAYS + 1" << false << false;
    QTest::newRow("time") << "9:30" << false << true;
    QTest::newRow("time with seconds and pm") << "10:30:15 pm" << false << true;
    QTest::newRow("DAY without parenthesis") << "DAY + 1" << false << false;
    QTest::newRow("MONTH with blank before parenthesis") << "MONTH (TODAY)" << false << true;
    QTest::newRow("SECONDS is not SECOND") << "SECONDS + 1" << false << false;
    QTest::newRow("SECOND alone is claimed") << "SECOND" << false << true;
    QTest::newRow("ANS while the last answer is a number") << "ANS + 1" << false << false;
    QTest::newRow("ANS while the last answer is a date") << "ANS + 1" << true << true;
    QTest::newRow("ANSWER is not ANS") << "ANSWER + 1" << true << false;
    QTest::newRow("a lone surrogate does not hide the date")
        << QStringLiteral("DATE(\"1/1/2024\") + 1") + QChar(0xDC00) << false << true;
    QTest::newRow("a lone high surrogate does not hide the time") << QChar(0xD800) + QStringLiteral(" 9:30") << false
                                                                  << true;
}

void DateTimeTest::claim()
{
    QFETCH(QString, line);
    QFETCH(bool, allowAns);
    QFETCH(bool, handled);

    const Outcome outcome = Evaluate(line, allowAns, QStringLiteral("DATE(\"1/31/2024\")"));
    QCOMPARE(outcome.handled, handled);
    if (!handled) {
        QVERIFY(!outcome.ok);
        QVERIFY(outcome.pieces.isEmpty());
        QVERIFY(outcome.resultText.isEmpty());
        QVERIFY(outcome.ansText.isEmpty());
    }
}

// ---- Literals -----------------------------------------------------------------

void DateTimeTest::timeLiterals_data()
{
    addAnswerColumns();
    addAnswer("duration", "9:30", "9:30", "9:30");
    addAnswer("short duration", "0:05", "0:05", "0:05");
    addAnswer("hours beyond a day", "25:00", "25:00", "25:00");
    addAnswer("written seconds are kept", "1:30:00", "1:30:00", "1:30:00");
    addAnswer("clock time", "9:30 AM", "9:30 AM", "9:30 AM");
    addAnswer("clock time without blank, lower case", "9:30am", "9:30 AM", "9:30 AM");
    addAnswer("midnight", "12:00 AM", "12:00 AM", "12:00 AM");
    addAnswer("noon", "12:00 PM", "12:00 PM", "12:00 PM");
    addAnswer("clock time with seconds", "10:30:15 pm", "10:30:15 PM", "10:30:15 PM");
    addAnswer("largest duration", "2562047788015215:30:07", "2562047788015215:30:07", "2562047788015215:30:07");
}

void DateTimeTest::timeLiterals()
{
    checkAnswer();
}

void DateTimeTest::dateLiterals_data()
{
    addAnswerColumns();
    addAnswer("date", "DATE(\"3/5/2024\")", "3/5/2024", "DATE(\"3/5/2024\")");
    addAnswer("leap day", "DATE(\"2/29/2024\")", "2/29/2024", "DATE(\"2/29/2024\")");
    addAnswer("blanks and dashes", "DATE(\" 1 - 2 - 2024 \")", "1/2/2024");
    addAnswer("dots and leading zeros", "DATE(\"01.02.2024\")", "1/2/2024");
    addAnswer("mixed separators", "DATE(\"1/2.2024\")", "1/2/2024");
    addAnswer("blanks around the argument", "date ( \"3/5/2024\" )", "3/5/2024");
    addAnswer("date and time", "DATE(\"3/5/2024 2:30 pm\")", "3/5/2024 2:30 PM", "DATE(\"3/5/2024 2:30 PM\")");
    addAnswer("date and time with seconds", "DATE(\"3/5/2024 2:30:00 PM\")", "3/5/2024 2:30:00 PM",
              "DATE(\"3/5/2024 2:30:00 PM\")");
    addAnswer("midnight", "DATE(\"3/5/2024 12:00 AM\")", "3/5/2024 12:00 AM");
    addAnswer("expression argument", "DATE(TODAY + 7)", "3/12/2024");
    addAnswer("last date a literal holds", "DATE(\"12/30/9999\") + 1", "12/31/9999", "DATE(\"12/31/9999\")");
    addAnswer("first date a literal holds", "DATE(\"1/2/0001\") - 1", "1/1/0001", "DATE(\"1/1/0001\")");
    addAnswer("back within the years a literal holds", "DATE(\"12/31/9999\") + 1 - 1", "12/31/9999");
}

void DateTimeTest::dateLiterals()
{
    checkAnswer();
}

void DateTimeTest::refusedLines_data()
{
    addFailureColumns();
    addFailure("hour 13 with PM", "13:00 PM");
    addFailure("minutes above 59", "9:75");
    addFailure("seconds above 59", "9:30:60");
    addFailure("hour 0 with AM", "0:30 AM");
    addFailure("SECOND used as a value", "second + 1");
    addFailure("negated clock time", "-(9:00 AM)");
    addFailure("negated date", "-TODAY");
    addFailure("a variable called HOUR", "HOUR + 1");
    addFailure("bare DATE", "DATE + 1");
    addFailure("February 30", "DATE(\"2/30/2024\")");
    addFailure("month 13", "DATE(\"13/1/2024\")");
    addFailure("two-digit year", "DATE(\"1/1/24\")");
    addFailure("year 0", "DATE(\"1/1/0000\")");
    addFailure("twenty-four-hour time in a date", "DATE(\"3/5/2024 14:30\")");
    addFailure("hour 13 in a date", "DATE(\"3/5/2024 13:30 PM\")");
    addFailure("minutes above 59 in a date", "DATE(\"3/5/2024 1:60 PM\")");
    addFailure("missing closing parenthesis", "DATE(\"3/5/2024\"");
    addFailure("unclosed quote", "DATE(\"3/5/2024)");
    addFailure("DATE of a number", "DATE(5)");
    addFailure("DAYS with one argument", "DAYS(\"1/1/2024\")");
    addFailure("DAYS of a duration", "DAYS(1:00, TODAY)");
    addFailure("quoted date outside a date argument", "DAY(\"1/5/2024\")");
    addFailure("text left over", "TODAY 1");
    addFailure("operator at the end", "TODAY +");
    addFailure("division sign is not division here", "1:30 \u00F7 2");
    addFailure("unknown name", "TODAY + UNKNOWN");
    addFailure("unclosed call", "TODAY + F((1)");
    addFailure("missing parenthesis of a group", "(TODAY + 1");
    addFailure("quote as an operand", "TODAY + \"1\"");
    addFailure("AGE of a date after today", "AGE(\"3/6/2024\")");
    addFailure("text of AGE in arithmetic", "AGE(\"1/1/2000\") + 1");
    addFailure("text of WEEKDAY in arithmetic", "WEEKDAY(TODAY) + 1:00");
    addFailure("a lone surrogate is a stray symbol", QStringLiteral("DATE(\"1/1/2024\") + 1") + QChar(0xDC00));
    addFailure("a lone surrogate inside a date literal", QStringLiteral("DATE(\"1/1/2024") + QChar(0xDC00) + "\")");
    // A date literal has four-digit years: answers beyond them could never be
    // read back as ANS.
    addFailure("date past year 9999", "DATE(\"12/31/9999\") + 1");
    addFailure("date-time past year 9999", "DATE(\"12/31/9999 11:30 PM\") + 1:00");
    addFailure("date before year 1", "DATE(\"1/1/0001\") - 1");
    addFailure("date-time before year 1", "DATE(\"1/1/0001 12:30 AM\") - 1:00");
}

void DateTimeTest::refusedLines()
{
    checkFailure();
}

// ---- Arithmetic ---------------------------------------------------------------

void DateTimeTest::addition_data()
{
    addAnswerColumns();
    addAnswer("number + number", "DAY(TODAY) + 1.5", "6.5");
    addAnswer("date + days across a month", "DATE(\"1/31/2024\") + 1", "2/1/2024");
    addAnswer("days + date", "1 + DATE(\"1/31/2024\")", "2/1/2024");
    addAnswer("date + days across a year", "DATE(\"12/31/2024\") + 1", "1/1/2025");
    addAnswer("almost whole days", "DATE(\"1/31/2024\") + 2.0000000001", "2/2/2024");
    addAnswer("date + days from the numeric engine", "TODAY + SQRT(16)", "3/9/2024");
    addAnswer("date-time + days", "DATE(\"3/5/2024 2:30 PM\") + 1", "3/6/2024 2:30 PM");
    addAnswer("date-time + a billion days", "DATE(\"3/5/2024 2:30 PM\") + 1e9 - 1e9", "3/5/2024 2:30 PM");
    addAnswer("date-time + days over a century", "DATE(\"3/5/2024 2:30 PM\") + 36524", "3/5/2124 2:30 PM");
    addAnswer("date + duration", "DATE(\"3/5/2024\") + 1:00", "3/5/2024 1:00 AM",
              "DATE(\"3/5/2024 1:00 AM\")");
    addAnswer("date + a day's duration", "DATE(\"3/5/2024\") + 24:00", "3/6/2024 12:00 AM");
    addAnswer("date + seconds", "DATE(\"3/5/2024\") + 0:00:30", "3/5/2024 12:00:30 AM");
    addAnswer("duration + date", "1:00 + DATE(\"3/5/2024\")", "3/5/2024 1:00 AM");
    addAnswer("date-time + duration across midnight", "DATE(\"3/5/2024 11:30 PM\") + 1:00", "3/6/2024 12:30 AM");
    addAnswer("date-time showing seconds keeps them", "DATE(\"3/5/2024 2:30:00 PM\") + 1:00", "3/5/2024 3:30:00 PM");
    addAnswer("clock time + duration past midnight", "11:00 PM + 2:00", "1:00 AM");
    addAnswer("clock time + duration", "2:30 PM + 1:45", "4:15 PM");
    addAnswer("duration + clock time", "1:45 + 2:30 PM", "4:15 PM");
    addAnswer("clock time + minutes", "9:30 AM + 15", "9:45 AM");
    addAnswer("minutes + clock time", "15 + 9:30 AM", "9:45 AM");
    addAnswer("half a minute shows seconds", "9:30 AM + 0.5", "9:30:30 AM", "9:30:30 AM");
    addAnswer("clock time showing seconds counts seconds", "9:30:00 AM + 15", "9:30:15 AM");
    addAnswer("duration + duration", "1:30 + 1:45", "3:15", "3:15");
    addAnswer("duration showing seconds keeps them", "1:30:00 + 0:30", "2:00:00");
    addAnswer("duration + minutes", "1:30 + 15", "1:45");
    addAnswer("minutes + duration", "15 + 1:30", "1:45");
    addAnswer("duration showing seconds counts seconds", "1:30:00 + 15", "1:30:15");
    addAnswer("quarter minute", "1:30 + 0.25", "1:30:15");
}

void DateTimeTest::addition()
{
    checkAnswer();
}

void DateTimeTest::subtraction_data()
{
    addAnswerColumns();
    addAnswer("number - number", "DAY(TODAY) - 7", "-2");
    addAnswer("minutes - duration", "10 - 0:30", "-0:20", "-0:20");
    addAnswer("minutes - duration, positive", "90 - 1:00", "0:30");
    addAnswer("seconds - duration showing seconds", "30 - 0:00:10", "0:00:20");
    addAnswer("date - date", "DATE(\"3/5/2024\") - DATE(\"3/1/2024\")", "4");
    addAnswer("date - later date", "DATE(\"3/1/2024\") - DATE(\"3/5/2024\")", "-4");
    addAnswer("date-time - date", "DATE(\"3/5/2024 2:30 PM\") - DATE(\"3/5/2024\")", "14:30");
    addAnswer("date - later date-time", "DATE(\"3/5/2024\") - DATE(\"3/5/2024 2:30 PM\")", "-14:30");
    addAnswer("now - today shows seconds", "NOW - TODAY", "14:30:15");
    addAnswer("date-time - date-time", "DATE(\"3/6/2024 1:00 AM\") - DATE(\"3/5/2024 11:30 PM\")", "1:30");
    addAnswer("date - days into a leap day", "DATE(\"3/1/2024\") - 1", "2/29/2024");
    addAnswer("date - days, not a leap year", "DATE(\"3/1/2023\") - 1", "2/28/2023");
    addAnswer("date-time - days", "DATE(\"3/5/2024 2:30 PM\") - 1", "3/4/2024 2:30 PM");
    addAnswer("date - duration", "DATE(\"3/5/2024\") - 1:00", "3/4/2024 11:00 PM");
    addAnswer("later clock time - earlier", "5:00 PM - 9:00 AM", "8:00");
    addAnswer("earlier clock time - later", "9:00 AM - 5:00 PM", "-8:00", "-8:00");
    addAnswer("clock time - minutes", "9:30 AM - 15", "9:15 AM");
    addAnswer("clock time - duration before midnight", "1:00 AM - 2:00", "11:00 PM");
    addAnswer("duration - longer duration", "1:00 - 1:30", "-0:30");
    addAnswer("duration - minutes", "1:00 - 90", "-0:30");
    addAnswer("duration showing seconds - seconds", "1:00:00 - 1", "0:59:59");
    addAnswer("non-whole minutes show seconds", "0:00 - 1.5", "-0:01:30");
}

void DateTimeTest::subtraction()
{
    checkAnswer();
}

void DateTimeTest::multiplicationAndDivision_data()
{
    addAnswerColumns();
    addAnswer("duration * number", "1:30 * 2", "3:00");
    addAnswer("number * duration", "2 * 1:30", "3:00");
    addAnswer("duration / number shows seconds", "1:30 / 4", "0:22:30");
    addAnswer("half a duration", "1:00 * 0.5", "0:30");
    addAnswer("a third of a minute", "0:01 / 3", "0:00:20");
    addAnswer("duration showing seconds keeps them", "1:30:00 * 2", "3:00:00");
    addAnswer("half a second rounds away from zero", "0:00:01 * 0.5", "0:00:01");
    addAnswer("negative half second rounds away from zero", "-0:00:01 * 0.5", "-0:00:01");
    addAnswer("number * number", "DAY(TODAY) * 2", "10");
    addAnswer("number / number", "DAY(TODAY) / 2", "2.5");
    addAnswer("five times no time", "5 * (TODAY - TODAY)", "0");
}

void DateTimeTest::multiplicationAndDivision()
{
    checkAnswer();
}

void DateTimeTest::signsAndPowers_data()
{
    addAnswerColumns();
    addAnswer("negated duration", "-(1:30)", "-1:30", "-1:30");
    addAnswer("sign before a literal", "-1:30", "-1:30");
    addAnswer("negated negative duration", "-(-0:45)", "0:45");
    addAnswer("double sign", "--1:30", "1:30");
    addAnswer("negated seconds", "-(0:00:30)", "-0:00:30");
    addAnswer("plus keeps any kind", "+9:00 AM", "9:00 AM");
    addAnswer("plus before a date", "+TODAY", "3/5/2024");
    addAnswer("power", "DAY(TODAY) ^ 2", "25");
    addAnswer("negative exponent", "DAY(TODAY) ^ -1", "0.20000000000000001");
    addAnswer("sign applies after the power", "-DAY(TODAY) ^ 2", "-25");
    addAnswer("power is right-associative", "DAY(TODAY) ^ 2 ^ 0", "5");
}

void DateTimeTest::signsAndPowers()
{
    checkAnswer();
}

// ---- Keywords -----------------------------------------------------------------

void DateTimeTest::clockKeywords_data()
{
    addAnswerColumns();
    addAnswer("today", "TODAY", "3/5/2024", "DATE(\"3/5/2024\")");
    addAnswer("now shows seconds", "NOW", "3/5/2024 2:30:15 PM", "DATE(\"3/5/2024 2:30:15 PM\")");
    addAnswer("lower case", "today + 1", "3/6/2024");
    addAnswer("a week from now", "NOW + 7", "3/12/2024 2:30:15 PM");
}

void DateTimeTest::clockKeywords()
{
    checkAnswer();
}

void DateTimeTest::days_data()
{
    addAnswerColumns();
    addAnswer("over a leap year", "DAYS(\"1/1/2024\", \"1/1/2025\")", "366");
    addAnswer("backwards over a leap year", "DAYS(\"1/1/2025\", \"1/1/2024\")", "-366");
    addAnswer("over a common year", "DAYS(\"1/1/2023\", \"1/1/2024\")", "365");
    addAnswer("2000 is a leap year", "DAYS(\"2/28/2000\", \"3/1/2000\")", "2");
    addAnswer("2100 is not", "DAYS(\"2/28/2100\", \"3/1/2100\")", "1");
    addAnswer("times are ignored", "DAYS(\"3/5/2024 11:59 PM\", \"3/6/2024 12:01 AM\")", "1");
    addAnswer("expression arguments", "DAYS(NOW, DATE(\"12/25/2024\"))", "295");
    addAnswer("same day", "DAYS(TODAY, TODAY)", "0");
}

void DateTimeTest::days()
{
    checkAnswer();
}

void DateTimeTest::dateAndTimeParts_data()
{
    addAnswerColumns();
    addAnswer("day", "DAY(DATE(\"1/5/2024\"))", "5");
    addAnswer("month", "MONTH(DATE(\"1/5/2024\"))", "1");
    addAnswer("year", "YEAR(DATE(\"1/5/2024\"))", "2024");
    addAnswer("day of a date-time", "DAY(NOW)", "5");
    addAnswer("year after adding days", "YEAR(TODAY + 302)", "2025");
    addAnswer("hour of a negative duration", "HOUR(-1:30)", "-1");
    addAnswer("minute of a negative duration", "MINUTE(-1:30)", "30");
    addAnswer("second of a negative duration", "SECOND(-1:30:15)", "15");
    addAnswer("hour of less than an hour below zero", "HOUR(-0:30)", "0");
    addAnswer("hour of a long duration", "HOUR(25:00)", "25");
    addAnswer("hour of a clock time past midnight", "HOUR(11:30 PM + 2:00)", "1");
    addAnswer("hour of a clock time", "HOUR(2:30 PM)", "14");
    addAnswer("hour after midnight", "HOUR(12:15 AM)", "0");
    addAnswer("minute of a clock time", "MINUTE(2:45 PM)", "45");
    addAnswer("second of a clock time", "SECOND(2:45:09 PM)", "9");
    addAnswer("hour of a clock time before midnight", "HOUR(1:00 AM - 2:00)", "23");
    addAnswer("hour of now", "HOUR(NOW)", "14");
    addAnswer("minute of now", "MINUTE(NOW)", "30");
    addAnswer("second of now", "SECOND(NOW)", "15");
}

void DateTimeTest::dateAndTimeParts()
{
    checkAnswer();
}

void DateTimeTest::weekday_data()
{
    addAnswerColumns();
    addAnswer("Independence Day 2024", "WEEKDAY(DATE(\"7/4/2024\"))", "Thursday", "");
    addAnswer("today", "WEEKDAY(TODAY)", "Tuesday");
    addAnswer("tomorrow by duration", "WEEKDAY(NOW + 24:00)", "Wednesday");
    addAnswer("2000", "WEEKDAY(DATE(\"1/1/2000\"))", "Saturday");
    addAnswer("lower case", "weekday(today - 2)", "Sunday");
}

void DateTimeTest::weekday()
{
    checkAnswer();
}

void DateTimeTest::age_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("result");

    const auto add = [](const char* name, const QDate& today, const QString& line, const QString& result) {
        for (const char* zone : OrdinaryZones)
            QTest::addRow("%s: %s", zone, name) << QByteArray(zone) << today << line << result;
    };
    add("on the birthday", QDate(2024, 7, 4), "AGE(\"7/4/1990\")", "34 years, 0 months, 0 days");
    add("the day before", QDate(2024, 7, 3), "AGE(\"7/4/1990\")", "33 years, 11 months, 29 days");
    add("the day after", QDate(2024, 7, 5), "AGE(\"7/4/1990\")", "34 years, 0 months, 1 day");
    add("a month after", QDate(2024, 8, 4), "AGE(\"7/4/1990\")", "34 years, 1 month, 0 days");
    add("one of each", QDate(2025, 8, 5), "AGE(\"7/4/2024\")", "1 year, 1 month, 1 day");
    add("leap birthday in a common year", QDate(2001, 2, 28), "AGE(\"2/29/2000\")", "1 year, 0 months, 0 days");
    add("the day before that", QDate(2001, 2, 27), "AGE(\"2/29/2000\")", "0 years, 11 months, 29 days");
    add("born today", QDate(2024, 3, 5), "AGE(TODAY)", "0 years, 0 months, 0 days");
    add("month end to a shorter month", QDate(2024, 2, 29), "AGE(\"1/31/2024\")", "0 years, 1 month, 0 days");
    add("date-time argument", QDate(2024, 7, 4), "AGE(DATE(\"7/4/1990 11:00 PM\"))", "34 years, 0 months, 0 days");
    // There is no year 0: 12/31/1 BC to 12/31/2023 is 2023 years.
    add("born before year 1", QDate(2024, 3, 5), "AGE(DATE(\"1/1/0001\") - 1)", "2023 years, 2 months, 5 days");
}

void DateTimeTest::age()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, today);
    QFETCH(QString, line);
    QFETCH(QString, result);
    TimeZoneScope scope(zone);
    SetClock(today, QTime(9, 0));

    const Outcome outcome = Evaluate(line);
    QVERIFY(outcome.handled);
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.resultText, result);
    QVERIFY(outcome.ansText.isEmpty());
}

// ---- The numeric engine and ANS -------------------------------------------------

void DateTimeTest::numericFallBack_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");

    QTest::newRow("call with its arguments") << "TODAY + ROUND(2.6)" << QStringList{"ROUND(2.6)"} << true << "3/8/2024";
    QTest::newRow("blank before the parenthesis") << "TODAY + SQRT (16)" << QStringList{"SQRT (16)"} << true << "3/9/2024";
    QTest::newRow("nested parentheses") << "TODAY + MAX(1, (2), 3)" << QStringList{"MAX(1, (2), 3)"} << true
                                        << "3/8/2024";
    QTest::newRow("variable with the blanks after it") << "TODAY + X - 1" << QStringList{"X "} << true << "3/9/2024";
    QTest::newRow("numeric ANS") << "TODAY + ANS" << QStringList{"ANS"} << true << "3/12/2024";
    QTest::newRow("not a whole number of days") << "TODAY + PI" << QStringList{"PI"} << false << "";
    QTest::newRow("unknown name") << "NOW + Y" << QStringList{"Y"} << false << "";
    QTest::newRow("infinite value") << "TODAY + INF" << QStringList{"INF"} << false << "";
    QTest::newRow("parenthesis inside quotes") << "TODAY + F(\")\")" << QStringList{"F(\")\")"} << false << "";
    QTest::newRow("unclosed quote") << "TODAY + F(\"1)" << QStringList{} << false << "";
    QTest::newRow("minutes from the engine") << "9:30 AM + X" << QStringList{"X"} << true << "9:35 AM";
}

void DateTimeTest::numericFallBack()
{
    QFETCH(QString, line);
    QFETCH(QStringList, pieces);
    QFETCH(bool, ok);
    QFETCH(QString, result);

    const Outcome outcome = Evaluate(line);
    QVERIFY(outcome.handled);
    QCOMPARE(outcome.pieces, pieces);
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(outcome.resultText, result);
}

void DateTimeTest::previousAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("allowAns");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QDateTime>("instant");  // kept beside the previous answer

    const QDateTime none;
    QTest::newRow("date answer + 1") << "ANS + 1" << true << "DATE(\"1/31/2024\")" << true << "2/1/2024" << none;
    QTest::newRow("duration answer, lower case") << "ans * 2" << true << "1:30" << true << "3:00" << none;
    QTest::newRow("clock-time answer") << "ANS - 1:00" << true << "2:30 PM" << true << "1:30 PM" << none;
    QTest::newRow("negative duration answer") << "ANS + 1:00" << true << "-0:45" << true << "0:15" << none;
    QTest::newRow("date-time answer") << "DAYS(ANS, TODAY)" << true << "DATE(\"3/1/2024 2:30:15 PM\")" << true << "4"
                                      << none;
    QTest::newRow("numeric answer through the engine") << "TODAY + ANS" << false << "DATE(\"1/31/2024\")" << true
                                                       << "3/12/2024" << none;
    QTest::newRow("answer that does not read") << "ANS + 1" << true << "DATE(\"2/30/2024\")" << false << "" << none;
    QTest::newRow("instant that is no reading of the answer is not used")
        << "ANS + 1:00" << true << "DATE(\"3/1/2024 2:30 PM\")" << true << "3/1/2024 3:30 PM"
        << QDateTime(QDate(2024, 3, 2), QTime(14, 30), Qt::UTC);
    QTest::newRow("instant of an answer that is no longer current")
        << "TODAY + ANS" << false << "DATE(\"3/1/2024 2:30 PM\")" << true << "3/12/2024"
        << QDateTime(QDate(2024, 3, 1), QTime(14, 30), Qt::UTC);
}

void DateTimeTest::previousAnswer()
{
    QFETCH(QString, line);
    QFETCH(bool, allowAns);
    QFETCH(QString, previous);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    QFETCH(QDateTime, instant);

    const Outcome outcome = Evaluate(line, allowAns, previous, instant);
    QVERIFY(outcome.handled);
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(AnswerOf(outcome), result);
}

void DateTimeTest::ansTextReadsBackToTheSameAnswer_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("line");

    const char* const lines[][2] = {
        {"duration", "1:30"},
        {"negative duration", "-(0:45)"},
        {"duration with seconds", "1:30:00"},
        {"odd seconds", "1:30 / 7"},
        {"clock time", "2:30 PM"},
        {"clock time past midnight", "11:30 PM + 1:00"},
        {"clock time with seconds", "9:30:00 AM + 15"},
        {"date", "TODAY"},
        {"date and time", "NOW"},
        {"date and time without seconds", "DATE(\"3/5/2024 2:30 PM\")"},
        {"date plus a second", "TODAY + 0:00:01"},
        {"largest duration", "2562047788015215:30:07"},
        {"most negative duration", "-2562047788015215:30:07"},
    };
    for (const char* zone : OrdinaryZones)
        for (const auto& row : lines)
            QTest::addRow("%s: %s", zone, row[0]) << QByteArray(zone) << QString::fromUtf8(row[1]);

    // The night the clocks go back, the answer's local time occurs twice; its
    // text alone reads back as one of the two, so both are here.
    QTest::newRow("New York: the first 1:30 AM")
        << QByteArray("America/New_York") << "DATE(\"11/3/2024 12:30 AM\") + 1:00";
    QTest::newRow("New York: the second 1:30 AM")
        << QByteArray("America/New_York") << "DATE(\"11/3/2024 12:30 AM\") + 2:00";
    QTest::newRow("Berlin: the first 2:30 AM") << QByteArray("Europe/Berlin") << "DATE(\"10/27/2024 1:30 AM\") + 1:00";
    QTest::newRow("Berlin: the second 2:30 AM") << QByteArray("Europe/Berlin") << "DATE(\"10/27/2024 1:30 AM\") + 2:00";
    QTest::newRow("Berlin: the first 2:30 AM, with seconds")
        << QByteArray("Europe/Berlin") << "DATE(\"10/27/2024 1:30:00 AM\") + 1:00";
}

void DateTimeTest::ansTextReadsBackToTheSameAnswer()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, line);
    TimeZoneScope scope(zone);

    const Outcome first = Evaluate(line);
    QVERIFY(first.ok);
    QVERIFY(!first.ansText.isEmpty());

    const Outcome again = Evaluate(first.ansText);
    QVERIFY2(again.ok, qPrintable(first.ansText));
    QCOMPARE(again.resultText, first.resultText);
    QCOMPARE(again.ansText, first.ansText);

    const Outcome throughAns = Evaluate(QStringLiteral("ANS"), true, first.ansText);
    QVERIFY(throughAns.ok);
    QCOMPARE(throughAns.resultText, first.resultText);

    // The same moment, not only the same text: an hour on from ANS is an
    // hour on from the line itself.
    const Outcome later = Evaluate(QStringLiteral("(") + line + QStringLiteral(") + 1:00"));
    const Outcome laterThroughAns = Evaluate(QStringLiteral("ANS + 1:00"), true, first.ansText, first.ansInstant);
    QCOMPARE(laterThroughAns.ok, later.ok);
    QCOMPARE(laterThroughAns.resultText, later.resultText);
}

// ---- Sound failures -----------------------------------------------------------

void DateTimeTest::overflowFailsCleanly_data()
{
    addFailureColumns();
    addFailure("product rounds beyond 64 bits", "1:00 * 1e30");
    addFailure("negative product beyond 64 bits", "1:00 * -1e30");
    addFailure("quotient beyond 64 bits", "1:00 / 1e-30");
    addFailure("minutes beyond 64 bits", "0:01 * 2e17");
    addFailure("sum overflows", "2562047788015215:30:07 + 0:00:01");
    addFailure("difference reaches -2^63", "-2562047788015215:30:07 - 0:00:01");
    addFailure("minutes added overflow", "2562047788015215:30:07 + 1");
    addFailure("number as minutes beyond 64 bits", "1:00 + 1e300");
    addFailure("number - duration overflows", "9.3e18 - 0:00:01");
    addFailure("clock times apart beyond 64 bits", "(12:00 AM + 2562047788015215:00) - (12:00 AM - 2562047788015215:00)");
    addFailure("literal seconds overflow", "2562047788015215:30:08");
    addFailure("literal hours above the bound", "2562047788015216:00");
    addFailure("literal hours beyond 64 bits", "99999999999999999999:00");
    addFailure("2^63 days", "TODAY + 9223372036854775808");
    addFailure("-2^63 days", "TODAY - 9223372036854775808");
    addFailure("days far beyond any date", "TODAY + 1e300");
    addFailure("days beyond the calendar", "TODAY + 1e12");
    addFailure("date-time + days beyond the calendar", "NOW + 1e12");
    addFailure("date-time + days beyond what a date-time holds", "NOW + 1.07e11");
    addFailure("date beyond what a date-time holds + duration", "TODAY + 1.07e11 + 0:00");
    addFailure("date-times too far apart", "(TODAY + 1.05e11 + 0:00) - (TODAY - 1.05e11 + 0:00)");
    addFailure("date + largest duration", "TODAY + 2562047788015215:30:07");
    addFailure("date-time - largest duration", "NOW - 2562047788015215:30:07");
    addFailure("number beyond double", "DAY(TODAY) * 1e999");
    addFailure("power beyond double", "DAY(TODAY) ^ 1000");
    addFailure("power without a real value", "(DAY(TODAY) - 6) ^ 0.5");
    addFailure("huge number from the engine as days", "TODAY + HUGE");
    addFailure("age of the earliest date in years beyond an int", "AGE(TODAY - 784353035254)");
}

void DateTimeTest::overflowFailsCleanly()
{
    checkFailure();
}

void DateTimeTest::unicodeDigitsReadByValue_data()
{
    addAnswerColumns();
    addAnswer("Arabic-Indic days", "TODAY + \u0663", "3/8/2024");
    addAnswer("fullwidth days", "TODAY + \uFF11\uFF10", "3/15/2024");
    addAnswer("Devanagari factor", "1:00 * \u0968", "2:00");
    addAnswer("Arabic-Indic fraction", "1:00 * \u0660.\u0665", "0:30");
    addAnswer("Arabic-Indic exponent", "1:00 * \u0661e\u0661", "10:00");
}

void DateTimeTest::unicodeDigitsReadByValue()
{
    checkAnswer();
}

void DateTimeTest::deepNesting_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");

    QTest::newRow("a hundred groups") << QString(100, '(') + "TODAY + 1" + QString(100, ')') << true << "3/6/2024";
    QTest::newRow("a hundred thousand groups") << QString(100000, '(') + "TODAY" + QString(100000, ')') << false << "";
    QTest::newRow("a hundred thousand DATE calls")
        << QString("DATE(").repeated(100000) + "TODAY" + QString(100000, ')') << false << "";
    QTest::newRow("a hundred thousand exponents") << "DAY(TODAY)" + QString("^1").repeated(100000) << false << "";
    QTest::newRow("a hundred thousand signs") << QString(100000, '-') + "1:30" << true << "1:30";
    QTest::newRow("an odd run of signs") << QString(99999, '-') + "1:30" << true << "-1:30";
}

void DateTimeTest::deepNesting()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, result);

    const Outcome outcome = Evaluate(line);
    QVERIFY(outcome.handled);
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(outcome.resultText, result);
}

void DateTimeTest::daylightSavingJumps_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");

    const QDateTime march = QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15));
    const QDateTime santiagoJump = QDateTime(QDate(2022, 9, 11), QTime(10, 0));
    const QDateTime beirutJump = QDateTime(QDate(2023, 3, 26), QTime(10, 0));

    // Durations added to a date are elapsed time from its first moment.
    QTest::newRow("UTC: three hours into 3/10") << QByteArray("UTC") << march << "DATE(\"3/10/2024\") + 3:00" << true
                                                << "3/10/2024 3:00 AM";
    QTest::newRow("New York: three hours into 3/10 skip 2 AM")
        << QByteArray("America/New_York") << march << "DATE(\"3/10/2024\") + 3:00" << true << "3/10/2024 4:00 AM";
    QTest::newRow("New York: 3/10 is 23 hours long")
        << QByteArray("America/New_York") << march << "DATE(\"3/11/2024 12:00 AM\") - DATE(\"3/10/2024\")" << true
        << "23:00";
    QTest::newRow("UTC: 3/10 is 24 hours long")
        << QByteArray("UTC") << march << "DATE(\"3/11/2024 12:00 AM\") - DATE(\"3/10/2024\")" << true << "24:00";
    QTest::newRow("New York: 11/3 is 25 hours long")
        << QByteArray("America/New_York") << march << "DATE(\"11/3/2024\") + 24:00" << true << "11/3/2024 11:00 PM";
    QTest::newRow("New York: 2:30 AM on 3/10 does not exist")
        << QByteArray("America/New_York") << march << "DATE(\"3/10/2024 2:30 AM\")" << false << "";
    QTest::newRow("UTC: 2:30 AM on 3/10 exists")
        << QByteArray("UTC") << march << "DATE(\"3/10/2024 2:30 AM\")" << true << "3/10/2024 2:30 AM";
    QTest::newRow("New York: whole days still count whole")
        << QByteArray("America/New_York") << march << "DATE(\"3/11/2024\") - DATE(\"3/10/2024\")" << true << "1";

    // Midnight does not exist on these days: the day starts at 1:00 AM.
    QTest::newRow("Santiago: a skipped midnight starts the day at 1 AM")
        << QByteArray("America/Santiago") << march << "DATE(\"9/11/2022\") + 0:00" << true << "9/11/2022 1:00 AM";
    QTest::newRow("Santiago: an hour into the day")
        << QByteArray("America/Santiago") << march << "DATE(\"9/11/2022\") + 1:00" << true << "9/11/2022 2:00 AM";
    QTest::newRow("Santiago: 12:30 AM does not exist")
        << QByteArray("America/Santiago") << march << "DATE(\"9/11/2022 12:30 AM\")" << false << "";
    QTest::newRow("Santiago: date-time - the date")
        << QByteArray("America/Santiago") << march << "DATE(\"9/11/2022 3:00 AM\") - DATE(\"9/11/2022\")" << true
        << "2:00";
    QTest::newRow("Santiago: the day is 23 hours long")
        << QByteArray("America/Santiago") << march << "DATE(\"9/12/2022\") - DATE(\"9/11/2022 1:00 AM\")" << true
        << "23:00";
    QTest::newRow("Santiago: date - date")
        << QByteArray("America/Santiago") << march << "DATE(\"9/12/2022\") - DATE(\"9/11/2022\")" << true << "1";
    QTest::newRow("Santiago: days across the jump")
        << QByteArray("America/Santiago") << march << "DAYS(\"9/10/2022\", \"9/12/2022\")" << true << "2";
    QTest::newRow("Santiago: weekday of the day")
        << QByteArray("America/Santiago") << march << "WEEKDAY(DATE(\"9/11/2022\"))" << true << "Sunday";
    QTest::newRow("Santiago: a day after midnight lands on the first valid time")
        << QByteArray("America/Santiago") << march << "DATE(\"9/10/2022 12:00 AM\") + 1" << true
        << "9/11/2022 1:00 AM";
    QTest::newRow("Santiago: a day after 12:30 AM moves past the jump")
        << QByteArray("America/Santiago") << march << "DATE(\"9/10/2022 12:30 AM\") + 1" << true
        << "9/11/2022 1:30 AM";
    QTest::newRow("New York: a day after 2:30 AM moves past the jump")
        << QByteArray("America/New_York") << march << "DATE(\"3/9/2024 2:30 AM\") + 1" << true
        << "3/10/2024 3:30 AM";
    // The night the clocks go back, a typed time that occurs twice is its
    // first occurrence, whatever the arithmetic that follows.
    QTest::newRow("New York: an hour after the first 1:30 AM")
        << QByteArray("America/New_York") << march << "DATE(\"11/3/2024 1:30 AM\") + 1:00" << true
        << "11/3/2024 1:30 AM";
    QTest::newRow("New York: an hour before the first 1:30 AM")
        << QByteArray("America/New_York") << march << "DATE(\"11/3/2024 1:30 AM\") - 1:00" << true
        << "11/3/2024 12:30 AM";
    QTest::newRow("New York: from the first 1:30 AM to 3:00 AM")
        << QByteArray("America/New_York") << march << "DATE(\"11/3/2024 3:00 AM\") - DATE(\"11/3/2024 1:30 AM\")"
        << true << "2:30";
    QTest::newRow("New York: from midnight to the first 1:30 AM")
        << QByteArray("America/New_York") << march << "DATE(\"11/3/2024 1:30 AM\") - DATE(\"11/3/2024\")" << true
        << "1:30";
    QTest::newRow("New York: a day after 1:30 AM lands on the first")
        << QByteArray("America/New_York") << march << "DATE(\"11/2/2024 1:30 AM\") + 1 - DATE(\"11/3/2024\")"
        << true << "1:30";
    QTest::newRow("Berlin: from the first 2:30 AM to 3:00 AM")
        << QByteArray("Europe/Berlin") << march << "DATE(\"10/27/2024 3:00 AM\") - DATE(\"10/27/2024 2:30 AM\")"
        << true << "1:30";
    QTest::newRow("Berlin: an hour after the first 2:30 AM")
        << QByteArray("Europe/Berlin") << march << "DATE(\"10/27/2024 2:30 AM\") + 1:00" << true
        << "10/27/2024 2:30 AM";
    QTest::newRow("Santiago: today + an hour")
        << QByteArray("America/Santiago") << santiagoJump << "TODAY + 1:00" << true << "9/11/2022 2:00 AM";
    QTest::newRow("Santiago: now - today")
        << QByteArray("America/Santiago") << santiagoJump << "NOW - TODAY" << true << "9:00:00";
    QTest::newRow("Beirut: a skipped midnight starts the day at 1 AM")
        << QByteArray("Asia/Beirut") << beirutJump << "TODAY + 0:00" << true << "3/26/2023 1:00 AM";
    QTest::newRow("Beirut: from the evening before")
        << QByteArray("Asia/Beirut") << beirutJump << "TODAY - DATE(\"3/25/2023 11:00 PM\")" << true << "1:00";
    QTest::newRow("Beirut: now - today")
        << QByteArray("Asia/Beirut") << beirutJump << "NOW - TODAY" << true << "9:00:00";
}

void DateTimeTest::daylightSavingJumps()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, now);
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    TimeZoneScope scope(zone);
    SetClock(now.date(), now.time());

    const Outcome outcome = Evaluate(line);
    QVERIFY(outcome.handled);
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(AnswerOf(outcome), result);
}

// ---- Through the window -------------------------------------------------------

void DateTimeTest::windowAnswers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("isNumeric");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("ansText");

    QTest::newRow("plain arithmetic is not claimed") << "1 + 2" << false << false << false << "" << "";
    QTest::newRow("date") << "TODAY + 1" << true << true << false << "3/6/2024" << "DATE(\"3/6/2024\")";
    QTest::newRow("number formatted as an answer") << "DAYS(\"1/1/2024\", \"1/1/2025\")" << true << true << true
                                                   << "366" << "";
    QTest::newRow("fraction formatted as an answer") << "DAY(TODAY) / 3" << true << true << true
                                                     << "1.66666666666667" << "";
    QTest::newRow("function from the engine") << "TODAY + SQRT(16)" << true << true << false << "3/9/2024"
                                              << "DATE(\"3/9/2024\")";
    QTest::newRow("variable from the engine") << "TODAY + x" << true << true << false << "3/8/2024"
                                              << "DATE(\"3/8/2024\")";
    QTest::newRow("numeric ANS from the engine") << "TODAY + ANS" << true << true << false << "3/12/2024"
                                                 << "DATE(\"3/12/2024\")";
    QTest::newRow("not a whole number of days") << "TODAY + PI" << true << false << false << "" << "";
    QTest::newRow("engine failure fails the line") << "TODAY + LOG(0)" << true << false << false << "" << "";
    QTest::newRow("unknown name fails the line") << "TODAY + NOSUCHNAME" << true << false << false << "" << "";
    QTest::newRow("text answer keeps no ANS text") << "WEEKDAY(TODAY)" << true << true << false << "Tuesday" << "";
    QTest::newRow("duration") << "1:30 / 4" << true << true << false << "0:22:30" << "0:22:30";
    QTest::newRow("a lone surrogate fails the date line, not turns it into a number")
        << QStringLiteral("DATE(\"1/1/2024\") + 1") + QChar(0xDC00) << true << false << false << "" << "";
}

void DateTimeTest::windowAnswers()
{
    QFETCH(QString, line);
    QFETCH(bool, handled);
    QFETCH(bool, ok);
    QFETCH(bool, isNumeric);
    QFETCH(QString, result);
    QFETCH(QString, ansText);

    const auto window = TestSupport::createWindow();
    MainWindowTestAccess::setAns(*window, 7.0, QString(), false);
    MainWindowTestAccess::setVariable(*window, QStringLiteral("X"), 3.0);

    QString resultText = QStringLiteral("stale");
    QString newAnsText = QStringLiteral("stale");
    bool actualOk = true;
    double value = -1.0;
    bool actualIsNumeric = true;
    QCOMPARE(window->EvaluateDateTimeExpression(line, resultText, actualOk, value, actualIsNumeric, newAnsText), handled);
    QCOMPARE(actualOk, ok);
    QCOMPARE(actualIsNumeric, isNumeric);
    QCOMPARE(resultText, result);
    QCOMPARE(newAnsText, ansText);
    if (!isNumeric)
        QCOMPARE(value, 0.0);
}

void DateTimeTest::windowReadsTheDateAnsOnlyWhenItIsCurrent()
{
    const auto window = TestSupport::createWindow();
    QString resultText;
    QString newAnsText;
    bool ok = false;
    double value = 0.0;
    bool isNumeric = false;

    MainWindowTestAccess::setAns(*window, 7.0, QStringLiteral("DATE(\"1/31/2024\")"), true);
    QVERIFY(window->EvaluateDateTimeExpression(QStringLiteral("ANS + 1"), resultText, ok, value, isNumeric, newAnsText));
    QVERIFY(ok);
    QCOMPARE(resultText, QStringLiteral("2/1/2024"));
    QCOMPARE(newAnsText, QStringLiteral("DATE(\"2/1/2024\")"));

    // The same text, no longer the last answer: ANS is the number again.
    MainWindowTestAccess::setAns(*window, 7.0, QStringLiteral("DATE(\"1/31/2024\")"), false);
    QVERIFY(!window->EvaluateDateTimeExpression(QStringLiteral("ANS + 1"), resultText, ok, value, isNumeric, newAnsText));
    QVERIFY(window->EvaluateDateTimeExpression(QStringLiteral("TODAY + ANS"), resultText, ok, value, isNumeric, newAnsText));
    QCOMPARE(resultText, QStringLiteral("3/12/2024"));
}

void DateTimeTest::windowLeavesNoOneTimeOutputBase_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("result");

    QTest::newRow("date answer") << "TODAY + HEX(5)" << "3/10/2024";
    QTest::newRow("number answer stays decimal") << "DAY(TODAY) + HEX(5)" << "10";
    QTest::newRow("failed line") << "TODAY + HEX(5) + PI" << "";
}

void DateTimeTest::windowLeavesNoOneTimeOutputBase()
{
    QFETCH(QString, line);
    QFETCH(QString, result);

    const auto window = TestSupport::createWindow();
    QString resultText;
    QString newAnsText;
    bool ok = false;
    double value = 0.0;
    bool isNumeric = false;
    QVERIFY(window->EvaluateDateTimeExpression(line, resultText, ok, value, isNumeric, newAnsText));
    QCOMPARE(resultText, result);

    QVERIFY(!window->property(MainWindow::OneTimeOutputBaseProperty).isValid());
    QCOMPARE(window->FormatAnswer(255.0), QStringLiteral("255"));
}

SUMVELLE_TEST_MAIN(DateTimeTest)
#include "tst_datetime.moc"
