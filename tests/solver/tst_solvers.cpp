#include "pad/mainwindow.h"
#include "support/numbers.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>

#include <cmath>
#include <random>

// The solvers' own operations, for what the pad cannot show: which names are
// unknowns, the text a trial value makes, the linear tolerances, the root
// search's order and limits.
class SolversTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void systemUnknowns_data();
    void systemUnknowns();
    void singleUnknown_data();
    void singleUnknown();
    void substitution_data();
    void substitution();
    void equationsThatCannotEvaluate_data();
    void equationsThatCannotEvaluate();
    void systemResiduals();
    void linearSystems_data();
    void linearSystems();
    void randomLinearSystemsShowExactAnswers_data();
    void randomLinearSystemsShowExactAnswers();
    void numericLinearSystems_data();
    void numericLinearSystems();
    void rootSearch_data();
    void rootSearch();
    void randomRootsAreNearestDoubles_data();
    void randomRootsAreNearestDoubles();
    void rootSearchBlocks_data();
    void rootSearchBlocks();
    void nonlinearSystems_data();
    void nonlinearSystems();

private:
    std::unique_ptr<MainWindow> window;
};

void SolversTest::init()
{
    window = TestSupport::createWindow();
}

void SolversTest::cleanup()
{
    window.reset();
}

void SolversTest::systemUnknowns_data()
{
    QTest::addColumn<QStringList>("equations");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("both cases are one name") << QStringList{"x^2 + X = 6"} << true << QStringList{"X"};
    QTest::newRow("digit before a letter") << QStringList{"2x = 4"} << true << QStringList{"X"};
    QTest::newRow("reserved PI") << QStringList{"PI*r^2 = 10"} << true << QStringList{"R"};
    QTest::newRow("reserved function") << QStringList{"sin(t) = 0.5"} << true << QStringList{"T"};
    QTest::newRow("base literal tails") << QStringList{"y = 0x1F + 0b101"} << true << QStringList{"Y"};
    QTest::newRow("x of 10x is an unknown") << QStringList{"10x = 20"} << true << QStringList{"X"};
    QTest::newRow("exponents are no names") << QStringList{"x = 1e5 + 2.5e-3 + 9.9999999999999995e-07"} << true
                                            << QStringList{"X"};
    QTest::newRow("letter after an exponent") << QStringList{"2e3e3 = x"} << true << QStringList{"E3", "X"};
    QTest::newRow("sorted by code units") << QStringList{"y + x + A_1 = A1"} << true
                                          << QStringList{"A1", "A_1", "X", "Y"};
    QTest::newRow("sorted across equations, once each") << QStringList{"b + a = 3", "A - B = 1"} << true
                                                        << QStringList{"A", "B"};
    QTest::newRow("FRACTION is an unknown here") << QStringList{"FRACTION(x) = 1"} << true
                                                 << QStringList{"FRACTION", "X"};
    QTest::newRow("date words are unknowns") << QStringList{"today = 2"} << true << QStringList{"TODAY"};
    QTest::newRow("shape is not checked") << QStringList{"x = 1 = 2"} << true << QStringList{"X"};
    QTest::newRow("stored K is known") << QStringList{"x + k = 3"} << true << QStringList{"X"};
    QTest::newRow("no unknown") << QStringList{"3 = 3"} << false << QStringList{};
    QTest::newRow("only reserved") << QStringList{"PI = 3.14"} << false << QStringList{};
}

void SolversTest::systemUnknowns()
{
    QFETCH(QStringList, equations);
    QFETCH(bool, found);
    QFETCH(QStringList, names);

    MainWindowTestAccess::variables(*window).insert(QStringLiteral("K"), 1.0);
    QList<QString> result{QStringLiteral("stale")};
    QCOMPARE(window->FindEquationSystemVariables(equations, result), found);
    QCOMPARE(QStringList(result), names);
}

