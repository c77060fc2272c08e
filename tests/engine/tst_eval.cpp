#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <cmath>

// The expression parser and the built-in function library, driven through
// MainWindow::Eval as every caller does.
class EvalTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void values_data();
    void values();
    void failures_data();
    void failures();
    void functions_data();
    void functions();
    void functionFailures_data();
    void functionFailures();

    void unicodeDigitsReadByValue_data();
    void unicodeDigitsReadByValue();
    void deepNesting_data();
    void deepNesting();
    void negativeZeroSurvivesSqrt();
    void failureResetsNextParse();

private:
    std::unique_ptr<MainWindow> window;
    void addValueColumns();
    void checkValue();
    void checkFailure();
};

void EvalTest::initTestCase()
{
    window = TestSupport::createWindow();
}

void EvalTest::addValueColumns()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("expected");
    // 0 asks for the exact double; otherwise the relative tolerance.
    QTest::addColumn<double>("tolerance");
}

void EvalTest::checkValue()
{
    QFETCH(QString, input);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    bool ok = false;
    const double value = window->Eval(input, ok);
    QVERIFY2(ok, qPrintable(QStringLiteral("'%1' failed").arg(input)));
    if (tolerance == 0.0) {
        QVERIFY2(value == expected, qPrintable(QStringLiteral("'%1' gave %2, expected %3")
                                                   .arg(input)
                                                   .arg(value, 0, 'g', 17)
                                                   .arg(expected, 0, 'g', 17)));
    } else {
        QVERIFY2(std::fabs(value - expected) <= tolerance * std::fabs(expected),
                 qPrintable(QStringLiteral("'%1' gave %2, expected about %3")
                                .arg(input)
                                .arg(value, 0, 'g', 17)
                                .arg(expected, 0, 'g', 17)));
    }
}

void EvalTest::checkFailure()
{
    QFETCH(QString, input);
    bool ok = true;
    const double value = window->Eval(input, ok);
    QVERIFY2(!ok, qPrintable(QStringLiteral("'%1' gave %2 instead of failing").arg(input).arg(value, 0, 'g', 17)));
    QCOMPARE(value, 0.0);
}

