#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <cmath>

class FractionTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void replies_data();
    void replies();
    void ansTakesTheValue_data();
    void ansTakesTheValue();
    void dateTimeAnsIsCleared_data();
    void dateTimeAnsIsCleared();
    void answerIsTheValue_data();
    void answerIsTheValue();
    void noBaseIsLeftForTheNextAnswer();
    void otherLinesAreNotClaimed_data();
    void otherLinesAreNotClaimed();

private:
    void submitAll(const QStringList& lines) const;

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
};

void FractionTest::init()
{
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
}

void FractionTest::cleanup()
{
    pad.reset();
    window.reset();
}

void FractionTest::submitAll(const QStringList& lines) const
{
    for (const QString& line : lines)
        pad->submit(line);
}

void FractionTest::replies_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");

    const QString heading = QStringLiteral("\n\nApproximate Values");
    const QString cannotSolve = QStringLiteral("-Cannot Solve-");

    QTest::newRow("three quarters") << "FRACTION(0.75)" << "3/4" + heading + "\n3/4  0.75              error 0";
    QTest::newRow("a third found by the search")
        << "FRACTION(1/3)" << "1/3" + heading + "\n1/3  0.333333333333    error 0";
    QTest::newRow("a row for every denominator length")
        << "FRACTION(0.1234)"
        << "617/5000" + heading
            + "\n1/8       0.125             error 0.0016"
              "\n10/81     0.123456790123    error 5.67901234568e-05"
              "\n106/859   0.123399301513    error 6.9848661234e-07"
              "\n617/5000  0.1234            error 0";
    // The errors are those of extended precision: the last digits of the
    // five- and six-digit rows differ from exact arithmetic.
    QTest::newRow("pi keeps its exact fraction; 3195/1017 reduces and is dropped")
        << "FRACTION(PI)"
        << "314159265358979/100000000000000" + heading
            + "\n22/7            3.14285714286     error 0.00126448926735"
              "\n311/99          3.14141414141     error 0.000178512175649"
              "\n355/113         3.14159292035     error 2.66764192301e-07"
              "\n312689/99532    3.14159265362     error 2.91466234828e-11"
              "\n3126535/995207  3.14159265359     error 1.13959861513e-12";
    QTest::newRow("negative") << "FRACTION(-0.5)" << "-1/2" + heading + "\n-1/2  -0.5              error 0";
    QTest::newRow("negative above one") << "FRACTION(-2.375)" << "-19/8" + heading + "\n-19/8  -2.375            error 0";
    QTest::newRow("whole number") << "FRACTION(5)" << "5/1" + heading + "\n5/1  5                 error 0";
    QTest::newRow("zero") << "FRACTION(0)" << "0/1" + heading + "\n0/1  0                 error 0";
    QTest::newRow("largest power of ten")
        << "FRACTION(1e18)"
        << "1000000000000000000/1" + heading + "\n1000000000000000000/1  1e+18             error 0";
    // A tiny value is no zero: its best short approximation shows its error.
    QTest::newRow("ten to the minus eighteen")
        << "FRACTION(1e-18)" << "1/1000000000000000000" + heading + "\n0/1  0                 error 1e-18";
    QTest::newRow("ten to the minus fifteen")
        << "FRACTION(1e-15)" << "1/1000000000000000" + heading + "\n0/1  0                 error 1e-15";
    QTest::newRow("lower case with blanks") << "fraction ( 2/8 )" << "1/4" + heading + "\n1/4  0.25              error 0";
    QTest::newRow("nested parentheses belong to the argument")
        << "FRACTION((1+2)/(3*4))" << "1/4" + heading + "\n1/4  0.25              error 0";
    QTest::newRow("blanks after the closing parenthesis")
        << "FRACTION(0.75)   " << "3/4" + heading + "\n3/4  0.75              error 0";

    QTest::newRow("text after the closing parenthesis") << "FRACTION(2)+1" << cannotSolve;
    QTest::newRow("empty argument") << "FRACTION()" << cannotSolve;
    QTest::newRow("blank argument") << "FRACTION(   )" << cannotSolve;
    QTest::newRow("argument that does not evaluate") << "FRACTION(1/0)" << cannotSolve;
    QTest::newRow("argument that is not finite") << "FRACTION(10^400)" << cannotSolve;
    QTest::newRow("numerator past 2^63 - 1") << "FRACTION(1e19)" << cannotSolve;
    QTest::newRow("more than 18 decimal places") << "FRACTION(1.23456789012345e-05)" << cannotSolve;
    QTest::newRow("19 decimal places") << "FRACTION(1e-19)" << cannotSolve;
}

void FractionTest::replies()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);

    pad->submit(line);
    QCOMPARE(pad->text(), line + QLatin1Char('\n') + reply + QLatin1Char('\n'));
    QStringList replyLines = reply.split(QLatin1Char('\n'));
    replyLines.removeAll(QString());
    QCOMPARE(pad->boldRuns(), replyLines);

    // The handler itself never writes the status line.
    pad->editor()->clear();
    pad->statusLabel()->setText(QStringLiteral("untouched"));
    QVERIFY(window->HandleFractionFunction(line));
    QCOMPARE(pad->text(), reply + QLatin1Char('\n'));
    QCOMPARE(pad->status(), QStringLiteral("untouched"));
}