void SolversTest::singleUnknown_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("lhs");
    QTest::addColumn<QString>("rhs");
    QTest::addColumn<QString>("variable");

    QTest::newRow("one unknown") << " x^2 + X = 6 " << true << "x^2 + X" << "6" << "X";
    QTest::newRow("FRACTION is reserved") << "FRACTION(x) = 1" << true << "FRACTION(x)" << "1" << "X";
    QTest::newRow("exponent is no unknown") << "x = 1e5" << true << "x" << "1e5" << "X";
    QTest::newRow("two unknowns") << "a = b" << false << "a" << "b" << "";
    QTest::newRow("sides kept apart") << "a=b" << false << "a" << "b" << "";
    QTest::newRow("no unknown") << "3 = 3" << false << "3" << "3" << "";
    QTest::newRow("two =") << "x = 1 = 2" << false << "" << "" << "";
    QTest::newRow("empty side") << "= 5" << false << "" << "5" << "";
    QTest::newRow("no =") << "x + 1" << false << "" << "" << "";
}

void SolversTest::singleUnknown()
{
    QFETCH(QString, equation);
    QFETCH(bool, found);
    QFETCH(QString, lhs);
    QFETCH(QString, rhs);
    QFETCH(QString, variable);

    QString left = QStringLiteral("stale");
    QString right = QStringLiteral("stale");
    QString name = QStringLiteral("stale");
    QCOMPARE(window->ParseSingleVariableEquation(equation, left, right, name), found);
    QCOMPARE(left, lhs);
    QCOMPARE(right, rhs);
    QCOMPARE(name, variable);
}

void SolversTest::substitution_data()
{
    QTest::addColumn<QString>("lhs");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole names, any case") << "2x + max(x, 1)" << QStringList{"X"} << QList<double>{3}
                                           << "2(3) + max((3), 1)";
    QTest::newRow("17 digits") << "x" << QStringList{"X"} << QList<double>{0.1} << "(0.10000000000000001)";
    QTest::newRow("negative value") << "x^2" << QStringList{"X"} << QList<double>{-2} << "(-2)^2";
    QTest::newRow("not inside a longer name") << "A1X + x1 + x" << QStringList{"X"} << QList<double>{1}
                                              << "A1X + x1 + (1)";
    QTest::newRow("not inside an exponent") << "2e3 + e" << QStringList{"E"} << QList<double>{4} << "2e3 + (4)";
    // One pass: the exponent of D's value is never taken for E.
    QTest::newRow("values are not read again") << "d + e" << QStringList{"D", "E"} << QList<double>{1e-05, 2}
                                               << "(1.0000000000000001e-05) + (2)";
    QTest::newRow("not a base-literal tail") << "0x1F + x1F" << QStringList{"X1F"} << QList<double>{5}
                                             << "0x1F + (5)";
    QTest::newRow("stored variable after the unknowns") << "k + K2" << QStringList{"K2"} << QList<double>{7}
                                                        << "(0.5) + (7)";
    QTest::newRow("the unknown wins over a stored name") << "k" << QStringList{"K"} << QList<double>{7} << "(7)";
}

void SolversTest::substitution()
{
    QFETCH(QString, lhs);
    QFETCH(QStringList, names);
    QFETCH(QList<double>, values);
    QFETCH(QString, expected);

    window->findChild<QAction*>(QStringLiteral("actionUse_Word_Oporators"))->setChecked(false);
    MainWindowTestAccess::variables(*window).insert(QStringLiteral("K"), 0.5);
    QString left = lhs;
    QString right = QStringLiteral("x");
    QVERIFY(window->PrepareEquationExpressions(left, right, names, values));
    QCOMPARE(left, expected);
}

void SolversTest::equationsThatCannotEvaluate_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QList<double>>("values");

    QTest::newRow("empty right side") << "x =" << QList<double>{1};
    QTest::newRow("empty left side") << "= 4" << QList<double>{1};
    QTest::newRow("==") << "x == 2" << QList<double>{1};
    QTest::newRow("two =") << "x = y = 2" << QList<double>{1};
    QTest::newRow("values missing") << "x = 2" << QList<double>{};
    QTest::newRow("division by zero") << "1/x = 2" << QList<double>{0};
    QTest::newRow("not a number") << "sqrt(x) = 2" << QList<double>{-1};
}

void SolversTest::equationsThatCannotEvaluate()
{
    QFETCH(QString, equation);
    QFETCH(QList<double>, values);

    bool ok = true;
    window->EvaluateSystemEquation(equation, {QStringLiteral("X")}, values, ok);
    QVERIFY(!ok);
    double left = 1.0;
    double right = 1.0;
    ok = true;
    window->EvaluateSystemEquationSides(equation, {QStringLiteral("X")}, values, left, right, ok);
    QVERIFY(!ok);
}

