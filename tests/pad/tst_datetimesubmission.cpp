#include "engine/DateTime.h"
#include "pad/mainwindow.h"
#include "support/testsupport.h"

#include <ctime>

// Date and time lines typed into the pad: the answer, the status line and
// what becomes of ANS and the date/time ANS text.

struct MainWindowTestAccess
{
    static double ans(const MainWindow& window) { return window.ans; }
    static QString ansText(const MainWindow& window) { return window.ansText; }
    static bool ansIsDateTime(const MainWindow& window) { return window.ansIsDateTime; }
};

class DateTimeSubmissionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void answers_data();
    void answers();

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

SUMVELLE_TEST_MAIN(DateTimeSubmissionTest)
#include "tst_datetimesubmission.moc"
