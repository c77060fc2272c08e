#include "engine/ProgrammerMath.h"
#include "support/testsupport.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {
constexpr double Limit = 9007199254740991.0;   // 2^53 - 1
constexpr double TwoTo53 = 9007199254740992.0; // 2^53
const double Infinity = std::numeric_limits<double>::infinity();
const double NotANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

class ProgrammerMathTest : public QObject
{
    Q_OBJECT

private slots:
    void safeInteger_data();
    void safeInteger();

    void parseLiteral_data();
    void parseLiteral();
    void parseLiteralFailureKeepsPositionAndValue_data();
    void parseLiteralFailureKeepsPositionAndValue();

    void invalidLiteral_data();
    void invalidLiteral();

    void literalIdentifier_data();
    void literalIdentifier();

    void functions_data();
    void functions();
    void functionFailures_data();
    void functionFailures();
    void foreignNames_data();
    void foreignNames();

    void formatInteger_data();
    void formatInteger();
    void formatIntegerFailure_data();
    void formatIntegerFailure();

    void outputConversion_data();
    void outputConversion();
    void notAnOutputConversion_data();
    void notAnOutputConversion();
};

// ---- Safe integers -----------------------------------------------------------

void ProgrammerMathTest::safeInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("zero") << 0.0 << true;
    QTest::newRow("negative zero") << -0.0 << true;
    QTest::newRow("limit") << Limit << true;
    QTest::newRow("negative limit") << -Limit << true;
    QTest::newRow("one beyond the limit") << TwoTo53 << false;
    QTest::newRow("one beyond the negative limit") << -TwoTo53 << false;
    QTest::newRow("fraction") << 2.5 << false;
    QTest::newRow("tiny fraction") << 1e-300 << false;
    QTest::newRow("huge") << 1e300 << false;
    QTest::newRow("infinity") << Infinity << false;
    QTest::newRow("minus infinity") << -Infinity << false;
    QTest::newRow("not a number") << NotANumber << false;
}

void ProgrammerMathTest::safeInteger()
{
    QFETCH(double, value);
    QFETCH(bool, expected);
    QCOMPARE(ProgrammerMath::IsSafeInteger(value), expected);
}

// ---- Base literals ---------------------------------------------------------

void ProgrammerMathTest::parseLiteral_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("end");

    QTest::newRow("hex") << "0x1F" << 0 << 31.0 << 4;
    QTest::newRow("upper-case prefix, mixed-case digits") << "0X1f" << 0 << 31.0 << 4;
    QTest::newRow("octal") << "0o777" << 0 << 511.0 << 5;
    QTest::newRow("upper-case octal prefix") << "0O17" << 0 << 15.0 << 4;
    QTest::newRow("binary") << "0b101" << 0 << 5.0 << 5;
    QTest::newRow("upper-case binary prefix") << "0B11" << 0 << 3.0 << 4;
    QTest::newRow("zero") << "0x0" << 0 << 0.0 << 3;
    QTest::newRow("leading zeros") << "0b0000101" << 0 << 5.0 << 9;
    QTest::newRow("ends before an operator") << "0x1F + 1" << 0 << 31.0 << 4;
    QTest::newRow("ends before a parenthesis") << "0b11)" << 0 << 3.0 << 4;
    QTest::newRow("ends before a point") << "0x1F.5" << 0 << 31.0 << 4;
    QTest::newRow("inside a line") << "2*(0x10)" << 3 << 16.0 << 7;
    QTest::newRow("hex limit") << "0x1FFFFFFFFFFFFF" << 0 << Limit << 16;
    QTest::newRow("octal limit") << "0o377777777777777777" << 0 << Limit << 20;
    QTest::newRow("binary limit") << "0b" + QString(53, QLatin1Char('1')) << 0 << Limit << 55;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("0x\u0661\u0662") << 0 << 18.0 << 4;
    QTest::newRow("fullwidth digit") << QStringLiteral("0x\uFF13") << 0 << 3.0 << 3;
    QTest::newRow("Devanagari binary digits") << QStringLiteral("0b\u0967\u0966") << 0 << 2.0 << 4;
}

void ProgrammerMathTest::parseLiteral()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(double, expected);
    QFETCH(int, end);

    int position = start;
    double value = -1.0;
    bool prefixSeen = false;
    QVERIFY(ProgrammerMath::TryParseBaseLiteral(text, position, value, prefixSeen));
    QVERIFY(prefixSeen);
    QCOMPARE(value, expected);
    QCOMPARE(position, end);
}

