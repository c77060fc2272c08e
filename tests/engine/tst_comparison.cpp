#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include "engine/Comparison.h"
#include "pad/mainwindow.h"

#include <algorithm>
#include <limits>

class ComparisonTest : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void links_data();
    void links();
    void exactlyOneHolds_data();
    void exactlyOneHolds();
    void evaluate_data();
    void evaluate();
    void listsAreEmptiedUnlessCompared_data();
    void listsAreEmptiedUnlessCompared();
};

using Outcome = Comparison::SplitOutcome;

void ComparisonTest::split_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("operands");
    QTest::addColumn<QStringList>("operators");

    const int split = int(Outcome::Split);
    const int empty = int(Outcome::EmptyOperand);
    const int none = int(Outcome::NoOperator);

    QTest::newRow("chain") << "1 < 2 < 3" << split << QStringList{"1", "2", "3"} << QStringList{"<", "<"};
    QTest::newRow("operands trimmed, kept as written")
        << "  x+1 <= 2*y  " << split << QStringList{"x+1", "2*y"} << QStringList{"<="};
    QTest::newRow("every two-character operator")
        << "1>=2<>3<=4" << split << QStringList{"1", "2", "3", "4"} << QStringList{">=", "<>", "<="};
    QTest::newRow("one-character operators") << "a=b>c" << split << QStringList{"a", "b", "c"}
                                             << QStringList{"=", ">"};
    QTest::newRow("brackets protect nothing") << "(1<2)" << split << QStringList{"(1", "2)"} << QStringList{"<"};
    QTest::newRow("quotes protect nothing")
        << "\"a<b\" = 1" << split << QStringList{"\"a", "b\"", "1"} << QStringList{"<", "="};
    QTest::newRow("double equals") << "2 == 2" << empty << QStringList() << QStringList();
    QTest::newRow("equals then greater") << "3 => 2" << empty << QStringList() << QStringList();
    QTest::newRow("equals then less") << "3 =< 2" << empty << QStringList() << QStringList();
    QTest::newRow("greater then less") << "3 >< 2" << empty << QStringList() << QStringList();
    QTest::newRow("begins with an operator") << "< 3" << empty << QStringList() << QStringList();
    QTest::newRow("ends with an operator") << "3 <" << empty << QStringList() << QStringList();
    QTest::newRow("blank operand") << "1 <   < 3" << empty << QStringList() << QStringList();
    QTest::newRow("operator alone") << "<>" << empty << QStringList() << QStringList();
    QTest::newRow("no operator") << "2 + 3" << none << QStringList() << QStringList();
    QTest::newRow("empty line") << "" << none << QStringList() << QStringList();
}

void ComparisonTest::split()
{
    QFETCH(QString, line);
    QFETCH(int, outcome);
    QFETCH(QStringList, operands);
    QFETCH(QStringList, operators);

    QList<QString> foundOperands{QStringLiteral("stale")};
    QList<QString> foundOperators{QStringLiteral("stale")};
    QCOMPARE(int(Comparison::Split(line, foundOperands, foundOperators)), outcome);
    QCOMPARE(QStringList(foundOperands), operands);
    QCOMPARE(QStringList(foundOperators), operators);
}

// The tolerance is 1e-12, times the larger magnitude above 1: each edge is
// tried a little inside and a little outside.
void ComparisonTest::links_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("holds");

    QTest::newRow("sum of tenths equal") << "=" << 0.1 + 0.2 << 0.3 << true;
    QTest::newRow("sum of tenths not unequal") << "<>" << 0.1 + 0.2 << 0.3 << false;
    QTest::newRow("close values are not less") << "<" << 2.0 << 2.0000000000001 << false;
    QTest::newRow("less beyond the tolerance") << "<" << 2.0 << 2.00000000001 << true;
    QTest::newRow("less-or-equal") << "<=" << 2.0 << 2.0000000000001 << true;
    QTest::newRow("close values are not unequal") << "<>" << 2.0000000000001 << 2.0 << false;
    QTest::newRow("equal values are not less") << "<" << 2.0 << 2.0 << false;
    QTest::newRow("greater") << ">" << 3.0 << 2.0 << true;
    QTest::newRow("greater is strict") << ">" << 2.0 << 2.0 << false;
    QTest::newRow("greater-or-equal when close") << ">=" << 2.0 << 2.0000000000001 << true;
    QTest::newRow("greater-or-equal refused") << ">=" << 1.0 << 2.0 << false;
    QTest::newRow("less-or-equal refused") << "<=" << 2.0 << 1.0 << false;
    QTest::newRow("large magnitudes scale the tolerance") << "=" << 1e20 << 1e20 + 1e7 << true;
    QTest::newRow("tiny value is not zero") << "=" << 0.0000000000001 << 0.0 << false;
    QTest::newRow("tiny values differing in the tenth digit")
        << "=" << 0.0005433457144236712 << 0.000543345714967017 << false;
    QTest::newRow("zero equals zero") << "=" << 0.0 << -0.0 << true;
    QTest::newRow("smallest doubles are zero") << "=" << std::numeric_limits<double>::denorm_min() << 0.0 << true;
    QTest::newRow("above 1: inside the relative edge") << "=" << 1000.0 << 1000.0 + 0.6e-9 << true;
    QTest::newRow("above 1: outside the relative edge") << "=" << 1000.0 << 1000.0 + 1.4e-9 << false;
    QTest::newRow("below 1: inside the relative edge") << "=" << 0.5 << 0.5 + 0.4e-12 << true;
    QTest::newRow("below 1: outside the relative edge") << "=" << 0.5 << 0.5 + 0.6e-12 << false;
    QTest::newRow("magnitude 1 itself is absolute") << "=" << 1.0 << 1.0 - 0.6e-12 << true;
    QTest::newRow("magnitude 1 itself, outside") << "=" << 1.0 << 1.0 - 1.4e-12 << false;
    QTest::newRow("the same gap is close above 1") << "=" << 1e6 << 1e6 + 1e-7 << true;
    QTest::newRow("and not close below 1") << "=" << 0.5 << 0.5 + 1e-7 << false;
    QTest::newRow("negative magnitudes count") << "=" << -1e20 << -1e20 - 1e7 << true;
    QTest::newRow("unknown operator never holds") << "==" << 1.0 << 1.0 << false;
}

