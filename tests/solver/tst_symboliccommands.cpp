#include "pad/mainwindow.h"
#include "solver/SymbolicCommands.h"
#include "solver/SymbolicParser.h"
#include "support/numbers.h"
#include "support/symbolicvalues.h"
#include "support/testsupport.h"

#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>

#include <cmath>
#include <random>

using TestSupport::EvaluateText;

namespace {

QString NestedSquares(int depth)
{
    QString text = QStringLiteral("X");
    for (int i = 0; i < depth; ++i)
        text = QStringLiteral("(") + text + QStringLiteral(")^2+1");
    return text + QStringLiteral(" = 5");
}

const QString Usage = QStringLiteral("Use: ISOLATE variable, equation\nExample: ISOLATE X, 3*X + Y = 12");
const QString NoSolution = QStringLiteral("ISOLATE did not produce a solution.");
const QString TooManySteps = QStringLiteral("ISOLATE stopped after too many algebra steps.");
const QString CannotRead = QStringLiteral("ISOLATE could not read that equation.");

} // namespace

class SymbolicCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void simplify_data();
    void simplify();
    void isolate_data();
    void isolate();
    void simplifyKeepsValue_data();
    void simplifyKeepsValue();
    void isolateAnswersSatisfyEquation_data();
    void isolateAnswersSatisfyEquation();
    void fixedPointStopsAtTwentyPasses();
    void evenPowersNestedDeepStopAtTheMoveCap();
    void longLinesStayWithinBounds_data();
    void longLinesStayWithinBounds();
    void randomPolynomialsKeepTheirValue_data();
    void randomPolynomialsKeepTheirValue();
    void randomIsolatedAnswersSolveTheEquation_data();
    void randomIsolatedAnswersSolveTheEquation();
    void padAnswers_data();
    void padAnswers();
};

void SymbolicCommandsTest::simplify_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty") << "  " << false << "SIMPLIFY requires an expression or equation.";
    QTest::newRow("number") << "2*3" << true << "6";
    QTest::newRow("constants differ") << "x + 2 = x + 5" << true << "2 = 5";
    QTest::newRow("sides equal") << "x + 3 = 3 + x" << true << "0 = 0";
    QTest::newRow("constant stays on its side") << "x + 1 = x" << true << "1 = 0";
    QTest::newRow("no term moves across") << "2x = x" << true << "2*x = x";
    QTest::newRow("two equals") << "x = y = z" << false << "Cannot Simplify";
    QTest::newRow("empty side") << "= x" << false << "Cannot Simplify";
    QTest::newRow("unbalanced") << "(x = 1" << false << "Cannot Simplify";
    QTest::newRow("equals inside parentheses") << "f(a=b)" << false << "Cannot Simplify";
    QTest::newRow("missing operand") << "x +" << false << "Cannot Simplify";
    QTest::newRow("like terms") << "X - 3 + 2*X" << true << "3*X - 3";
    QTest::newRow("distributes") << "2*(X + 1)" << true << "2*X + 2";
    QTest::newRow("one level of coefficients")
        << "3*x^2*y - x*y*x + 4 - 2*(y - x)" << true << "3*x^2*y + 4 + 2*x - x^2*y - 2*y";
    QTest::newRow("square minus product") << "(x+1)^2 - (x+1)*(x+1)" << true << "0";
    // 1e308*10 would show as "inf".
    QTest::newRow("overflowing product") << "1e308*10" << false << "Cannot Simplify";
    QTest::newRow("overflowing merge") << "1e308*x + 1e308*x" << false << "Cannot Simplify";
    QTest::newRow("overflow in an equation") << "x = 1e308*10" << false << "Cannot Simplify";
    QTest::newRow("power too large stays") << "10^400" << true << "10^400";
    // -2^x would mean -(2^x).
    QTest::newRow("negative base") << "(-2)^x" << true << "(-2)^x";
    // A small number is a number, not zero; only rounding where numbers
    // meet cancels.
    QTest::newRow("tiny factor") << "6.626e-34*F" << true << "6.626e-34*F";
    QTest::newRow("tiny term") << "X + 1e-13" << true << "X + 1e-13";
    QTest::newRow("tenths cancel") << "0.1 + 0.2 - 0.3" << true << "0";
    QTest::newRow("coefficients cancel") << "0.1*x + 0.2*x - 0.3*x" << true << "0";
    QTest::newRow("tiny terms on both sides") << "x + 1e-13 = 2e-13" << true << "x + 1e-13 = 2e-13";
    // A negated product under "/" keeps its parentheses: bare, a/-b*c
    // would read as (a/-b)*c.
    QTest::newRow("over a negated product") << "a/(-(b*c))" << true << "a/(-b*c)";
    QTest::newRow("over a negated product, equation") << "2/(-3*x) = y" << true << "2/(-3*x) = y";
}