void ProgrammerMathTest::parseLiteralFailureKeepsPositionAndValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("prefixSeen");

    QTest::newRow("prefix alone") << "0x" << 0 << true;
    QTest::newRow("prefix before a blank") << "0x + 1" << 0 << true;
    QTest::newRow("binary with a 2") << "0b102" << 0 << true;
    QTest::newRow("octal with an 8") << "0o8" << 0 << true;
    QTest::newRow("hex glued to a letter") << "0xFFg" << 0 << true;
    QTest::newRow("hex with an underscore") << "0x1_0" << 0 << true;
    QTest::newRow("no digit before a letter") << "0xg" << 0 << true;
    QTest::newRow("hex one beyond the limit") << "0x20000000000000" << 0 << true;
    QTest::newRow("binary one beyond the limit") << "0b1" + QString(53, QLatin1Char('0')) << 0 << true;
    QTest::newRow("octal one beyond the limit") << "0o400000000000000000" << 0 << true;
    QTest::newRow("far beyond the limit") << "0xFFFFFFFFFFFFFFFFFFFF" << 0 << true;
    QTest::newRow("glued to a non-ASCII letter") << QStringLiteral("0x1\u00E9") << 0 << true;
    QTest::newRow("decimal digit too large for binary")
        << QStringLiteral("0b1\u0662") << 0 << true;
    QTest::newRow("no leading zero") << "1x1" << 0 << false;
    QTest::newRow("not a prefix letter") << "0y1" << 0 << false;
    QTest::newRow("decimal number") << "0.5" << 0 << false;
    QTest::newRow("lone zero") << "0" << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("position at the last character") << "10" << 1 << false;
    QTest::newRow("position past the end") << "0x1" << 5 << false;
    QTest::newRow("negative position") << "0x1" << -1 << false;
}

void ProgrammerMathTest::parseLiteralFailureKeepsPositionAndValue()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(bool, prefixSeen);

    int position = start;
    double value = 42.0;
    bool seen = !prefixSeen;
    QVERIFY(!ProgrammerMath::TryParseBaseLiteral(text, position, value, seen));
    QCOMPARE(seen, prefixSeen);
    QCOMPARE(position, start);
    QCOMPARE(value, 42.0);
}

void ProgrammerMathTest::invalidLiteral_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("prefix alone") << "0x" << true;
    QTest::newRow("binary with a 2") << "0b102" << true;
    QTest::newRow("octal with an 8") << "0o8" << true;
    QTest::newRow("hex glued to a letter") << "0xFFg" << true;
    QTest::newRow("hex with an underscore") << "0x1_0" << true;
    QTest::newRow("beyond the limit") << "0x20000000000000" << true;
    QTest::newRow("after an operator") << "2*0xZZ" << true;
    QTest::newRow("after an opening parenthesis") << "(0b2)" << true;
    QTest::newRow("second literal malformed") << "0x1F + 0x" << true;
    QTest::newRow("after a non-ASCII symbol") << QStringLiteral("2\u00F70xZ") << true;

    QTest::newRow("valid hex") << "0x1F + 1" << false;
    QTest::newRow("valid binary in parentheses") << "(0b11)" << false;
    QTest::newRow("valid limit") << "0x1FFFFFFFFFFFFF" << false;
    QTest::newRow("zero after a digit") << "10x" << false;
    QTest::newRow("zero after a letter") << "a0x1" << false;
    QTest::newRow("zero after an underscore") << "_0xZZ" << false;
    QTest::newRow("zero after a point") << "1.0xZZ" << false;
    QTest::newRow("zero after a non-ASCII letter") << QStringLiteral("\u00E90xZZ") << false;
    QTest::newRow("zero after a non-ASCII digit") << QStringLiteral("\u06630xZZ") << false;
    QTest::newRow("no prefix") << "0y + 0" << false;
    QTest::newRow("plain arithmetic") << "1 + 2" << false;
    QTest::newRow("single zero") << "0" << false;
    QTest::newRow("empty") << "" << false;
}

void ProgrammerMathTest::invalidLiteral()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(ProgrammerMath::ContainsInvalidBaseLiteral(text), expected);
}