void ComparisonTest::links()
{
    QFETCH(QString, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, holds);

    QCOMPARE(Comparison::LinkHolds(op, a, b), holds);
}

// For any pair exactly one of "=", "<" and ">" holds, and the other three
// operators agree with them.
void ComparisonTest::exactlyOneHolds_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("holding");

    QTest::newRow("sum of tenths") << "0.1 + 0.2 ? 0.3" << "=";
    QTest::newRow("product of tenths") << "1.1 * 3 ? 3.3" << "=";
    QTest::newRow("square of a root") << "SQRT(2)^2 ? 2" << "=";
    QTest::newRow("difference of tenths") << "1 - 0.9 ? 0.1" << "=";
    QTest::newRow("hundredfold") << "4.35*100 ? 435" << "=";
    QTest::newRow("cancelled sum against zero") << "0.1 + 0.2 - 0.3 ? 0" << "=";
    QTest::newRow("tiny values") << "1e-15 ? 2e-15" << "<";
    QTest::newRow("tiny value against zero") << "1e-13 ? 0" << ">";
    QTest::newRow("tiny negative against zero") << "-1e-300 ? 0" << "<";
    QTest::newRow("tenth digit below one")
        << "0.0005433457144236712 ? 0.000543345714967017" << "<";
    QTest::newRow("large magnitudes") << "1e20 ? 1e20 + 1e7" << "=";
    QTest::newRow("close above 1") << "2.0000000000001 ? 2" << "=";
}

void ComparisonTest::exactlyOneHolds()
{
    QFETCH(QString, line);
    QFETCH(QString, holding);

    auto window = TestSupport::createWindow();
    const QStringList operators{"=", "<", ">", "<>", "<=", ">="};
    QStringList held;
    for (const QString& op : operators) {
        bool ok = false;
        bool result = false;
        QVERIFY(window->EvaluateComparison(QString(line).replace(QLatin1Char('?'), op), ok, result));
        QVERIFY(ok);
        if (result)
            held.append(op);
    }
    QStringList expected{holding, holding == QLatin1String("=") ? QStringLiteral("<=") : QStringLiteral("<>")};
    if (holding == QLatin1String("="))
        expected.append(QStringLiteral(">="));
    else
        expected.append(holding + QLatin1Char('='));
    std::sort(expected.begin(), expected.end());
    held.sort();
    QCOMPARE(held, expected);
}