void SymbolicCommandsTest::simplify()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    QString output = QStringLiteral("stale");
    QCOMPARE(MainWindow::SimplifyText(text, output), ok);
    QCOMPARE(output, result);
}

void SymbolicCommandsTest::isolate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");
    QTest::newRow("linear") << "X, 3*X + Y = 12" << true << "X = (12 - Y)/3";
    QTest::newRow("other variable") << "Y, 3*X + Y = 12" << true << "Y = 12 - 3*X";
    QTest::newRow("any case") << "x, X + 1 = 3" << true << "x = 2";
    QTest::newRow("product") << "X, 2*X = 4" << true << "X = 2";
    QTest::newRow("quotient") << "X, X/2 = 3" << true << "X = 6";
    QTest::newRow("reciprocal") << "X, 1/X = 4" << true << "X = 0.25";
    QTest::newRow("square") << "X, X^2 = 9" << true << "X = 3\nX = -3";
    QTest::newRow("self product") << "X, X*X = 4" << true << "X = 2\nX = -2";
    QTest::newRow("square zero once") << "X, X^2 = 0" << true << "X = 0";
    QTest::newRow("square of symbol") << "X, X^2 = Y" << true << "X = SQRT(Y)\nX = -SQRT(Y)";
    QTest::newRow("square of negative") << "X, X^2 = -4" << true << "X = SQRT(-4)\nX = -SQRT(-4)";
    QTest::newRow("odd root of negative") << "X, X^3 = -8" << true << "X = -2";
    QTest::newRow("cube root") << "X, X^3 = Y" << true << "X = Y^(1/3)";
    QTest::newRow("fourth root") << "X, X^4 = Y" << true << "X = Y^(1/4)\nX = -Y^(1/4)";
    QTest::newRow("square root") << "X, SQRT(X) = 3" << true << "X = 9";
    QTest::newRow("exponent")
        << "X, 2^X = 8" << false << "ISOLATE cannot yet isolate a variable that appears in an exponent.";
    QTest::newRow("fractional power")
        << "X, X^0.5 = 2" << false << "ISOLATE can currently reverse only positive whole-number powers.";
    QTest::newRow("symbolic power") << "X, X^Y = 2" << false << "ISOLATE can currently reverse only numeric powers.";
    QTest::newRow("other function")
        << "X, ABS(X) = 3" << false << "ISOLATE cannot yet reverse this part of the expression.";
    QTest::newRow("two parts") << "X, X + X*Y = 3" << false
                               << "ISOLATE found the target variable in two parts of one step.\n"
                                  "Simplify it further first, or rearrange the equation.";
    QTest::newRow("no solution") << "X, X = X + 1" << false
                                 << "The variable X cancels out. The equation has no solution.";
    QTest::newRow("all values") << "X, 2*X = X + X" << false
                                << "The variable X cancels out. The equation is true for all values of X.";
    QTest::newRow("cancels out") << "X, X + Y = X + 2" << false << "The variable X cancels out of this equation.";
    QTest::newRow("absent") << "Z, X + Y = 3" << false << "The variable Z does not appear in this equation.";
    QTest::newRow("nothing") << "" << false << Usage;
    QTest::newRow("no comma") << "X = 1" << false << Usage;
    QTest::newRow("comma first") << ", X = 1" << false << Usage;
    QTest::newRow("two commas") << "X, Y, X = 1" << false << Usage;
    QTest::newRow("bad name") << "2X, X = 1" << false << "ISOLATE needs one valid variable name before the comma.";
    QTest::newRow("no equals") << "X, X + 1" << false << "ISOLATE needs one equation containing =.";
    QTest::newRow("empty side") << "X, = 3" << false << "ISOLATE needs an expression on both sides of =.";
    QTest::newRow("unreadable") << "X, X + = 3" << false << CannotRead;
    QTest::newRow("reserved word accepted") << "PI, 2*PI = 6" << true << "PI = 3";
    QTest::newRow("inside square root")
        << "X, SQRT(2*X - 1) + Y = 4" << true << "X = ((4 - Y)^2 + 1)/2";
    QTest::newRow("nested squares")
        << "X, (2*X + 1)^2 = Y + 4" << true << "X = (SQRT(4 + Y) - 1)/2\nX = (-SQRT(4 + Y) - 1)/2";
    // Each of these was answered with a value that does not solve it.
    QTest::newRow("reciprocal of zero") << "X, 1/X = 0" << false << NoSolution;
    QTest::newRow("divided by zero") << "X, X/0 = 5" << false << NoSolution;
    QTest::newRow("square root of negative") << "X, SQRT(X) = -3" << false << NoSolution;
    QTest::newRow("one branch without solution") << "X, SQRT(X)^2 = 4" << true << "X = 4";
    QTest::newRow("overflow") << "X, X = 1e308*10" << false << NoSolution;
    QTest::newRow("tiny coefficient") << "X, 1e-13*X = 5" << true << "X = 50000000000000";
    QTest::newRow("tiny square") << "X, X^2 = 1e-20" << true << "X = 1e-10\nX = -1e-10";
    QTest::newRow("over a negated product") << "X, 6/X = -2*Y" << true << "X = 6/(-2*Y)";
    QTest::newRow("exponent beyond 32 bits")
        << "X, X^4294967296 = 2" << false << "ISOLATE can currently reverse only positive whole-number powers.";
}