void SolversTest::systemResiduals()
{
    QList<double> residuals{9};
    double sum = 9.0;
    QVERIFY(window->EvaluateNonlinearSystem({}, {}, {}, residuals, sum));
    QVERIFY(residuals.isEmpty());
    QCOMPARE(sum, 0.0);

    const QList<QString> names{QStringLiteral("X"), QStringLiteral("Y")};
    QVERIFY(window->EvaluateNonlinearSystem({"x + y = 3", "x*y = 1"}, names, {2, 5}, residuals, sum));
    QCOMPARE(residuals, QList<double>({4, 9}));
    QCOMPARE(sum, 97.0);

    // Squares that overflow are no sum.
    QVERIFY(!window->EvaluateNonlinearSystem({"x = 1e200"}, names, {0, 0}, residuals, sum));

    double left = 0.0;
    double right = 0.0;
    bool ok = false;
    QCOMPARE(window->EvaluateSystemEquationSides("x^2 = y", names, {3, 4}, left, right, ok), 5.0);
    QVERIFY(ok);
    QCOMPARE(left, 9.0);
    QCOMPARE(right, 4.0);
}

void SolversTest::linearSystems_data()
{
    QTest::addColumn<QStringList>("equations");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<bool>("underdetermined");

    QTest::newRow("two by two") << QStringList{"x + y = 3", "x - y = 1"} << true << QStringList{"X", "Y"}
                                << QList<double>{2, 1} << false;
    QTest::newRow("one equation, two unknowns") << QStringList{"x + y = 3"} << true << QStringList{"X", "Y"}
                                                << QList<double>{3, 0} << true;
    QTest::newRow("consistent surplus") << QStringList{"2x = 4", "4x = 8"} << true << QStringList{"X"}
                                        << QList<double>{2} << false;
    QTest::newRow("zero column") << QStringList{"x - x = 0"} << true << QStringList{"X"} << QList<double>{0}
                                 << true;
    QTest::newRow("inconsistent") << QStringList{"x = 1", "x = 2"} << false << QStringList{} << QList<double>{}
                                  << false;
    QTest::newRow("zero column, inconsistent") << QStringList{"x - x = 5"} << false << QStringList{}
                                               << QList<double>{} << false;
    QTest::newRow("not linear") << QStringList{"x*y = 6", "x^2 = 4"} << false << QStringList{} << QList<double>{}
                                << false;
    // Zero is judged against the entries it was made from: a coefficient
    // alone in its row is no rounding error, a difference of 1e-13 between
    // two coefficients of 1 is.
    QTest::newRow("1e-13 alone is a pivot") << QStringList{"x = 1", "1e-13*y = 0"} << true << QStringList{"X", "Y"}
                                            << QList<double>{1, 0} << false;
    QTest::newRow("1e-7 beside 1e6 in another row is a pivot")
        << QStringList{"1e6*x = 1e6", "1e-7*y = 0"} << true << QStringList{"X", "Y"} << QList<double>{1, 0} << false;
    QTest::newRow("difference of 1e-13 is zero") << QStringList{"x + y = 1", "x + 1.0000000000001*y = 1"} << true
                                                 << QStringList{"X", "Y"} << QList<double>{1, 0} << true;
    QTest::newRow("difference of 1e-11 is a pivot") << QStringList{"x + y = 1", "x + 1.00000000001*y = 1"} << true
                                                    << QStringList{"X", "Y"} << QList<double>{1, 0} << false;
    QTest::newRow("tiny system") << QStringList{"1e-13*x = 1e-13"} << true << QStringList{"X"} << QList<double>{1}
                                 << false;
    QTest::newRow("large constant") << QStringList{"2x = 3e20"} << true << QStringList{"X"}
                                    << QList<double>{1.5e20} << false;
    QTest::newRow("small coefficient") << QStringList{"x/1e13 = 1"} << true << QStringList{"X"}
                                       << QList<double>{1e13} << false;
    QTest::newRow("large and small unknowns") << QStringList{"1e20*x + y = 2", "x = 1e-20"} << true
                                              << QStringList{"X", "Y"} << QList<double>{1e-20, 1} << false;
    QTest::newRow("inconsistent at a large scale") << QStringList{"x + y = 1e20", "x + y = 1"} << false
                                                   << QStringList{} << QList<double>{} << false;
    QTest::newRow("square beside a large constant") << QStringList{"x^2 = 1e20"} << false << QStringList{}
                                                    << QList<double>{} << false;
    QTest::newRow("three by three") << QStringList{"2a + b - c = 8", "-3a - b + 2c = -11", "-2a + b + 2c = -3"}
                                    << true << QStringList{"A", "B", "C"} << QList<double>{2, 3, -1} << false;
}