void ProgrammerMathTest::literalIdentifier_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("expected");

    QTest::newRow("hex prefix letter") << "0x1F" << 1 << true;
    QTest::newRow("upper-case prefix letter") << "0X1f" << 1 << true;
    QTest::newRow("binary in parentheses") << "(0b11)" << 2 << true;
    QTest::newRow("octal after an operator") << "2*0o7" << 3 << true;
    QTest::newRow("prefix letter even when malformed") << "0xyz" << 1 << true;
    QTest::newRow("x of 10x") << "10x" << 2 << false;
    QTest::newRow("x of a0x1") << "a0x1" << 2 << false;
    QTest::newRow("after an underscore") << "_0x1" << 2 << false;
    QTest::newRow("after a point") << ".0x1" << 2 << false;
    QTest::newRow("after a non-ASCII letter") << QStringLiteral("\u00E90x1") << 2 << false;
    QTest::newRow("not a prefix letter") << "0y1" << 1 << false;
    QTest::newRow("no zero before") << "1x" << 1 << false;
    QTest::newRow("index at the zero") << "0x1" << 0 << false;
    QTest::newRow("index at the length") << "0x" << 2 << false;
    QTest::newRow("negative index") << "0x1" << -1 << false;
}

void ProgrammerMathTest::literalIdentifier()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(bool, expected);
    QCOMPARE(ProgrammerMath::IsBaseLiteralIdentifier(text, index), expected);
}

// ---- Bitwise and shift functions ----------------------------------------------

void ProgrammerMathTest::functions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");
    QTest::addColumn<double>("expected");

    QTest::newRow("AND") << "AND" << QList<double>{12, 10} << 8.0;
    QTest::newRow("OR") << "OR" << QList<double>{12, 10} << 14.0;
    QTest::newRow("XOR") << "XOR" << QList<double>{12, 10} << 6.0;
    QTest::newRow("NOT of zero") << "NOT" << QList<double>{0} << -1.0;
    QTest::newRow("AND of minus one") << "AND" << QList<double>{-1, 5} << 5.0;
    QTest::newRow("OR of negatives") << "OR" << QList<double>{-8, 3} << -5.0;
    QTest::newRow("XOR with minus one") << "XOR" << QList<double>{-1, 6} << -7.0;
    QTest::newRow("NOT of the limit") << "NOT" << QList<double>{Limit} << -TwoTo53;
    QTest::newRow("NOT of the negative limit") << "NOT" << QList<double>{-Limit} << Limit - 1;
    QTest::newRow("lower-case name") << "and" << QList<double>{12, 10} << 8.0;
    QTest::newRow("BITAND") << "BITAND" << QList<double>{12, 10} << 8.0;
    QTest::newRow("BITOR") << "BitOr" << QList<double>{12, 10} << 14.0;
    QTest::newRow("BITXOR") << "BITXOR" << QList<double>{12, 10} << 6.0;
    QTest::newRow("BITNOT") << "BITNOT" << QList<double>{5} << -6.0;

    QTest::newRow("SHL to the top count") << "SHL" << QList<double>{1, 52} << 4503599627370496.0;
    QTest::newRow("SHL by zero") << "SHL" << QList<double>{7, 0} << 7.0;
    QTest::newRow("SHL to the limit") << "SHL" << QList<double>{Limit, 0} << Limit;
    QTest::newRow("SHL of a negative") << "SHL" << QList<double>{-3, 2} << -12.0;
    QTest::newRow("SHL of minus one to the top count") << "SHL" << QList<double>{-1, 52} << -4503599627370496.0;
    QTest::newRow("SHL just inside the limit") << "SHL" << QList<double>{2251799813685247, 2} << 9007199254740988.0;
    QTest::newRow("LSHIFT") << "LSHIFT" << QList<double>{3, 4} << 48.0;
    QTest::newRow("SHR") << "SHR" << QList<double>{12, 2} << 3.0;
    QTest::newRow("SHR of a negative rounds down") << "SHR" << QList<double>{-5, 1} << -3.0;
    QTest::newRow("SHR of an even negative") << "SHR" << QList<double>{-4, 1} << -2.0;
    QTest::newRow("SHR of minus one stays minus one") << "SHR" << QList<double>{-1, 52} << -1.0;
    QTest::newRow("SHR of the negative limit") << "SHR" << QList<double>{-Limit, 52} << -2.0;
    QTest::newRow("SHR of the limit") << "SHR" << QList<double>{Limit, 52} << 1.0;
    QTest::newRow("RSHIFT") << "RSHIFT" << QList<double>{255, 4} << 15.0;

    QTest::newRow("BIN keeps the value") << "BIN" << QList<double>{10} << 10.0;
    QTest::newRow("OCT keeps the value") << "OCT" << QList<double>{8} << 8.0;
    QTest::newRow("HEX keeps a negative") << "HEX" << QList<double>{-255} << -255.0;
    QTest::newRow("DEC keeps the limit") << "DEC" << QList<double>{Limit} << Limit;
}