void SymbolicCommandsTest::isolate()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    QString output = QStringLiteral("stale");
    QCOMPARE(MainWindow::IsolateText(text, output), ok);
    QCOMPARE(output, result);
}

void SymbolicCommandsTest::simplifyKeepsValue_data()
{
    // Values at (X, Y) = (1.3, -0.7) and (2.9, 0.45), worked out apart from
    // this program; an equation's value is left side minus right side.
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::newRow("like terms") << "X - 3 + 2*X" << 0.9000000000000004 << 5.699999999999999;
    QTest::newRow("reordered") << "-X + 5" << 3.7 << 2.1;
    QTest::newRow("cube") << "X*X*X" << 2.197 << 24.389;
    QTest::newRow("sorted") << "Y*2*X" << -1.8199999999999998 << 2.61;
    QTest::newRow("function") << "X*SIN(X)" << 1.2526256410423509 << 0.6938230547205491;
    QTest::newRow("half") << "X*(Y/2)" << -0.45499999999999996 << 0.6525;
    QTest::newRow("distributed") << "2*(X + 1)" << 4.6 << 7.8;
    QTest::newRow("two sums") << "(X + 1)*(X - 1)" << 0.6900000000000001 << 7.409999999999999;
    QTest::newRow("negated sum") << "-(X + Y)" << -0.6000000000000001 << -3.35;
    QTest::newRow("negated factor") << "X*(-Y)" << 0.9099999999999999 << -1.305;
    QTest::newRow("power of power") << "(X^2)^3" << 4.826809000000001 << 594.8233209999999;
    QTest::newRow("coefficient over number") << "6*X/3" << 2.6 << 5.8;
    QTest::newRow("two thirds") << "2*X/3" << 0.8666666666666667 << 1.9333333333333331;
    QTest::newRow("root of square") << "SQRT(X^2)" << 1.3 << 2.9;
    QTest::newRow("three factors") << "(2*X+3)*(X-1)*X" << 2.184 << 48.488;
    QTest::newRow("mixed") << "3*X^2*Y - X*Y*X + 4 - 2*(Y - X)" << 5.6339999999999995 << 16.469;
    QTest::newRow("quotient of sum") << "X*(Y + 2)/4 - (X - Y)^2" << -3.5775 << -4.2262499999999985;
    QTest::newRow("identity kept") << "SIN(X)^2 + COS(X)^2" << 1.0 << 1.0;
    QTest::newRow("equation of constants") << "X + 2 = X + 5" << -3.0 << -3.0;
    QTest::newRow("equation with constant") << "X + 1 = X" << 1.0 << 1.0;
    QTest::newRow("equation kept") << "2X = X" << 1.3 << 2.9;
}