void SolversTest::linearSystems()
{
    QFETCH(QStringList, equations);
    QFETCH(bool, solved);
    QFETCH(QStringList, names);
    QFETCH(QList<double>, values);
    QFETCH(bool, underdetermined);

    QList<QString> resultNames;
    QList<double> resultValues;
    bool resultUnderdetermined = !underdetermined;
    QCOMPARE(window->SolveLinearEquationSystem(equations, resultNames, resultValues, resultUnderdetermined), solved);
    if (!solved)
        return;
    QCOMPARE(QStringList(resultNames), names);
    QCOMPARE(resultUnderdetermined, underdetermined);
    QCOMPARE(resultValues.size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        QVERIFY(TestSupport::IsClose(resultValues.at(i), values.at(i), 1e-12));
}

void SolversTest::randomLinearSystemsShowExactAnswers_data()
{
    QTest::addColumn<int>("unknowns");
    QTest::addColumn<int>("seeds");
    const int seeds = TestSupport::PropertySeeds(100);
    QTest::newRow("4 unknowns") << 4 << seeds;
    QTest::newRow("7 unknowns") << 7 << seeds;
    QTest::newRow("10 unknowns") << 10 << seeds;
}

void SolversTest::randomLinearSystemsShowExactAnswers()
{
    QFETCH(int, unknowns);
    QFETCH(int, seeds);
    for (int seed = 0; seed < seeds; ++seed) {
        // Answers in fortieths (halves, quarters, fifths, eighths, tenths)
        // and integer coefficients, so that every right-hand side is an
        // exact decimal of at most three places.
        std::mt19937 random(static_cast<unsigned>(seed * 100 + unknowns));
        const auto between = [&random](int low, int high) {
            return low + int(random() % unsigned(high - low + 1));
        };
        QList<int> fortieths;
        static const int steps[] = {40, 20, 10, 8, 5, 4};
        for (int j = 0; j < unknowns; ++j)
            fortieths.append(between(-20, 20) * steps[between(0, 5)]);
        QStringList equations;
        for (int i = 0; i < unknowns; ++i) {
            QString text;
            qint64 sum = 0;
            for (int j = 0; j < unknowns; ++j) {
                // A dominant diagonal keeps the system far from singular.
                const int sign = between(0, 1) ? 1 : -1;
                const int a = i == j ? sign * between(10 * unknowns, 12 * unknowns) : between(-9, 9);
                sum += qint64(a) * fortieths.at(j);
                text += QStringLiteral("%1%2*x%3 ").arg(a < 0 ? "- " : "+ ").arg(std::abs(a)).arg(j + 1);
            }
            equations.append(text + QStringLiteral("= ") + QString::number(double(sum) / 40.0, 'f', 3));
        }
        QList<QString> names;
        QList<double> values;
        bool underdetermined = true;
        const QString context = QStringLiteral("seed %1: ").arg(seed) + equations.join(QStringLiteral("; "));
        QVERIFY2(window->SolveLinearEquationSystem(equations, names, values, underdetermined), qPrintable(context));
        QVERIFY(!underdetermined);
        for (int j = 0; j < unknowns; ++j) {
            const int index = int(names.indexOf(QStringLiteral("X%1").arg(j + 1)));
            QVERIFY2(index >= 0, qPrintable(context));
            QCOMPARE(window->FormatAnswer(values.at(index)), window->FormatAnswer(fortieths.at(j) / 40.0));
        }
    }
}

void SolversTest::numericLinearSystems_data()
{
    QTest::addColumn<QList<QList<double>>>("matrix");
    QTest::addColumn<QList<double>>("rhs");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<QList<double>>("solution");

    QTest::newRow("rows swapped") << QList<QList<double>>{{0, 1}, {1, 0}} << QList<double>{2, 3} << true
                                  << QList<double>{3, 2};
    QTest::newRow("singular") << QList<QList<double>>{{1, 2}, {2, 4}} << QList<double>{1, 2} << false
                              << QList<double>{};
    // Singular is judged against the matrix's own largest entry.
    QTest::newRow("pivot below 1e-15 of the largest") << QList<QList<double>>{{1e-16, 0}, {0, 1}}
                                                      << QList<double>{1, 1} << false << QList<double>{};
    QTest::newRow("small matrix") << QList<QList<double>>{{1e-16}} << QList<double>{1e-16} << true
                                  << QList<double>{1};
    QTest::newRow("nearly dependent rows") << QList<QList<double>>{{1, 1}, {1, 1 + 1e-16}} << QList<double>{1, 1}
                                           << false << QList<double>{};
    QTest::newRow("empty") << QList<QList<double>>{} << QList<double>{} << false << QList<double>{};
    QTest::newRow("right side too short") << QList<QList<double>>{{1, 0}, {0, 1}} << QList<double>{1} << false
                                          << QList<double>{};
    QTest::newRow("row too short") << QList<QList<double>>{{1, 0}, {1}} << QList<double>{1, 1} << false
                                   << QList<double>{};
    QTest::newRow("overflow") << QList<QList<double>>{{1e-10}} << QList<double>{1e300} << false
                              << QList<double>{};
}

void SolversTest::numericLinearSystems()
{
    QFETCH(QList<QList<double>>, matrix);
    QFETCH(QList<double>, rhs);
    QFETCH(bool, solved);
    QFETCH(QList<double>, solution);

    QList<double> result{9};
    QCOMPARE(MainWindow::SolveNumericLinearSystem(matrix, rhs, result), solved);
    QCOMPARE(result, solution);
}

void SolversTest::rootSearch_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("root");

    QTest::newRow("mirrored square root") << "x^2 = 4" << true << 2.0;
    QTest::newRow("bisected and mirrored") << "x^2 = 2" << true << 1.4142135623730951;
    QTest::newRow("mirror that fails") << "x^3 = -8" << true << -2.0;
    QTest::newRow("zero first") << "x^2 = 0" << true << 0.0;
    QTest::newRow("grid hit") << "x - 5 = 0" << true << 5.0;
    QTest::newRow("double root on the grid") << "(x - 1)^2 = 0" << true << 1.0;
    QTest::newRow("double root between points") << "(x - 0.123)^2 = 0" << false << 0.0;
    QTest::newRow("failed points skipped") << "sqrt(x) = 3" << true << 9.0;
    QTest::newRow("last range, bisected") << "x = 123456.5" << true << 123456.5;
    // Past the last range the search follows a residual that still shrinks
    // outwards, so these are found too.
    QTest::newRow("beyond every range") << "x = 2000000" << true << 2000000.0;
    QTest::newRow("reciprocal beyond every range") << "1/x = 1e-7" << true << 1e7;
    QTest::newRow("growing residual is not followed") << "x^2 + 1 = 0" << false << 0.0;
    QTest::newRow("shrinking residual without a root") << "1/x = 0" << false << 0.0;
    QTest::newRow("last grid point") << "x - 1000000 = 0" << true << 1000000.0;
    QTest::newRow("left end of the last range") << "x + 1000000 = 0" << true << -1000000.0;
    // The root itself, not the first point whose residual is below 1e-12.
    QTest::newRow("tiny square") << "x^2 = 1e-20" << true << 1e-10;
    QTest::newRow("small square") << "x^2 = 1e-8" << true << 1e-4;
    QTest::newRow("pole is no root") << "1/(x - 0.3) = 0" << false << 0.0;
    QTest::newRow("second range") << "x + 10 = 0" << true << -10.0;
    QTest::newRow("two unknowns") << "a = b" << false << 0.0;
}