void EvalTest::values_data()
{
    addValueColumns();
    const double pi = 3.141592653589793;
    const double e = 2.718281828459045;

    QTest::newRow("power is right-associative") << "2^3^2" << 512.0 << 0.0;
    QTest::newRow("sign applies after power") << "-2^2" << -4.0 << 0.0;
    QTest::newRow("signed exponent") << "2^-1" << 0.5 << 0.0;
    QTest::newRow("parenthesised base") << "(-2)^2" << 4.0 << 0.0;
    QTest::newRow("precedence") << "1+2*3-4/2" << 5.0 << 0.0;
    QTest::newRow("left-associative minus") << "10-4-3" << 3.0 << 0.0;
    QTest::newRow("left-associative divide") << "64/4/2" << 8.0 << 0.0;
    QTest::newRow("division sign") << QString::fromUtf8("2÷4") << 0.5 << 0.0;
    QTest::newRow("zero dividend") << "0/5" << 0.0 << 0.0;

    QTest::newRow("postfix before power") << "3!^2" << 36.0 << 0.0;
    QTest::newRow("factorial in exponent") << "2^3!" << 64.0 << 0.0;
    QTest::newRow("minus after factorial") << "-3!" << -6.0 << 0.0;
    QTest::newRow("zero factorial") << "0!" << 1.0 << 0.0;
    QTest::newRow("one factorial") << "1!" << 1.0 << 0.0;
    QTest::newRow("largest factorial") << "170!" << 7.257415615307994e306 << 1e-15;
    QTest::newRow("blank before factorial") << "5 !" << 120.0 << 0.0;

    QTest::newRow("percent") << "50%" << 0.5 << 0.0;
    QTest::newRow("percent in sum") << "100+10%" << 100.1 << 0.0;
    QTest::newRow("double percent") << "3%%" << 0.03 / 100.0 << 0.0;

    QTest::newRow("implicit product with group") << "2(3+4)" << 14.0 << 0.0;
    QTest::newRow("two groups") << "(1+2)(3+4)" << 21.0 << 0.0;
    QTest::newRow("implicit product with constant") << "2PI" << 2 * pi << 0.0;
    QTest::newRow("blank before constant") << "2 PI" << 2 * pi << 0.0;
    QTest::newRow("constant then group") << "PI(2)" << pi * 2 << 0.0;
    QTest::newRow("implicit product with function") << "2SQRT(4)" << 4.0 << 0.0;
    QTest::newRow("lower-case pi") << "pi" << pi << 0.0;
    QTest::newRow("mixed-case pi") << "Pi" << pi << 0.0;
    QTest::newRow("lower-case euler") << "euler" << e << 0.0;
    QTest::newRow("number then EULER") << "2EULER" << 2 * e << 0.0;
    QTest::newRow("blank before call parenthesis") << "SIN (0)" << 0.0 << 0.0;

    QTest::newRow("leading point") << ".5" << 0.5 << 0.0;
    QTest::newRow("trailing point") << "5." << 5.0 << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0 << 0.0;
    QTest::newRow("negative exponent") << "1E-3" << 0.001 << 0.0;
    QTest::newRow("positive exponent") << "2.5e+2" << 250.0 << 0.0;
    QTest::newRow("two-digit exponent") << "1e99" << 1e99 << 0.0;
    QTest::newRow("three-digit exponent") << "1.5e300" << 1.5e300 << 0.0;
    QTest::newRow("seventy-digit fraction") << "0." + QString(70, QLatin1Char('0')) + "1" << 1e-71 << 0.0;
    QTest::newRow("blanks everywhere") << "  ( 1 +\t2 ) * 3  " << 9.0 << 0.0;
    QTest::newRow("no-break space") << QString::fromUtf8("1\u00A0+\u00A02") << 3.0 << 0.0;

    QTest::newRow("many plus signs") << "++++3" << 3.0 << 0.0;
    QTest::newRow("two minus signs") << "--3" << 3.0 << 0.0;
    QTest::newRow("three signs") << "-+-+-3" << -3.0 << 0.0;
    QTest::newRow("sign after operator") << "5*-2" << -10.0 << 0.0;

    QTest::newRow("hex literal") << "0x1F + 1" << 32.0 << 0.0;
    QTest::newRow("upper-case prefix") << "0X1f" << 31.0 << 0.0;
    QTest::newRow("octal literal") << "0o777" << 511.0 << 0.0;
    QTest::newRow("binary literal") << "0b101" << 5.0 << 0.0;
    QTest::newRow("largest literal") << "0x1FFFFFFFFFFFFF" << 9007199254740991.0 << 0.0;
    QTest::newRow("literal in parentheses") << "(0b11)" << 3.0 << 0.0;
    QTest::newRow("negated literal") << "-0x10" << -16.0 << 0.0;
    QTest::newRow("conversion inside expression") << "BIN(10) + 1" << 11.0 << 0.0;
    QTest::newRow("conversion plus one") << "HEX(255) + 1" << 256.0 << 0.0;
    QTest::newRow("bitwise and") << "AND(12, 10)" << 8.0 << 0.0;
    QTest::newRow("arithmetic shift") << "SHR(-5, 1)" << -3.0 << 0.0;
}

void EvalTest::values()
{
    checkValue();
}

void EvalTest::failures_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("lone opening parenthesis") << "(";
    QTest::newRow("unclosed group") << "(1+2";
    QTest::newRow("trailing parenthesis") << "1+2)";
    QTest::newRow("ends in operator") << "1+";
    QTest::newRow("ends in sign") << "--";
    QTest::newRow("two numbers side by side") << "2 3";
    QTest::newRow("underscore after number") << "2_";
    QTest::newRow("name without call") << "PI2";
    QTest::newRow("unknown bare name") << "X";
    QTest::newRow("divide by zero") << "1/0";
    QTest::newRow("divide by zero group") << "1/(2-2)";
    QTest::newRow("divide by negative zero") << "1/-0";
    QTest::newRow("divide sign by zero") << QString::fromUtf8("1÷0");
    QTest::newRow("negative factorial") << "(-1)!";
    QTest::newRow("fractional factorial") << "2.5!";
    QTest::newRow("factorial too large") << "171!";
    QTest::newRow("literal beyond the largest double") << "1e999";
    QTest::newRow("lone point") << ".";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("exponent without digits") << "2e";
    QTest::newRow("unicode minus is no operator") << QString::fromUtf8("5\u22122");
    QTest::newRow("missing argument separator") << "ATAN2(1 2)";
    QTest::newRow("empty trailing argument") << "ATAN2(1,)";
    QTest::newRow("empty leading argument") << "ATAN2(,1)";
    QTest::newRow("unclosed call") << "SIN(1";
    QTest::newRow("bare prefix") << "0x";
    QTest::newRow("binary digit out of range") << "0b102";
    QTest::newRow("octal digit out of range") << "0o8";
    QTest::newRow("letter after hex digits") << "0xFFg";
    QTest::newRow("underscore in literal") << "0x1_0";
    QTest::newRow("literal beyond safe range") << "0x20000000000000";
}

void EvalTest::failures()
{
    checkFailure();
}

