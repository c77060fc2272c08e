#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "pad/mainwindow.h"

#include <QAction>
#include <QLocale>

namespace {

void setOption(MainWindow& window, const char* actionName, bool checked)
{
    QAction* action = window.findChild<QAction*>(QLatin1String(actionName));
    QVERIFY2(action, actionName);
    action->setChecked(checked);
}

// X = 3 and ANS = 7 as in the examples; E and E3 make every exponent letter
// a possible name.
std::unique_ptr<MainWindow> makeWindow(bool wordOperators, bool ignoreText)
{
    auto window = TestSupport::createWindow();
    setOption(*window, "actionUse_Word_Oporators", wordOperators);
    setOption(*window, "actionIgnore_Text_When_Cannot_Solve", ignoreText);
    MainWindowTestAccess::setVariable(*window, QStringLiteral("X"), 3.0);
    MainWindowTestAccess::setVariable(*window, QStringLiteral("E"), 5.0);
    MainWindowTestAccess::setVariable(*window, QStringLiteral("E3"), 7.0);
    MainWindowTestAccess::setAns(*window, 7.0);
    return window;
}

QString repeated(const QString& text, int count)
{
    QString result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

} // namespace

class PipelineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void evaluate_data();
    void evaluate();
    void outputConversion_data();
    void outputConversion();
    void failedConversionLeavesNoBase();
    void replaceAns_data();
    void replaceAns();
    void replaceVariables_data();
    void replaceVariables();
    void removeNonMathText_data();
    void removeNonMathText();
    void equationResidual_data();
    void equationResidual();
    void answers_data();
    void answers();
};

void PipelineTest::initTestCase()
{
    qInfo("Running under the locale %s", qPrintable(QLocale().name()));
}