void SymbolicCommandsTest::simplifyKeepsValue()
{
    QFETCH(QString, text);
    QFETCH(double, first);
    QFETCH(double, second);
    QString output;
    QVERIFY(MainWindow::SimplifyText(text, output));
    const QList<QHash<QString, double>> points = {{{"X", 1.3}, {"Y", -0.7}}, {{"X", 2.9}, {"Y", 0.45}}};
    const QList<double> expected = {first, second};
    for (int i = 0; i < points.size(); ++i) {
        bool ok = true;
        const double value = EvaluateText(output, points.at(i), ok);
        QVERIFY2(ok, qPrintable(output));
        QVERIFY2(TestSupport::IsClose(value, expected.at(i), 1e-12), qPrintable(output));
        bool inputOk = true;
        QVERIFY(TestSupport::IsClose(EvaluateText(text, points.at(i), inputOk), expected.at(i), 1e-12));
    }
}

void SymbolicCommandsTest::isolateAnswersSatisfyEquation_data()
{
    // Real solutions with the other variable at 1.7, worked out apart from
    // this program, in the order of the answer lines.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("solutions");
    QTest::newRow("linear") << "X, 3*X + Y = 12" << QList<double>{3.433333333333333};
    QTest::newRow("other variable") << "Y, 3*X + Y = 12" << QList<double>{6.9};
    QTest::newRow("square") << "X, X^2 = 9" << QList<double>{3.0, -3.0};
    QTest::newRow("square of symbol") << "X, X^2 = Y" << QList<double>{1.3038404810405297, -1.3038404810405297};
    QTest::newRow("cube") << "X, X^3 = -8" << QList<double>{-2.0};
    QTest::newRow("cube root") << "X, X^3 = Y" << QList<double>{1.193483191927337};
    QTest::newRow("fourth root") << "X, X^4 = Y" << QList<double>{1.1418583454354265, -1.1418583454354265};
    QTest::newRow("square root") << "X, SQRT(X) = 3" << QList<double>{9.0};
    QTest::newRow("reciprocal") << "X, 1/X = 4" << QList<double>{0.25};
    QTest::newRow("nested square")
        << "X, (2*X + 1)^2 = Y + 4" << QList<double>{0.6937336386313322, -1.6937336386313322};
    QTest::newRow("quotient") << "X, 5 - 2/(X + Y) = 1" << QList<double>{-1.2};
    QTest::newRow("cube of difference") << "X, 3*(X - Y)^3 = 24" << QList<double>{3.7};
    QTest::newRow("square root of sum") << "X, SQRT(2*X - 1) + Y = 4" << QList<double>{3.145};
    QTest::newRow("negated quotient") << "X, -(X/Y) + 2 = 7" << QList<double>{-8.5};
}

void SymbolicCommandsTest::isolateAnswersSatisfyEquation()
{
    QFETCH(QString, text);
    QFETCH(QList<double>, solutions);
    QString output;
    QVERIFY2(MainWindow::IsolateText(text, output), qPrintable(output));
    const QStringList lines = output.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), solutions.size());
    const QString variable = text.section(QLatin1Char(','), 0, 0).trimmed().toUpper();
    const QString other = variable == QLatin1String("X") ? QStringLiteral("Y") : QStringLiteral("X");
    const QString equation = text.section(QLatin1Char(','), 1);
    for (int i = 0; i < lines.size(); ++i) {
        const QString prefix = text.section(QLatin1Char(','), 0, 0).trimmed() + QStringLiteral(" = ");
        QVERIFY(lines.at(i).startsWith(prefix));
        bool ok = true;
        const double value = EvaluateText(lines.at(i).mid(prefix.size()), {{other, 1.7}}, ok);
        QVERIFY2(ok && TestSupport::IsClose(value, solutions.at(i), 1e-12), qPrintable(lines.at(i)));
        bool residualOk = true;
        const double residual = EvaluateText(equation, {{other, 1.7}, {variable, value}}, residualOk);
        QVERIFY(residualOk && std::fabs(residual) < 1e-9);
    }
}

void SymbolicCommandsTest::fixedPointStopsAtTwentyPasses()
{
    // Each pass may only distribute one more level of a nested product.
    QString text = QStringLiteral("x");
    for (int i = 0; i < 30; ++i)
        text = QStringLiteral("2*(") + text + QStringLiteral(" + 1)");
    QString output;
    QVERIFY(SimplifyOneExpression(text, output));
    QVERIFY(!output.isEmpty());
    bool ok = true;
    bool inputOk = true;
    QVERIFY(TestSupport::IsClose(EvaluateText(output, {{"X", 0.5}}, ok), EvaluateText(text, {{"X", 0.5}}, inputOk),
                                 1e-12));
    QVERIFY(ok);
}