// X = 2, Y = 3 and ANS = 7.
void ComparisonTest::evaluate_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isComparison");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QStringList>("operators");
    QTest::addColumn<QList<double>>("values");

    using Values = QList<double>;
    QTest::newRow("rising chain") << "1 < 2 < 3" << true << true << true << QStringList{"1", "2", "3"}
                                  << QStringList{"<", "<"} << Values{1, 2, 3};
    QTest::newRow("fails at the second link") << "3 > 2 > 2" << true << true << false << QStringList{"3", "2", "2"}
                                              << QStringList{">", ">"} << Values{3, 2, 2};
    QTest::newRow("each link on its own pair") << "1 < 3 > 2" << true << true << true
                                               << QStringList{"1", "3", "2"} << QStringList{"<", ">"}
                                               << Values{1, 3, 2};
    QTest::newRow("equal within the tolerance") << "0.1 + 0.2 = 0.3" << true << true << true
                                                << QStringList{"0.1 + 0.2", "0.3"} << QStringList{"="}
                                                << Values{0.1 + 0.2, 0.3};
    QTest::newRow("three equal operands") << "5 = 5 = 5" << true << true << true << QStringList{"5", "5", "5"}
                                          << QStringList{"=", "="} << Values{5, 5, 5};
    QTest::newRow("variables, parts as written") << "  x+1 <= 2*y  " << true << true << true
                                                 << QStringList{"x+1", "2*y"} << QStringList{"<="} << Values{3, 6};
    QTest::newRow("ANS is the last answer") << "ANS > 0" << true << true << true << QStringList{"ANS", "0"}
                                            << QStringList{">"} << Values{7, 0};
    QTest::newRow("unequal powers") << "2^10 <> 1000" << true << true << true << QStringList{"2^10", "1000"}
                                    << QStringList{"<>"} << Values{1024, 1000};
    QTest::newRow("a variable compared, not assigned") << "x = 2" << true << true << true
                                                       << QStringList{"x", "2"} << QStringList{"="} << Values{2, 2};

    const QStringList none;
    const Values noValues;
    QTest::newRow("equation with an unknown") << "2q = 6" << false << false << false << none << none << noValues;
    QTest::newRow("unknown with another operator") << "2q < 6" << true << false << false << none << none
                                                   << noValues;
    QTest::newRow("double equals") << "2 == 2" << true << false << false << none << none << noValues;
    QTest::newRow("equals then greater") << "3 => 2" << true << false << false << none << none << noValues;
    QTest::newRow("begins with less") << "< 2" << true << false << false << none << none << noValues;
    QTest::newRow("ends with less") << "2 <" << true << false << false << none << none << noValues;
    QTest::newRow("no operator") << "2 + 3" << false << false << false << none << none << noValues;
    QTest::newRow("every operand is evaluated before any link")
        << "2 < 1 < q" << true << false << false << none << none << noValues;
    QTest::newRow("no word operators here") << "two < 3" << true << false << false << none << none << noValues;
    QTest::newRow("no text is stripped") << "3 apples > 2" << true << false << false << none << none << noValues;

    // A value that is not finite is no value to compare.
    QTest::newRow("infinite operand") << "10^400 < 1" << true << false << false << none << none << noValues;
    QTest::newRow("undefined operand") << "(-8)^(1/3) <> 1" << true << false << false << none << none << noValues;
    QTest::newRow("infinite operands with only equals")
        << "10^400 = 10^400" << false << false << false << none << none << noValues;
}

void ComparisonTest::evaluate()
{
    QFETCH(QString, line);
    QFETCH(bool, isComparison);
    QFETCH(bool, ok);
    QFETCH(bool, result);
    QFETCH(QStringList, parts);
    QFETCH(QStringList, operators);
    QFETCH(QList<double>, values);

    auto window = TestSupport::createWindow();
    MainWindowTestAccess::setVariable(*window, QStringLiteral("X"), 2.0);
    MainWindowTestAccess::setVariable(*window, QStringLiteral("Y"), 3.0);
    MainWindowTestAccess::setAns(*window, 7.0);

    bool foundOk = true;
    bool foundResult = !result;
    QList<QString> foundParts;
    QList<QString> foundOperators;
    QList<double> foundValues;
    QCOMPARE(window->EvaluateComparison(line, foundOk, foundResult, &foundParts, &foundOperators, &foundValues),
             isComparison);
    QCOMPARE(foundOk, ok);
    QCOMPARE(foundResult, result);
    QCOMPARE(QStringList(foundParts), parts);
    QCOMPARE(QStringList(foundOperators), operators);
    QCOMPARE(foundValues, values);

    // The preview asks without lists and must get the same answer.
    bool bareOk = !ok;
    bool bareResult = !result;
    QCOMPARE(window->EvaluateComparison(line, bareOk, bareResult), isComparison);
    QCOMPARE(bareOk, ok);
    QCOMPARE(bareResult, result);
}

void ComparisonTest::listsAreEmptiedUnlessCompared_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("not a comparison") << "2 + 3";
    QTest::newRow("cannot be compared") << "2 < q";
    QTest::newRow("equation") << "2q = 6";
}

void ComparisonTest::listsAreEmptiedUnlessCompared()
{
    QFETCH(QString, line);

    auto window = TestSupport::createWindow();
    bool ok = true;
    bool result = true;
    QList<QString> parts{QStringLiteral("old")};
    QList<QString> operators{QStringLiteral("<")};
    QList<double> values{1.0};
    window->EvaluateComparison(line, ok, result, &parts, &operators, &values);
    QVERIFY(!ok);
    QVERIFY(!result);
    QVERIFY(parts.isEmpty());
    QVERIFY(operators.isEmpty());
    QVERIFY(values.isEmpty());
}

SUMVELLE_TEST_MAIN(ComparisonTest)
#include "tst_comparison.moc"