// Columns: the options, the line, whether it answers, the value and the text
// that was finally evaluated.
void PipelineTest::evaluate_data()
{
    QTest::addColumn<bool>("wordOperators");
    QTest::addColumn<bool>("ignoreText");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("processed");

    QTest::newRow("plain arithmetic") << false << false << "1+2*3" << true << 7.0 << "1+2*3";
    QTest::newRow("ANS") << false << false << "ANS+1" << true << 8.0 << "(7)+1";
    QTest::newRow("ans in lower case") << false << false << "ans+1" << true << 8.0 << "(7)+1";
    QTest::newRow("digit before ANS") << false << false << "2ANS" << true << 14.0 << "2(7)";
    QTest::newRow("ANSWER is not ANS") << false << false << "ANSWER" << false << 0.0 << "ANSWER";
    QTest::newRow("MY_ANS is not ANS") << false << false << "MY_ANS+1" << false << 0.0 << "MY_ANS+1";
    QTest::newRow("variable after a digit") << false << false << "2x" << true << 6.0 << "2(3)";
    QTest::newRow("variable times itself") << false << false << "X*X" << true << 9.0 << "(3)*(3)";
    QTest::newRow("unknown name fails") << false << false << "2*q" << false << 0.0 << "2*q";

    QTest::newRow("negative exponent is not E") << false << false << "2e-3" << true << 0.002 << "2e-3";
    QTest::newRow("exponent is not E3") << false << false << "2E3" << true << 2000.0 << "2E3";
    QTest::newRow("name after an exponent") << false << false << "2e3x" << true << 6000.0 << "2e3(3)";
    QTest::newRow("exponent after a point") << false << false << "1.e2+E" << true << 105.0 << "1.e2+(5)";
    QTest::newRow("E without digits is the variable") << false << false << "2E" << true << 10.0 << "2(5)";
    QTest::newRow("E3 alone is the variable") << false << false << "E3+1" << true << 8.0 << "(7)+1";
    QTest::newRow("a number has one exponent") << false << false << "2e3e3" << true << 14000.0 << "2e3(7)";

    QTest::newRow("word operators in step 5") << true << false << "5 plus 3" << true << 8.0 << "5 + 3";
    QTest::newRow("number words") << true << false << "two times ANS" << true << 14.0 << "2 * (7)";
    QTest::newRow("minus between number words") << true << false << "FIVE MINUS THREE" << true << 2.0 << "5 - 3";
    QTest::newRow("word operators off") << false << false << "5 plus 3" << false << 0.0 << "5 plus 3";

    QTest::newRow("ignore text strips words") << false << true << "total 5 + 3 apples" << true << 8.0 << "5 + 3";
    QTest::newRow("ignore text keeps the exponent")
        << false << true << "the price is 2e3 dollars" << true << 2000.0 << "2e3";
    QTest::newRow("known function is not stripped") << false << true << "SQRT(x y)" << false << 0.0 << "SQRT((3) y)";
    QTest::newRow("blank before the call's parenthesis")
        << false << true << "SQRT (x y)" << false << 0.0 << "SQRT ((3) y)";
    QTest::newRow("malformed base literal is not stripped") << false << true << "0b102" << false << 0.0 << "0b102";
    QTest::newRow("unknown call is not stripped") << false << true << "FOO(2)+1" << false << 0.0 << "FOO(2)+1";
    QTest::newRow("both options off") << false << false << "total 5 + 3" << false << 0.0 << "total 5 + 3";
    QTest::newRow("word operators before stripping")
        << true << true << "apples: five plus three" << true << 8.0 << "5 + 3";

    QTest::newRow("overflow to infinity fails") << true << true << "10^400" << false << 0.0 << "10^400";
    QTest::newRow("root of a negative fails") << true << true << "(-8)^(1/3)" << false << 0.0 << "(-8)^(1/3)";
    QTest::newRow("zero to a negative power fails") << true << true << "0^-1" << false << 0.0 << "0^-1";
    QTest::newRow("supplementary-plane digit is not stripped away")
        << false << true << QString::fromUtf8("𝟓+1 apples") << false << 0.0 << QString::fromUtf8("𝟓+1");
    QTest::newRow("infinity after stripping fails") << false << true << "big 10^400" << false << 0.0 << "10^400";
    // A value beyond double is the line's answer failing: stripping the text
    // would answer a different calculation.
    QTest::newRow("overflow next to a constant") << true << true << "1e308 PI" << false << 0.0 << "1e308 PI";
    QTest::newRow("overflow in a power of a constant")
        << true << true << "2 EULER^1000" << false << 0.0 << "2 EULER^1000";
    QTest::newRow("overflow minus itself")
        << true << true << "1e308 PI - 1e308 PI" << false << 0.0 << "1e308 PI - 1e308 PI";
    QTest::newRow("overflow after the word operators")
        << true << true << "1e308 PI plus 1" << false << 0.0 << "1e308 PI + 1";
    QTest::newRow("a lone surrogate is a stray symbol")
        << false << true << QStringLiteral("2+3") + QChar(0xDC00) << true << 5.0 << "2+3";
    QTest::newRow("a lone surrogate leaves the word operators working")
        << true << true << QStringLiteral("two plus two") + QChar(0xDC00) << true << 4.0 << "2 + 2";
    QTest::newRow("empty line") << true << true << "" << false << 0.0 << "";
}

void PipelineTest::evaluate()
{
    QFETCH(bool, wordOperators);
    QFETCH(bool, ignoreText);
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(double, value);
    QFETCH(QString, processed);
    auto window = makeWindow(wordOperators, ignoreText);
    bool actualOk = !ok;
    QString actualProcessed;
    const double actual = window->EvaluateExpression(line, actualOk, actualProcessed);
    QCOMPARE(actualOk, ok);
    QCOMPARE(actual, value);
    QCOMPARE(actualProcessed, processed);
    QVERIFY(!window->property(MainWindow::OneTimeOutputBaseProperty).isValid());
}

void PipelineTest::outputConversion_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("base");  // 0: no one-time base left
    QTest::addColumn<QString>("answer");

    QTest::newRow("HEX") << "HEX(255)" << true << 255.0 << 16 << "FF";
    QTest::newRow("lower case with blanks") << "hex (255)" << true << 255.0 << 16 << "FF";
    QTest::newRow("BIN of a variable") << "BIN(x+2)" << true << 5.0 << 2 << "101";
    QTest::newRow("OCT of ANS") << "OCT(ANS+1)" << true << 8.0 << 8 << "10";
    QTest::newRow("DEC writes every digit") << "DEC(1e15)" << true << 1e15 << 10 << "1000000000000000";
    QTest::newRow("nested conversions keep the outer base") << "HEX(BIN(31))" << true << 31.0 << 16 << "1F";
    QTest::newRow("fraction fails") << "HEX(2.5)" << false << 0.0 << 0 << "";
    QTest::newRow("beyond the safe limit fails") << "HEX(1e20)" << false << 0.0 << 0 << "";
    QTest::newRow("non-finite inner value fails") << "HEX(10^400)" << false << 0.0 << 0 << "";
    QTest::newRow("empty call is no conversion") << "HEX()" << false << 0.0 << 0 << "";
    QTest::newRow("part of a longer line") << "HEX(255) + 1" << true << 256.0 << 0 << "256";
    QTest::newRow("nested as deep as the parser allows")
        << repeated("HEX(", 400) + "1" + repeated(")", 400) << true << 1.0 << 16 << "1";
    QTest::newRow("deeper nesting fails cleanly")
        << repeated("HEX(", 5000) + "1" + repeated(")", 5000) << false << 0.0 << 0 << "";
}