void SolversTest::rootSearch()
{
    QFETCH(QString, equation);
    QFETCH(bool, found);
    QFETCH(double, root);

    QString variable;
    double value = -12345.0;
    QCOMPARE(window->SolveSingleVariableEquation(equation, variable, value), found);
    if (found)
        QVERIFY2(TestSupport::IsClose(value, root, 1e-9), qPrintable(QString::number(value, 'g', 17)));
    else
        QCOMPARE(value, -12345.0);
}

void SolversTest::randomRootsAreNearestDoubles_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("seeds");
    const int seeds = TestSupport::PropertySeeds(60);
    // %1 and %2 are whole numbers, %1 at least 1.
    QTest::newRow("cube") << "%1*x^3 + %2 = 0" << seeds;
    QTest::newRow("square") << "x^2 = %1*%2" << seeds;
    QTest::newRow("logarithm") << "%1*ln(x) = %2/1000" << seeds;
    QTest::newRow("reciprocal") << "%2/x = %1" << seeds;
}

void SolversTest::randomRootsAreNearestDoubles()
{
    QFETCH(QString, form);
    QFETCH(int, seeds);
    for (int seed = 0; seed < seeds; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        const int a = 1 + int(random() % 9u);
        int b = int(random() % 2001u) - 1000;
        if (b == 0)
            b = 7;
        double root = 0.0;
        if (form.startsWith(QLatin1String("%1*x^3")))
            root = std::cbrt(-double(b) / a);
        else if (form.startsWith(QLatin1String("x^2"))) {
            b = std::abs(b);
            root = std::sqrt(double(a) * b);
        } else if (form.contains(QLatin1String("ln")))
            root = std::exp(double(b) / 1000.0 / a);
        else
            root = double(b) / a;
        const QString equation = form.arg(a).arg(b);
        QString variable;
        double value = 0.0;
        QVERIFY2(window->SolveSingleVariableEquation(equation, variable, value), qPrintable(equation));
        // Within a few doubles of the root: the residual is rounded, so which
        // neighbour is nearer cannot always be told, and cbrt and exp here
        // may be a double off themselves.
        const double ulp = std::nextafter(std::abs(root), HUGE_VAL) - std::abs(root);
        QVERIFY2(std::abs(value - root) <= 4.0 * ulp,
                 qPrintable(equation + QStringLiteral(": ") + QString::number(value, 'g', 17)));
    }
}