void ProgrammerMathTest::functions()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);
    QFETCH(double, expected);

    double result = -99.0;
    bool ok = false;
    bool handled = false;
    QVERIFY(ProgrammerMath::RunFunction(name, arguments, result, ok, handled));
    QVERIFY(handled);
    QVERIFY(ok);
    QCOMPARE(result, expected);
}

void ProgrammerMathTest::functionFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("arguments");

    QTest::newRow("SHL count above 52") << "SHL" << QList<double>{1, 53};
    QTest::newRow("SHL beyond the limit") << "SHL" << QList<double>{3, 52};
    QTest::newRow("SHL just beyond the limit") << "SHL" << QList<double>{2251799813685248, 2};
    QTest::newRow("SHL of a negative beyond the limit") << "SHL" << QList<double>{-3, 52};
    QTest::newRow("SHL negative count") << "SHL" << QList<double>{1, -1};
    QTest::newRow("SHR count above 52") << "SHR" << QList<double>{5, 53};
    QTest::newRow("SHR negative count") << "RSHIFT" << QList<double>{5, -1};
    QTest::newRow("SHR huge count") << "SHR" << QList<double>{5, Limit};
    QTest::newRow("fractional argument") << "AND" << QList<double>{2.5, 1};
    QTest::newRow("fractional shift count") << "SHL" << QList<double>{1, 0.5};
    QTest::newRow("NOT beyond the limit") << "NOT" << QList<double>{1e16};
    QTest::newRow("one beyond the limit") << "BIN" << QList<double>{TwoTo53};
    QTest::newRow("one beyond the negative limit") << "OR" << QList<double>{-TwoTo53, 0};
    QTest::newRow("infinity") << "XOR" << QList<double>{Infinity, 1};
    QTest::newRow("not a number") << "HEX" << QList<double>{NotANumber};
    QTest::newRow("too few arguments") << "AND" << QList<double>{1};
    QTest::newRow("too many arguments") << "AND" << QList<double>{1, 2, 3};
    QTest::newRow("no arguments") << "NOT" << QList<double>{};
    QTest::newRow("two arguments to NOT") << "NOT" << QList<double>{1, 2};
    QTest::newRow("two arguments to DEC") << "DEC" << QList<double>{1, 2};
}

void ProgrammerMathTest::functionFailures()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, arguments);

    double result = -99.0;
    bool ok = true;
    bool handled = false;
    QVERIFY(ProgrammerMath::RunFunction(name, arguments, result, ok, handled));
    QVERIFY(handled);
    QVERIFY(!ok);
    QCOMPARE(result, 0.0);
}

void ProgrammerMathTest::foreignNames_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("built-in function") << "SIN";
    QTest::newRow("longer name") << "ANDX";
    QTest::newRow("shorter name") << "SH";
    QTest::newRow("empty") << "";
}

void ProgrammerMathTest::foreignNames()
{
    QFETCH(QString, name);

    double result = -99.0;
    bool ok = true;
    bool handled = true;
    QVERIFY(!ProgrammerMath::RunFunction(name, {1, 2}, result, ok, handled));
    QVERIFY(!handled);
    QVERIFY(ok);
    QCOMPARE(result, -99.0);
}

// ---- Writing integers in a base --------------------------------------------

void ProgrammerMathTest::formatInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negative hex") << -255.0 << 16 << "-FF";
    QTest::newRow("zero in binary") << 0.0 << 2 << "0";
    QTest::newRow("negative zero in binary") << -0.0 << 2 << "0";
    QTest::newRow("decimal without exponent") << 1e15 << 10 << "1000000000000000";
    QTest::newRow("negative decimal") << -42.0 << 10 << "-42";
    QTest::newRow("binary") << 255.0 << 2 << "11111111";
    QTest::newRow("negative binary") << -5.0 << 2 << "-101";
    QTest::newRow("octal") << 8.0 << 8 << "10";
    QTest::newRow("hex digits are upper case") << 43981.0 << 16 << "ABCD";
    QTest::newRow("hex limit") << Limit << 16 << "1FFFFFFFFFFFFF";
    QTest::newRow("binary limit") << Limit << 2 << QString(53, QLatin1Char('1'));
    QTest::newRow("octal limit") << Limit << 8 << "377777777777777777";
    QTest::newRow("decimal negative limit") << -Limit << 10 << "-9007199254740991";
    QTest::newRow("hex negative limit") << -Limit << 16 << "-1FFFFFFFFFFFFF";
}

