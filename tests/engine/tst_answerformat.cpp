#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <QAction>

#include <cmath>

class AnswerFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void snap_data();
    void snap();
    void numberFormat_data();
    void numberFormat();
    void sections_data();
    void sections();
    void scientific_data();
    void scientific();
    void germanDefaultLocale();
    void outputBase_data();
    void outputBase();
    void oneTimeBase_data();
    void oneTimeBase();
};

void AnswerFormatTest::snap_data()
{
    QTest::addColumn<double>("value");
    // The size of what went into the value; 0 when only the value is known.
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<QString>("answer");
    const double pi = 3.141592653589793;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << 0.3 << "0.3";
    QTest::newRow("0.1 + 0.2 - 0.3") << 0.1 + 0.2 - 0.3 << 0.3 << "0";
    QTest::newRow("one third is not snapped") << 1.0 / 3.0 << 0.0 << "0.333333333333333";
    QTest::newRow("two hundred thirds snaps at the twelfth decimal") << 200.0 / 3.0 << 0.0 << "66.666666666667";
    QTest::newRow("sine of pi") << std::sin(pi) << pi << "0";
    QTest::newRow("sine of minus pi is not -0") << std::sin(-pi) << pi << "0";
    QTest::newRow("negative zero") << -0.0 << 0.0 << "0";
    QTest::newRow("one ulp below 255") << std::nextafter(255.0, 0.0) << 0.0 << "255";
    QTest::newRow("tolerance grows with magnitude") << 123456.789 + 1e-10 << 0.0 << "123456.789";
    QTest::newRow("large value keeps its exponent") << 1e20 << 0.0 << "1e+20";
    QTest::newRow("negative") << -2.5 << 0.0 << "-2.5";
    QTest::newRow("infinity passes through") << qInf() << 0.0 << "inf";
    QTest::newRow("small value alone") << 6.626e-34 << 0.0 << "6.626e-34";
    QTest::newRow("small value of small operands") << std::pow(2.0, -50) << 2.0 * std::pow(2.0, -50)
                                                   << "8.88178419700125e-16";
    QTest::newRow("small reciprocal keeps its digits") << 1.0 / 496713 << 0.0 << "2.01323500693559e-06";
}

void AnswerFormatTest::snap()
{
    QFETCH(double, value);
    QFETCH(double, magnitude);
    QFETCH(QString, answer);
    QCOMPARE(MainWindow::FormatWithNumberFormat(MainWindow::SnapToShortDecimal(value, magnitude), QString()), answer);
}

void AnswerFormatTest::numberFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("answer");
    QTest::newRow("money") << "$#,###,##0.00" << 1234567.891 << "$1,234,567.89";
    QTest::newRow("money below one") << "$#,###,##0.00" << 0.5 << "$0.50";
    QTest::newRow("money negative keeps sign after prefix") << "$#,###,##0.00" << -1234.5 << "$-1,234.50";
    QTest::newRow("large numbers") << "#,###,##0." << 1234.56 << "1,235";
    QTest::newRow("large numbers below one half") << "#,###,##0." << 0.4 << "0";
    QTest::newRow("optional decimal trimmed") << "0.0#" << 2.0 << "2.0";
    QTest::newRow("optional decimals and point trimmed") << "#.##" << 2.0 << "2";
    QTest::newRow("optional integer digit keeps leading zero") << "#.##" << 0.5 << "0.5";
    QTest::newRow("zero padding") << "000" << 7.0 << "007";
    QTest::newRow("zero padding keeps sign first") << "000" << -7.0 << "-007";
    QTest::newRow("percent") << "0.00%" << 0.1234 << "12.34%";
    QTest::newRow("thousands scaling") << "#,##0," << 1234567.0 << "1,235";
    QTest::newRow("millions scaling") << "0,," << 2600000.0 << "3";
    QTest::newRow("commas after the point do not scale") << "0.0,," << 2500000.0 << "2500000.0";
    QTest::newRow("literal suffix") << "0.00 kg" << 3.0 << "3.00 kg";
    QTest::newRow("literal prefix") << "USD 0" << 42.0 << "USD 42";
    QTest::newRow("literals between placeholders are dropped") << "0x0" << 12.0 << "12";
    QTest::newRow("no placeholder") << "General" << 12.5 << "General";
    QTest::newRow("grouping without decimals") << "#,##0" << 1234567.0 << "1,234,567";
    QTest::newRow("grouping below a thousand") << "#,##0" << 999.0 << "999";
    QTest::newRow("grouped required zeros") << "#,000" << 5.0 << "005";
    QTest::newRow("grouped required zeros past a group") << "0,000" << 5.0 << "0,005";
    QTest::newRow("grouping beyond 64 bits") << "#,##0" << 1e20 << "100,000,000,000,000,000,000";
    QTest::newRow("rounding half away") << "0" << 2.5 << "3";
}

void AnswerFormatTest::numberFormat()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, answer);
    QCOMPARE(MainWindow::FormatWithNumberFormat(value, format), answer);
}