void SolversTest::rootSearchBlocks_data()
{
    QTest::addColumn<QStringList>("equations");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("root");

    QTest::newRow("second equation's root fits both") << QStringList{"x^2 = 4", "x^3 = -8"} << true << -2.0;
    QTest::newRow("no common root") << QStringList{"x^2 = 4", "x = 3"} << false << 0.0;
    QTest::newRow("two unknowns") << QStringList{"a + b = 1", "a = 2"} << false << 0.0;
    QTest::newRow("a line that never evaluates") << QStringList{"x^2 = 4", "x == 2"} << false << 0.0;
}

void SolversTest::rootSearchBlocks()
{
    QFETCH(QStringList, equations);
    QFETCH(bool, found);
    QFETCH(double, root);

    QList<QString> names{QStringLiteral("stale")};
    QList<double> values{9};
    QCOMPARE(window->SolveSingleVariableEquationBlock(equations, names, values), found);
    if (found) {
        QCOMPARE(names, QList<QString>{QStringLiteral("X")});
        QCOMPARE(values, QList<double>{root});
    } else {
        QVERIFY(names.isEmpty());
        QVERIFY(values.isEmpty());
    }
}

void SolversTest::nonlinearSystems_data()
{
    QTest::addColumn<QStringList>("equations");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<double>>("values");

    // The zero start converges; snapping makes the integers exact.
    QTest::newRow("parabola and line") << QStringList{"x^2 - y = 1", "x + y = 5"} << QStringList{"X", "Y"}
                                       << QList<double>{2, 3};
    QTest::newRow("circle and line") << QStringList{"x^2 + y^2 = 25", "x - y = 1"} << QStringList{"X", "Y"}
                                     << QList<double>{4, 3};
    // Any order of 1, 2, 3 solves it; the starts decide which one is met.
    QTest::newRow("three unknowns") << QStringList{"x + y + z = 6", "x*y*z = 6", "x^2 + y^2 + z^2 = 14"}
                                    << QStringList{"X", "Y", "Z"} << QList<double>{2, 1, 3};
}

void SolversTest::nonlinearSystems()
{
    QFETCH(QStringList, equations);
    QFETCH(QStringList, names);
    QFETCH(QList<double>, values);

    QList<QString> resultNames;
    QList<double> resultValues;
    QVERIFY(window->SolveNonlinearEquationSystem(equations, resultNames, resultValues));
    QCOMPARE(QStringList(resultNames), names);
    QCOMPARE(resultValues, values);
}

SUMVELLE_TEST_MAIN(SolversTest)
#include "tst_solvers.moc"
