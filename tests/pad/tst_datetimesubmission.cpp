#include "engine/DateTime.h"
#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <ctime>

// Date and time lines typed into the pad: the answer, the status line and
// what becomes of ANS and the date/time ANS text.

class DateTimeSubmissionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void answers_data();
    void answers();
    void dateTimeAnsKeepsItsMoment_data();
    void dateTimeAnsKeepsItsMoment();

private:
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void DateTimeSubmissionTest::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
}

void DateTimeSubmissionTest::init()
{
    // Today is Tuesday 3/5/2024, 2:30:15 PM.
    SetDateTimeLanguageClock([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15), Qt::LocalTime); });
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void DateTimeSubmissionTest::cleanup()
{
    pad.reset();
    window.reset();
    SetDateTimeLanguageClock({});
    qputenv("TZ", "UTC");
    tzset();
}

void DateTimeSubmissionTest::answers_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("lastReply");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("ans");
    QTest::addColumn<QString>("ansText");
    QTest::addColumn<bool>("ansIsDateTime");

    const QString tomorrow = QStringLiteral("DATE(\"3/6/2024\")");

    QTest::newRow("date answer keeps the numeric ANS")
        << QStringList{"7", "TODAY + 1"} << "3/6/2024" << true << "Value = 3/6/2024" << 7.0 << tomorrow << true;
    QTest::newRow("date ANS read back")
        << QStringList{"TODAY + 1", "ANS + 1"} << "3/7/2024" << true << "Value = 3/7/2024" << 0.0
        << "DATE(\"3/7/2024\")" << true;
    QTest::newRow("date ANS alone") << QStringList{"TODAY + 1", "ans"} << "3/6/2024" << true << "Value = 3/6/2024"
                                    << 0.0 << tomorrow << true;
    QTest::newRow("clock-time ANS") << QStringList{"9:30 AM", "ANS + 15"} << "9:45 AM" << true << "Value = 9:45 AM"
                                    << 0.0 << "9:45 AM" << true;
    QTest::newRow("duration ANS keeps its seconds")
        << QStringList{"1:30:00 * 2", "ANS / 4"} << "0:45:00" << true << "Value = 0:45:00" << 0.0 << "0:45:00" << true;
    QTest::newRow("numeric date answer sets ANS and forgets the date")
        << QStringList{"TODAY + 1", "DAYS(TODAY, ANS)"} << "1" << true << "Value = 1" << 1.0 << "" << false;
    QTest::newRow("text answer leaves the date ANS")
        << QStringList{"TODAY + 1", "WEEKDAY(ANS)"} << "Wednesday" << true << "Value = Wednesday" << 0.0 << tomorrow
        << true;
    QTest::newRow("numeric answer forgets the date ANS")
        << QStringList{"TODAY + 1", "2 + 3"} << "5" << true << "Value = 5" << 5.0 << "" << false;
    QTest::newRow("numeric ANS inside a date line")
        << QStringList{"5", "TODAY + ANS"} << "3/10/2024" << true << "Value = 3/10/2024" << 5.0
        << "DATE(\"3/10/2024\")" << true;
    QTest::newRow("claimed line that fails is not retried")
        << QStringList{"TODAY + 1", "13:00 PM"} << "-Cannot Solve-" << false << "Cannot Solve" << 0.0 << tomorrow
        << true;
    QTest::newRow("failed date line keeps the numeric ANS")
        << QStringList{"4", "TODAY + PI"} << "-Cannot Solve-" << false << "Cannot Solve" << 4.0 << "" << false;
    QTest::newRow("no hexadecimal after HEX inside a date line")
        << QStringList{"TODAY + HEX(5)", "255"} << "255" << true << "Value = 255" << 255.0 << "" << false;
    QTest::newRow("date past year 9999 fails and keeps the date ANS")
        << QStringList{"DATE(\"12/31/9999\")", "ANS + 1"} << "-Cannot Solve-" << false << "Cannot Solve" << 0.0
        << "DATE(\"12/31/9999\")" << true;
    QTest::newRow("date before year 1 fails")
        << QStringList{"3", "DATE(\"1/1/0001\") - 1"} << "-Cannot Solve-" << false << "Cannot Solve" << 3.0 << ""
        << false;
}

void DateTimeSubmissionTest::answers()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, lastReply);
    QFETCH(bool, bold);
    QFETCH(QString, status);
    QFETCH(double, ans);
    QFETCH(QString, ansText);
    QFETCH(bool, ansIsDateTime);

    for (const QString& line : lines)
        pad->submit(line);
    const QStringList padLines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(padLines.at(padLines.size() - 2), lastReply);
    QCOMPARE(padLines.last(), QString());
    QCOMPARE(pad->boldRuns().contains(lastReply), bold);
    QCOMPARE(pad->status(), status);
    QCOMPARE(MainWindowTestAccess::ans(*window), ans);
    QCOMPARE(MainWindowTestAccess::ansText(*window), ansText);
    QCOMPARE(MainWindowTestAccess::ansIsDateTime(*window), ansIsDateTime);
}

// The night the clocks go back a local time occurs twice, and the ANS text
// names both: an hour on from ANS must be an hour on from the answer's own
// moment, also after Undo has brought an older answer with the same text back.
void DateTimeSubmissionTest::dateTimeAnsKeepsItsMoment_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("undosBeforeLastLine");
    QTest::addColumn<QString>("lastReply");

    const QString firstHalfPastOne = QStringLiteral("DATE(\"11/3/2024 12:30 AM\") + 1:00");
    const QString secondHalfPastOne = QStringLiteral("DATE(\"11/3/2024 12:30 AM\") + 2:00");
    QTest::newRow("New York: an hour after the second 1:30 AM")
        << QByteArray("America/New_York") << QStringList{secondHalfPastOne, "ANS + 1:00"} << 0 << "11/3/2024 2:30 AM";
    QTest::newRow("New York: an hour after the first 1:30 AM is the second")
        << QByteArray("America/New_York") << QStringList{firstHalfPastOne, "ANS + 1:00"} << 0 << "11/3/2024 1:30 AM";
    QTest::newRow("Berlin: an hour after the first 2:30 AM is the second")
        << QByteArray("Europe/Berlin") << QStringList{"DATE(\"10/27/2024 1:30 AM\") + 1:00", "ANS + 1:00"} << 0
        << "10/27/2024 2:30 AM";
    QTest::newRow("New York: Undo brings back the first 1:30 AM")
        << QByteArray("America/New_York") << QStringList{firstHalfPastOne, secondHalfPastOne, "ANS + 1:00"} << 1
        << "11/3/2024 1:30 AM";
}

void DateTimeSubmissionTest::dateTimeAnsKeepsItsMoment()
{
    QFETCH(QByteArray, zone);
    QFETCH(QStringList, lines);
    QFETCH(int, undosBeforeLastLine);
    QFETCH(QString, lastReply);
    qputenv("TZ", zone);
    tzset();

    for (int i = 0; i + 1 < lines.size(); ++i)
        pad->submit(lines.at(i));
    for (int i = 0; i < undosBeforeLastLine; ++i)
        window->UndoPadState();
    pad->submit(lines.last());

    const QStringList padLines = pad->text().split(QLatin1Char('\n'));
    QCOMPARE(padLines.at(padLines.size() - 2), lastReply);
    QCOMPARE(pad->status(), QStringLiteral("Value = ") + lastReply);
}

SUMVELLE_TEST_MAIN(DateTimeSubmissionTest)
#include "tst_datetimesubmission.moc"