void SymbolicCommandsTest::evenPowersNestedDeepStopAtTheMoveCap()
{
    // Three levels give eight answer lines well within the cap.
    QString output;
    QVERIFY(MainWindow::IsolateText(QStringLiteral("X, ") + NestedSquares(3), output));
    QCOMPARE(output.count(QLatin1Char('\n')) + 1, 7);
    // Fifteen levels would branch into tens of thousands of moves.
    QCOMPARE(MainWindow::IsolateText(QStringLiteral("X, ") + NestedSquares(15), output), false);
    QCOMPARE(output, TooManySteps);
}

void SymbolicCommandsTest::longLinesStayWithinBounds_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");
    const QString deep = QString(500, QLatin1Char('(')) + QStringLiteral("x") + QString(500, QLatin1Char(')'));
    QTest::newRow("simplify too deep") << "SIMPLIFY" << deep << false << "Cannot Simplify";
    QTest::newRow("isolate too deep") << "ISOLATE" << QStringLiteral("x, ") + deep + QStringLiteral(" = 1") << false
                                      << CannotRead;
    QTest::newRow("simplify many signs")
        << "SIMPLIFY" << QString(1000, QLatin1Char('-')) + QStringLiteral("x") << false << "Cannot Simplify";
    const QString huge = QStringLiteral("x + ").repeated(30000) + QStringLiteral("x");
    QTest::newRow("simplify too large") << "SIMPLIFY" << huge << false << "Cannot Simplify";
    QTest::newRow("isolate too large") << "ISOLATE" << QStringLiteral("x, ") + huge + QStringLiteral(" = 1") << false
                                       << CannotRead;
    QString sum = QStringLiteral("x1");
    for (int i = 2; i <= 1000; ++i)
        sum += QStringLiteral(" + x%1").arg(i);
    QTest::newRow("thousand terms") << "SIMPLIFY" << sum + QStringLiteral(" - x1000") << true
                                    << sum.left(sum.lastIndexOf(QStringLiteral(" + ")));
    QTest::newRow("thousand like terms")
        << "SIMPLIFY" << QStringLiteral("2*x + ").repeated(999) + QStringLiteral("x") << true << "1999*x";
    QTest::newRow("negated long sum")
        << "SIMPLIFY" << QStringLiteral("-(") + sum.left(sum.indexOf(QStringLiteral("x101")) - 3) + QStringLiteral(")")
        << true << QStringLiteral("-") + sum.left(sum.indexOf(QStringLiteral("x101")) - 3).replace(" + ", " - ");
}

void SymbolicCommandsTest::longLinesStayWithinBounds()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    QString output;
    const bool answered =
        command == QLatin1String("SIMPLIFY") ? MainWindow::SimplifyText(text, output) : MainWindow::IsolateText(text, output);
    QCOMPARE(answered, ok);
    QCOMPARE(output, result);
}

void SymbolicCommandsTest::randomPolynomialsKeepTheirValue_data()
{
    QTest::addColumn<int>("firstSeed");
    QTest::addColumn<int>("seeds");
    QTest::addColumn<int>("depth");
    const int seeds = TestSupport::PropertySeeds(200);
    QTest::newRow("shallow") << 0 << seeds << 3;
    QTest::newRow("deep") << 1000000 << seeds << 5;
}

void SymbolicCommandsTest::randomPolynomialsKeepTheirValue()
{
    QFETCH(int, firstSeed);
    QFETCH(int, seeds);
    QFETCH(int, depth);
    for (int seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        const QString text = NodeToText(TestSupport::RandomPolynomial(random, depth), 0, false);
        QString output;
        QVERIFY2(MainWindow::SimplifyText(text, output), qPrintable(text));
        // Small whole numbers and halves: every value below is exact.
        for (const double x : {-1.5, 0.5, 2.0}) {
            const QHash<QString, double> values = {{"X", x}, {"Y", 1.0 - x}};
            bool inputOk = true;
            bool outputOk = true;
            const double expected = EvaluateText(text, values, inputOk);
            const double actual = EvaluateText(output, values, outputOk);
            QVERIFY(inputOk && outputOk);
            QVERIFY2(TestSupport::SameValue(actual, expected, 1e-12),
                     qPrintable(QStringLiteral("seed %1: %2 gave %3").arg(seed).arg(text, output)));
        }
    }
}