void ProgrammerMathTest::formatInteger()
{
    QFETCH(double, value);
    QFETCH(int, base);
    QFETCH(QString, expected);

    QString text = "untouched";
    QVERIFY(ProgrammerMath::FormatInteger(value, base, text));
    QCOMPARE(text, expected);
}

void ProgrammerMathTest::formatIntegerFailure_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("base");

    QTest::newRow("fraction in hex") << 2.5 << 16;
    QTest::newRow("fraction in decimal") << 2.5 << 10;
    QTest::newRow("fraction in binary") << 2.5 << 2;
    QTest::newRow("beyond the limit") << TwoTo53 << 10;
    QTest::newRow("beyond the negative limit") << -TwoTo53 << 16;
    QTest::newRow("infinity") << Infinity << 2;
    QTest::newRow("not a number") << NotANumber << 8;
    QTest::newRow("base 3") << 255.0 << 3;
    QTest::newRow("base 0") << 255.0 << 0;
    QTest::newRow("base 36") << 255.0 << 36;
    QTest::newRow("negative base") << 255.0 << -16;
}

void ProgrammerMathTest::formatIntegerFailure()
{
    QFETCH(double, value);
    QFETCH(int, base);

    QString text = "untouched";
    QVERIFY(!ProgrammerMath::FormatInteger(value, base, text));
    QCOMPARE(text, QString("untouched"));
}

// ---- Whole-line output conversions -------------------------------------------

void ProgrammerMathTest::outputConversion_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expectedInner");
    QTest::addColumn<int>("expectedBase");

    QTest::newRow("HEX") << "HEX(255)" << "255" << 16;
    QTest::newRow("lower case with a blank") << "hex (255)" << "255" << 16;
    QTest::newRow("BIN") << "BIN(10)" << "10" << 2;
    QTest::newRow("OCT") << "Oct(8)" << "8" << 8;
    QTest::newRow("DEC of a literal") << "DEC(0xFF)" << "0xFF" << 10;
    QTest::newRow("blanks around and inside") << "  bin(  5 + 5  )  " << "5 + 5" << 2;
    QTest::newRow("nested parentheses") << "HEX((1+2)*(3+4))" << "(1+2)*(3+4)" << 16;
    QTest::newRow("inner function call") << "HEX(AND(12, 10))" << "AND(12, 10)" << 16;
}

void ProgrammerMathTest::outputConversion()
{
    QFETCH(QString, line);
    QFETCH(QString, expectedInner);
    QFETCH(int, expectedBase);

    QString inner;
    int base = -1;
    QVERIFY(ProgrammerMath::TryExtractOutputConversion(line, inner, base));
    QCOMPARE(inner, expectedInner);
    QCOMPARE(base, expectedBase);
}

void ProgrammerMathTest::notAnOutputConversion_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("expectedBase"); // -1: base left untouched

    // The name is recognised, so the base is already set.
    QTest::newRow("more after the call") << "HEX(255) + 1" << 16;
    QTest::newRow("empty call") << "HEX()" << 16;
    QTest::newRow("blank call") << "BIN(   )" << 2;
    QTest::newRow("unclosed call") << "OCT(8" << 8;
    QTest::newRow("second call after the first") << "DEC(1)(2)" << 10;
    QTest::newRow("extra closing parenthesis") << "HEX(1))" << 16;

    // The name is not a conversion.
    QTest::newRow("other function") << "SIN(1)" << -1;
    QTest::newRow("longer name") << "HEXA(1)" << -1;
    QTest::newRow("conversion inside an expression") << "1 + HEX(1)" << -1;
    QTest::newRow("opening parenthesis first") << "(HEX(255))" << -1;
    QTest::newRow("no parenthesis") << "HEX 255" << -1;
    QTest::newRow("empty line") << "" << -1;
    QTest::newRow("blank line") << "   " << -1;
}

void ProgrammerMathTest::notAnOutputConversion()
{
    QFETCH(QString, line);
    QFETCH(int, expectedBase);

    QString inner;
    int base = -1;
    QVERIFY(!ProgrammerMath::TryExtractOutputConversion(line, inner, base));
    QCOMPARE(base, expectedBase);
}

SUMVELLE_TEST_MAIN(ProgrammerMathTest)

#include "tst_programmermath.moc"