void PipelineTest::outputConversion()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(double, value);
    QFETCH(int, base);
    QFETCH(QString, answer);
    auto window = makeWindow(true, true);
    bool actualOk = !ok;
    QString processed = QStringLiteral("before");
    const double actual = window->EvaluateExpression(line, actualOk, processed);
    QCOMPARE(actualOk, ok);
    QCOMPARE(actual, value);
    const QVariant oneTimeBase = window->property(MainWindow::OneTimeOutputBaseProperty);
    QCOMPARE(oneTimeBase.isValid() ? oneTimeBase.toInt() : 0, base);
    if (!ok)
        return;
    if (base != 0)
        QCOMPARE(processed, line);
    QCOMPARE(window->FormatAnswer(actual), answer);
    // Used once: the next answer is decimal again.
    QVERIFY(!window->property(MainWindow::OneTimeOutputBaseProperty).isValid());
    QCOMPARE(window->FormatAnswer(255.0), QStringLiteral("255"));
}

void PipelineTest::failedConversionLeavesNoBase()
{
    auto window = makeWindow(false, false);
    bool ok = true;
    QString processed = QStringLiteral("untouched");
    QCOMPARE(window->EvaluateExpression(QStringLiteral("HEX(q)"), ok, processed), 0.0);
    QVERIFY(!ok);
    QCOMPARE(processed, QStringLiteral("untouched"));
    QVERIFY(!window->property(MainWindow::OneTimeOutputBaseProperty).isValid());
}

void PipelineTest::replaceAns_data()
{
    QTest::addColumn<double>("ans");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replaced");
    QTest::newRow("whole word") << 7.0 << "ANS*2" << "(7)*2";
    QTest::newRow("mixed case") << 7.0 << "Ans+aNs" << "(7)+(7)";
    QTest::newRow("digit before") << 7.0 << "3ANS" << "3(7)";
    QTest::newRow("letter before") << 7.0 << "XANS" << "XANS";
    QTest::newRow("underscore before") << 7.0 << "_ANS" << "_ANS";
    QTest::newRow("digit after") << 7.0 << "ANS2" << "ANS2";
    QTest::newRow("every digit that reads back") << 1.0 / 3.0 << "ANS" << "(0.3333333333333333)";
    QTest::newRow("short decimal stays short") << 0.1 << "ANS" << "(0.1)";
    QTest::newRow("negative") << -2.0 << "ANS^2" << "(-2)^2";
    QTest::newRow("large") << 1e20 << "ANS" << "(1e+20)";
}

void PipelineTest::replaceAns()
{
    QFETCH(double, ans);
    QFETCH(QString, text);
    QFETCH(QString, replaced);
    auto window = TestSupport::createWindow();
    MainWindowTestAccess::setAns(*window, ans);
    QCOMPARE(window->ReplaceANS(text), replaced);
}

void PipelineTest::replaceVariables_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replaced");
    QTest::newRow("after a digit") << "2x" << "2(3)";
    QTest::newRow("any case") << "x+X" << "(3)+(3)";
    QTest::newRow("seventeen significant digits") << "RATE2" << "(0.10000000000000001)";
    QTest::newRow("longer name is not X") << "XY+X_1" << "XY+X_1";
    QTest::newRow("base literal tail") << "0x1F+x" << "0x1F+(3)";
    QTest::newRow("x after a longer number") << "10x" << "10(3)";
    QTest::newRow("exponent with sign") << "2e-3+E" << "2e-3+(5)";
    QTest::newRow("exponent without sign") << "2E3" << "2E3";
    QTest::newRow("exponent then a name") << "2e3x" << "2e3(3)";
    QTest::newRow("Unicode digits around the exponent") << QString::fromUtf8("٣e٣") << QString::fromUtf8("٣e٣");
    QTest::newRow("E after a name") << "X E3" << "(3) (7)";
    QTest::newRow("E without digits") << "2e+" << "2(5)+";
    QTest::newRow("name straight after an exponent") << "2e3e3+1e2E" << "2e3(7)+1e2(5)";
    QTest::newRow("signed name after an exponent") << "2e3e-3" << "2e3(5)-3";
    QTest::newRow("function names pass") << "SIN(x)" << "SIN((3))";
}