void FractionTest::ansTakesTheValue_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<double>("ans");

    QTest::newRow("a fraction answer") << QStringList{"FRACTION(0.75)"} << 0.75;
    QTest::newRow("the value, not the fraction") << QStringList{"FRACTION(1/3)"} << 1.0 / 3.0;
    QTest::newRow("the value, not the exact text") << QStringList{"FRACTION(PI)"} << M_PI;
    QTest::newRow("a failure keeps ANS") << QStringList{"7", "FRACTION(1e19)"} << 7.0;
    QTest::newRow("a malformed line keeps ANS") << QStringList{"7", "FRACTION(2)+1"} << 7.0;
    QTest::newRow("ANS in the argument") << QStringList{"4", "FRACTION(ANS/8)"} << 0.5;
}

void FractionTest::ansTakesTheValue()
{
    QFETCH(QStringList, lines);
    QFETCH(double, ans);

    submitAll(lines);
    QCOMPARE(MainWindowTestAccess::ans(*window), ans);
}

void FractionTest::dateTimeAnsIsCleared_data()
{
    QTest::addColumn<QString>("dateTimeLine");
    QTest::addColumn<QString>("nextLine");
    QTest::addColumn<QString>("nextAnswer");
    QTest::newRow("after a time") << "9:30 AM" << "ANS + 15" << "15.5";
    QTest::newRow("after a date") << "DATE(\"1/31/2024\")" << "ANS" << "0.5";
}

void FractionTest::dateTimeAnsIsCleared()
{
    QFETCH(QString, dateTimeLine);
    QFETCH(QString, nextLine);
    QFETCH(QString, nextAnswer);

    submitAll({dateTimeLine, "FRACTION(0.5)"});
    QCOMPARE(MainWindowTestAccess::ans(*window), 0.5);
    QCOMPARE(MainWindowTestAccess::ansText(*window), QString());
    QVERIFY(!MainWindowTestAccess::ansIsDateTime(*window));

    // Like any numeric answer, it is the ANS of the next line.
    pad->submit(nextLine);
    QVERIFY2(pad->text().endsWith(nextLine + QLatin1Char('\n') + nextAnswer + QLatin1Char('\n')),
             qPrintable(pad->text()));
}

// The answer is the exact fraction of the digits shown; a simpler one
// replaces it only when it is the same number to those digits.
void FractionTest::answerIsTheValue_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");
    QTest::newRow("ten decimals above a hundred thousand") << "FRACTION(99999.99999)" << "9999999999/100000";
    QTest::newRow("four decimals of a large value") << "FRACTION(31415926.5358)" << "157079632679/5000";
    QTest::newRow("three decimals of a large value") << "FRACTION(123456789.123)" << "123456789123/1000";
    QTest::newRow("tiny value") << "FRACTION(1e-15)" << "1/1000000000000000";
    QTest::newRow("a third is still found") << "FRACTION(1/3)" << "1/3";
    QTest::newRow("a simpler fraction of a large value") << "FRACTION(100000/3)" << "100000/3";
}

void FractionTest::answerIsTheValue()
{
    QFETCH(QString, line);
    QFETCH(QString, answer);

    pad->submit(line);
    QCOMPARE(pad->text().section(QLatin1Char('\n'), 1, 1), answer);
}

void FractionTest::noBaseIsLeftForTheNextAnswer()
{
    QVERIFY(window->HandleFractionFunction(QStringLiteral("FRACTION(HEX(255))")));
    QVERIFY(pad->text().startsWith(QStringLiteral("255/1\n")));
    QCOMPARE(window->FormatAnswer(255.0), QStringLiteral("255"));

    // Through the pad, the next line's preview and answer are decimal too.
    pad->editor()->clear();
    pad->submit(QStringLiteral("FRACTION(HEX(255))"));
    pad->type(QStringLiteral("255"));
    QCOMPARE(pad->status(), QStringLiteral("255 = 255"));
    pad->enter();
    QVERIFY(pad->text().endsWith(QStringLiteral("\n255\n255\n")));
}

void FractionTest::otherLinesAreNotClaimed_data()
{
    QTest::addColumn<QString>("line");

    QTest::newRow("a longer word") << "FRACTIONS(2)";
    QTest::newRow("no parenthesis") << "FRACTION 2";
    QTest::newRow("not at the start") << "x = FRACTION(2)";
    QTest::newRow("the word alone") << "FRACTION";
    QTest::newRow("empty") << "";
}

void FractionTest::otherLinesAreNotClaimed()
{
    QFETCH(QString, line);

    QVERIFY(!window->HandleFractionFunction(line));
    QCOMPARE(pad->text(), QString());
}

SUMVELLE_TEST_MAIN(FractionTest)
#include "tst_fraction.moc"