void EvalTest::functions_data()
{
    addValueColumns();
    const double pi = 3.141592653589793;

    QTest::newRow("ROUND nearest") << "ROUND(234.7)" << 235.0 << 0.0;
    QTest::newRow("ROUND half away from zero, negative") << "ROUND(-2.5)" << -3.0 << 0.0;
    QTest::newRow("ROUND half away from zero") << "ROUND(2.5)" << 3.0 << 0.0;
    QTest::newRow("ROUND two places") << "ROUND(2, 3.141527)" << 3.14 << 0.0;
    QTest::newRow("ROUND four places") << "ROUND(4, 3.141527)" << 3.1415 << 0.0;
    QTest::newRow("ROUND zero places") << "ROUND(0, 3.7)" << 4.0 << 0.0;
    QTest::newRow("ROUND fifteen places") << "ROUND(15, 1)" << 1.0 << 0.0;

    QTest::newRow("DEG of ATAN2 first quadrant") << "DEG(ATAN2(1, 1))" << 45.0 << 1e-15;
    QTest::newRow("DEG of ATAN2 y first") << "DEG(ATAN2(1, -1))" << 135.0 << 1e-15;
    QTest::newRow("RAD") << "RAD(180)" << pi << 0.0;
    QTest::newRow("DEG") << "DEG(PI)" << 180.0 << 1e-15;

    QTest::newRow("SQRT zero") << "SQRT(0)" << 0.0 << 0.0;
    QTest::newRow("SQRT") << "SQRT(16)" << 4.0 << 0.0;
    QTest::newRow("ASIN one") << "ASIN(1)" << pi / 2 << 0.0;
    QTest::newRow("ACOS") << "ACOS(1)" << 0.0 << 0.0;
    QTest::newRow("ATAN") << "ATAN(1)" << pi / 4 << 0.0;
    QTest::newRow("SIN") << "SIN(PI/2)" << 1.0 << 0.0;
    QTest::newRow("COS") << "COS(0)" << 1.0 << 0.0;
    QTest::newRow("TAN") << "TAN(0)" << 0.0 << 0.0;
    QTest::newRow("LOG") << "LOG(1000)" << 3.0 << 0.0;
    QTest::newRow("LN") << "LN(EULER)" << 1.0 << 1e-15;
    QTest::newRow("EXP") << "EXP(0)" << 1.0 << 0.0;
    QTest::newRow("ABS") << "ABS(-7.5)" << 7.5 << 0.0;
    QTest::newRow("FLOOR negative") << "FLOOR(-1.5)" << -2.0 << 0.0;
    QTest::newRow("CEIL negative") << "CEIL(-1.5)" << -1.0 << 0.0;
    QTest::newRow("lower-case name") << "sqrt(9)" << 3.0 << 0.0;
    QTest::newRow("name upper-cased by Unicode rules") << QString::fromUtf8("ſqrt(9)") << 3.0 << 0.0;
    QTest::newRow("more arguments than fit on the stack") << "SUM(1, 2, 3, 4, 5, 6, 7, 8, 9, 10)" << 55.0 << 0.0;
    QTest::newRow("a function that sorts its arguments") << "MEDIAN(9, 1, 5) + MEDIAN(4, 8, 6)" << 11.0 << 0.0;

    QTest::newRow("SIGN negative") << "SIGN(-7)" << -1.0 << 0.0;
    QTest::newRow("SIGN zero") << "SIGN(0)" << 0.0 << 0.0;
    QTest::newRow("SIGN positive") << "SIGN(3)" << 1.0 << 0.0;

    QTest::newRow("GCD") << "GCD(48, 18)" << 6.0 << 0.0;
    QTest::newRow("GCD negative") << "GCD(-48, 18)" << 6.0 << 0.0;
    QTest::newRow("GCD with zero") << "GCD(0, 5)" << 5.0 << 0.0;
    QTest::newRow("GCD of zeros") << "GCD(0, 0)" << 0.0 << 0.0;
    QTest::newRow("LCM") << "LCM(12, 18)" << 36.0 << 0.0;
    QTest::newRow("LCM negative") << "LCM(-4, 6)" << 12.0 << 0.0;
    QTest::newRow("LCM with zero") << "LCM(0, 5)" << 0.0 << 0.0;
    QTest::newRow("LCM of large coprimes within range")
        << "LCM(9007199254740991, 1024)" << 9007199254740991.0 * 1024.0 << 0.0;
}

void EvalTest::functions()
{
    checkValue();
}