void PipelineTest::replaceVariables()
{
    QFETCH(QString, text);
    QFETCH(QString, replaced);
    auto window = makeWindow(false, false);
    MainWindowTestAccess::setVariable(*window, QStringLiteral("RATE2"), 0.1);
    QCOMPARE(window->ReplaceVariables(text), replaced);
}

void PipelineTest::removeNonMathText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("exponent between words") << "a 1e-5 b" << "1e-5";
    QTest::newRow("leading e dropped") << "e5" << "5";
    QTest::newRow("trailing e dropped") << "3e" << "3";
    QTest::newRow("e after a point") << "5.e3" << "5.e3";
    QTest::newRow("division sign kept") << QString::fromUtf8("4 ÷ 2") << QString::fromUtf8("4 ÷ 2");
    QTest::newRow("operators and brackets kept") << "(1+2)*3^2/4-5!%" << "(1+2)*3^2/4-5!%";
    QTest::newRow("comparison and commas dropped") << "x=5, y<3" << "5 3";
    QTest::newRow("no-break space kept inside") << QString::fromUtf8("1\u00A0+ 2") << QString::fromUtf8("1\u00A0+ 2");
    QTest::newRow("Unicode digits kept") << QString::fromUtf8("٣ apples") << QString::fromUtf8("٣");
    QTest::newRow("supplementary-plane digits kept")
        << QString::fromUtf8("𝟓 apples + 𝟑") << QString::fromUtf8("𝟓  + 𝟑");
    QTest::newRow("exponent between supplementary-plane digits")
        << QString::fromUtf8("𝟓e𝟑 m") << QString::fromUtf8("𝟓e𝟑");
    QTest::newRow("only words") << "hello" << "";
}

void PipelineTest::removeNonMathText()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(MainWindow::RemoveNonMathText(text), kept);
}

void PipelineTest::equationResidual_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("solved") << "2+1" << "3" << true << 0.0;
    QTest::newRow("difference") << "10" << "4" << true << 6.0;
    QTest::newRow("sides in brackets") << "1+1" << "1-1" << true << 2.0;
    QTest::newRow("zero divisor") << "1/0" << "1" << false << 0.0;
    QTest::newRow("not finite") << "10^400" << "0" << false << qInf();
}

void PipelineTest::equationResidual()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(bool, ok);
    QFETCH(double, value);
    auto window = TestSupport::createWindow();
    bool actualOk = !ok;
    const double actual = window->EvaluateEquationResidual(left, right, actualOk);
    QCOMPARE(actualOk, ok);
    QCOMPARE(actual, value);
}

// Whole lines as the pad answers them: evaluated, then formatted.
void PipelineTest::answers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");
    QTest::newRow("one third is not snapped") << "1/3" << "0.333333333333333";
    QTest::newRow("two hundred thirds snaps at the twelfth decimal") << "200/3" << "66.666666666667";
    QTest::newRow("sine of pi snaps to zero") << "SIN(PI)" << "0";
    QTest::newRow("sine of minus pi snaps to zero") << "SIN(-PI)" << "0";
    QTest::newRow("0.1 + 0.2") << "0.1+0.2" << "0.3";
    QTest::newRow("HEX answers in hexadecimal") << "HEX(255)" << "FF";
    QTest::newRow("HEX inside a longer line is decimal") << "HEX(255) + 1" << "256";
    QTest::newRow("words and variables") << "two times x plus ANS" << "13";
}

void PipelineTest::answers()
{
    QFETCH(QString, line);
    QFETCH(QString, answer);
    auto window = makeWindow(true, true);
    bool ok = false;
    QString processed;
    const double value = window->EvaluateExpression(line, ok, processed);
    QVERIFY(ok);
    QCOMPARE(window->FormatAnswer(value, window->EvaluatedMagnitude()), answer);
}

SUMVELLE_TEST_MAIN(PipelineTest)
#include "tst_pipeline.moc"