void SymbolicCommandsTest::randomIsolatedAnswersSolveTheEquation_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("seeds");
    const int seeds = TestSupport::PropertySeeds(100);
    // %1 to %4 are whole numbers from 1 to 9, %5 one from -9 to 9.
    QTest::newRow("linear") << "%1*X + %2*Y + %5 = %3*Y - %4" << seeds;
    QTest::newRow("both sides") << "%1*X - %5 = %2*Y - (%1 + %3)*X" << seeds;
    QTest::newRow("quotient") << "%2/(%1*X + %5) = Y + %3" << seeds;
    QTest::newRow("square") << "(%1*X + %5)^2 = %2*Y^2 + %3" << seeds;
    QTest::newRow("cube") << "%4*(X - %5)^3 = %2*Y + %1" << seeds;
    QTest::newRow("square root") << "SQRT(%1*X + %4) = %2*Y + %3" << seeds;
}

void SymbolicCommandsTest::randomIsolatedAnswersSolveTheEquation()
{
    QFETCH(QString, form);
    QFETCH(int, seeds);
    for (int seed = 0; seed < seeds; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        const auto digit = [&random] { return 1 + int(random() % 9u); };
        const int a = digit();
        const int b = digit();
        const int c = digit();
        const int d = digit();
        const int e = int(random() % 19u) - 9;
        // By number: arg() would give a form's lowest placeholders the numbers in
        // order, so %5 would get d wherever %4 is missing.
        QString equation = form;
        const int numbers[] = {a, b, c, d, e};
        for (int i = 0; i < 5; ++i)
            equation.replace(QLatin1Char('%') + QString::number(i + 1), QString::number(numbers[i]));
        QString output;
        QVERIFY2(MainWindow::IsolateText(QStringLiteral("X, ") + equation, output),
                 qPrintable(equation + QStringLiteral(": ") + output));
        const int equals = FindTopLevelEquals(equation);
        for (const QString& line : output.split(QLatin1Char('\n'))) {
            QVERIFY2(line.startsWith(QLatin1String("X = ")), qPrintable(line));
            for (const double y : {0.75, 2.5}) {
                bool ok = true;
                const double x = EvaluateText(line.mid(4), {{"Y", y}}, ok);
                QVERIFY2(ok, qPrintable(line));
                const QHash<QString, double> values = {{"X", x}, {"Y", y}};
                const double left = EvaluateText(equation.left(equals), values, ok);
                const double right = EvaluateText(equation.mid(equals + 1), values, ok);
                QVERIFY(ok);
                const double scale = std::max({1.0, std::fabs(left), std::fabs(right)});
                QVERIFY2(std::fabs(left - right) <= 1e-9 * scale,
                         qPrintable(QStringLiteral("seed %1: %2 gave %3").arg(seed).arg(equation, line)));
            }
        }
    }
}

void SymbolicCommandsTest::padAnswers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("status");
    QTest::newRow("simplify") << "simplify 2*3" << "6" << true << "Simplified";
    QTest::newRow("simplify equation") << "SIMPLIFY x + 2 = x + 5" << "2 = 5" << true << "Simplified";
    QTest::newRow("simplify alone") << "SIMPLIFY" << "SIMPLIFY requires an expression or equation." << false
                                    << "Cannot Simplify";
    QTest::newRow("simplify fails") << "SIMPLIFY x +" << "Cannot Simplify" << false << "Cannot Simplify";
    QTest::newRow("isolate two lines") << "ISOLATE X, X^2 = 9" << "X = 3\nX = -3" << true << "Isolated";
    QTest::newRow("isolate fails") << "Isolate X, 2^X = 8"
                                   << "ISOLATE cannot yet isolate a variable that appears in an exponent." << false
                                   << "Cannot Isolate";
    QTest::newRow("isolate alone") << "ISOLATE" << Usage << false << "Cannot Isolate";
    QTest::newRow("longer word is not the command") << "SIMPLIFYx" << "-Cannot Solve-" << false << "Cannot Solve";
}

void SymbolicCommandsTest::padAnswers()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(bool, bold);
    QFETCH(QString, status);
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    pad.submit(line);
    QCOMPARE(pad.text(), line + QLatin1Char('\n') + reply + QLatin1Char('\n'));
    QCOMPARE(pad.status(), status);
    QCOMPARE(pad.boldRuns(), bold ? reply.split(QLatin1Char('\n')) : QStringList{});
}

SUMVELLE_TEST_MAIN(SymbolicCommandsTest)
#include "tst_symboliccommands.moc"