void EvalTest::functionFailures_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("ROUND sixteen places") << "ROUND(16, 1)";
    QTest::newRow("ROUND negative places") << "ROUND(-1, 1)";
    QTest::newRow("ROUND fractional places") << "ROUND(1.5, 1)";
    QTest::newRow("ROUND scaled overflow") << "ROUND(15, 1e300)";
    QTest::newRow("SQRT negative") << "SQRT(-1)";
    QTest::newRow("LOG zero") << "LOG(0)";
    QTest::newRow("LN negative") << "LN(-1)";
    QTest::newRow("ASIN out of range") << "ASIN(1.5)";
    QTest::newRow("ACOS out of range") << "ACOS(-1.5)";
    QTest::newRow("EXP overflow") << "EXP(1000)";
    QTest::newRow("non-finite argument") << "SIN(10^400)";
    QTest::newRow("GCD fractional") << "GCD(2.5, 5)";
    QTest::newRow("GCD above safe range") << "GCD(1e16, 2)";
    QTest::newRow("LCM product beyond 64 bits") << "LCM(9007199254740991, 9007199254740990)";
    QTest::newRow("ATAN2 non-finite") << "ATAN2(10^400, 1)";
    QTest::newRow("two arguments to SIN") << "SIN(1, 2)";
    QTest::newRow("unknown function") << "FOO(1)";
    QTest::newRow("unknown long name") << "ABCDEFGHIJKLMNOPQRSTUVWXYZSIN(1)";
    QTest::newRow("no arguments") << "SIN()";
    QTest::newRow("three arguments") << "ATAN2(1, 2, 3)";
    QTest::newRow("programmer function, fractional") << "AND(2.5, 1)";
    QTest::newRow("programmer function, too large") << "NOT(1e16)";
    QTest::newRow("programmer function, one argument short") << "AND(1)";
    QTest::newRow("shift count above 52") << "SHL(1, 53)";
}

void EvalTest::functionFailures()
{
    checkFailure();
}

void EvalTest::unicodeDigitsReadByValue_data()
{
    addValueColumns();
    QTest::newRow("Arabic-Indic three") << QString::fromUtf8("٣") << 3.0 << 0.0;
    QTest::newRow("fullwidth three") << QString::fromUtf8("３") << 3.0 << 0.0;
    QTest::newRow("Devanagari with point") << QString::fromUtf8("१२.५") << 12.5 << 0.0;
    QTest::newRow("mixed digits in sum") << QString::fromUtf8("１+٢") << 3.0 << 0.0;
    QTest::newRow("exponent digits") << QString::fromUtf8("1e٢") << 100.0 << 0.0;
}

void EvalTest::unicodeDigitsReadByValue()
{
    checkValue();
}

void EvalTest::deepNesting_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<double>("expected");

    QTest::newRow("100000 parentheses fail cleanly")
        << QString(100000, QLatin1Char('(')) + "1" + QString(100000, QLatin1Char(')')) << false << 0.0;
    QTest::newRow("100000 minus signs") << QString(100000, QLatin1Char('-')) + "5" << true << 5.0;
    QTest::newRow("100001 minus signs") << QString(100001, QLatin1Char('-')) + "5" << true << -5.0;
    QTest::newRow("100000 plus signs") << QString(100000, QLatin1Char('+')) + "5" << true << 5.0;
    QString powers;
    for (int i = 0; i < 50000; ++i)
        powers += QLatin1String("2^");
    QTest::newRow("50000 chained powers fail cleanly") << powers + "1" << false << 0.0;
    QString calls;
    for (int i = 0; i < 50000; ++i)
        calls += QLatin1String("ABS(");
    QTest::newRow("50000 nested calls fail cleanly")
        << calls + "1" + QString(50000, QLatin1Char(')')) << false << 0.0;
    QTest::newRow("100 nested parentheses still work")
        << QString(100, QLatin1Char('(')) + "7" + QString(100, QLatin1Char(')')) << true << 7.0;
    QString somePowers;
    for (int i = 0; i < 100; ++i)
        somePowers += QLatin1String("1^");
    QTest::newRow("100 chained powers still work") << somePowers + "2" << true << 1.0;
}

void EvalTest::deepNesting()
{
    QFETCH(QString, input);
    QFETCH(bool, succeeds);
    QFETCH(double, expected);
    bool ok = !succeeds;
    const double value = window->Eval(input, ok);
    QCOMPARE(ok, succeeds);
    QCOMPARE(value, expected);
}

void EvalTest::negativeZeroSurvivesSqrt()
{
    bool ok = false;
    const double value = window->Eval(QStringLiteral("SQRT(-0)"), ok);
    QVERIFY(ok);
    QCOMPARE(value, 0.0);
    QVERIFY(std::signbit(value));
}

void EvalTest::failureResetsNextParse()
{
    bool ok = true;
    window->Eval(QStringLiteral("1/0"), ok);
    QVERIFY(!ok);
    const double value = window->Eval(QStringLiteral("1+1"), ok);
    QVERIFY(ok);
    QCOMPARE(value, 2.0);
}

SUMVELLE_TEST_MAIN(EvalTest)
#include "tst_eval.moc"