void AnswerFormatTest::sections_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("answer");
    QTest::newRow("negative section in brackets") << "#,##0.00;(#,##0.00)" << -1234.5 << "(1,234.50)";
    QTest::newRow("two sections, positive") << "#,##0.00;(#,##0.00)" << 1234.5 << "1,234.50";
    QTest::newRow("two sections, zero uses the first") << "0.0;(0.0)" << 0.0 << "0.0";
    QTest::newRow("zero section") << "0;-0;zero" << 0.0 << "zero";
    QTest::newRow("negative section supplies its sign") << "0;-0;zero" << -4.0 << "-4";
    QTest::newRow("positive section") << "0;-0;zero" << 4.0 << "4";
    QTest::newRow("empty negative section") << "0;;0" << -3.0 << "";
    QTest::newRow("sections after the third are unused") << "0;-0;zero;never" << 0.0 << "zero";
    QTest::newRow("NaN uses the zero section") << "0;-0;not a number" << qQNaN() << "not a number";
}

void AnswerFormatTest::sections()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, answer);
    QCOMPARE(MainWindow::FormatWithNumberFormat(value, format), answer);
}

void AnswerFormatTest::scientific_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("answer");
    QTest::newRow("positive exponent") << "0.00E+00" << 12345.0 << "1.23E+04";
    QTest::newRow("negative exponent") << "0.00E+00" << 0.00012 << "1.20E-04";
    QTest::newRow("minus sign only when negative") << "0.0e-0" << 12345.0 << "1.2e4";
    QTest::newRow("minus sign pattern, negative exponent") << "0.0e-0" << 0.012 << "1.2e-2";
    QTest::newRow("percent and literals ignored") << "0.0E+0%" << 12345.0 << "1.2E+4";
    QTest::newRow("optional decimals are not trimmed") << "#.##E+0" << 2.0 << "2.00E+0";
    QTest::newRow("negative mantissa") << "0.0E+00" << -250.0 << "-2.5E+02";
    QTest::newRow("three-digit exponent") << "0E+0" << 1e200 << "1E+200";
}

void AnswerFormatTest::scientific()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, answer);
    QCOMPARE(MainWindow::FormatNumberSection(value, format), answer);
}

// Whatever locale the program runs under, answers keep the point and the
// comma of English (United States).
void AnswerFormatTest::germanDefaultLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString grouped = MainWindow::FormatWithNumberFormat(1234567.891, QStringLiteral("$#,###,##0.00"));
    const QString plain = MainWindow::FormatWithNumberFormat(2.5, QString());
    const QString fixed = MainWindow::FormatWithNumberFormat(2.5, QStringLiteral("0.00"));
    QLocale::setDefault(previous);
    QCOMPARE(grouped, QStringLiteral("$1,234,567.89"));
    QCOMPARE(plain, QStringLiteral("2.5"));
    QCOMPARE(fixed, QStringLiteral("2.50"));
}

void AnswerFormatTest::outputBase_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("answer");
    QTest::newRow("snapped before the base") << "actionOutputBaseHexadecimal" << "" << std::nextafter(255.0, 0.0) << "FF";
    QTest::newRow("negative binary") << "actionOutputBaseBinary" << "" << -5.0 << "-101";
    QTest::newRow("octal") << "actionOutputBaseOctal" << "" << 64.0 << "100";
    QTest::newRow("fraction falls through") << "actionOutputBaseHexadecimal" << "" << 2.5 << "2.5";
    QTest::newRow("fraction falls through to the format")
        << "actionOutputBaseHexadecimal" << "0.00" << 2.5 << "2.50";
    QTest::newRow("safe limit") << "actionOutputBaseHexadecimal" << "" << 9007199254740991.0 << "1FFFFFFFFFFFFF";
    QTest::newRow("beyond the safe limit") << "actionOutputBaseHexadecimal" << "" << 9007199254740992.0
                                           << "9.00719925474099e+15";
    QTest::newRow("infinity falls through") << "actionOutputBaseBinary" << "" << qInf() << "inf";
    QTest::newRow("decimal uses the format") << "actionOutputBaseDecimal" << "#,##0" << 255.0 << "255";
    QTest::newRow("decimal without format") << "actionOutputBaseDecimal" << "" << 1e15 << "1e+15";
}

void AnswerFormatTest::outputBase()
{
    QFETCH(QString, action);
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, answer);
    auto window = TestSupport::createWindow();
    QAction* base = window->findChild<QAction*>(action);
    QVERIFY(base);
    base->setChecked(true);
    MainWindowTestAccess::setNumberFormat(*window, format);
    QCOMPARE(window->FormatAnswer(value), answer);
}

// The one-time base wins over the menu once, is used up even when the value
// cannot be shown in it, and never falls back to the menu's base.
void AnswerFormatTest::oneTimeBase_data()
{
    QTest::addColumn<int>("oneTimeBase");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("answer");
    QTest::newRow("hexadecimal once") << 16 << 255.0 << "FF";
    QTest::newRow("decimal once writes every digit") << 10 << 1e15 << "1000000000000000";
    QTest::newRow("fraction does not fall back to the menu") << 16 << 2.5 << "2.5";
}

void AnswerFormatTest::oneTimeBase()
{
    QFETCH(int, oneTimeBase);
    QFETCH(double, value);
    QFETCH(QString, answer);
    auto window = TestSupport::createWindow();
    window->findChild<QAction*>(QStringLiteral("actionOutputBaseBinary"))->setChecked(true);
    window->setProperty(MainWindow::OneTimeOutputBaseProperty, oneTimeBase);
    QCOMPARE(window->FormatAnswer(value), answer);
    QVERIFY(!window->property(MainWindow::OneTimeOutputBaseProperty).isValid());
    QCOMPARE(window->FormatAnswer(255.0), QStringLiteral("11111111"));
}

SUMVELLE_TEST_MAIN(AnswerFormatTest)
#include "tst_answerformat.moc"
