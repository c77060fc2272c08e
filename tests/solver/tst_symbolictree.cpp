#include "solver/SimplifyRules.h"
#include "solver/SymbolicParser.h"
#include "solver/SymbolicTree.h"
#include "support/numbers.h"
#include "support/symbolicvalues.h"
#include "support/testsupport.h"

#include <random>

using Kind = SimplifyNodeType;

namespace {

SimplifyNodePtr Num(double value)
{
    return MakeNumber(value);
}

SimplifyNodePtr Var(const QString& name)
{
    return MakeVariable(name);
}

SimplifyNodePtr Bin(Kind kind, SimplifyNodePtr left, SimplifyNodePtr right)
{
    return MakeBinary(kind, std::move(left), std::move(right));
}

SimplifyNodePtr Neg(SimplifyNodePtr operand)
{
    return MakeUnary(Kind::Negate, std::move(operand));
}

// The tree as read, before any rule runs.
SimplifyNodePtr Parsed(const QString& text, bool* ok = nullptr)
{
    SimplifyNodePtr tree;
    const bool whole = ParseWholeExpression(text, tree);
    if (ok)
        *ok = whole;
    return tree;
}

} // namespace

Q_DECLARE_METATYPE(SimplifyNodePtr)

class SymbolicTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void numberText_data();
    void numberText();
    void printing_data();
    void printing();
    void printedTreesReadBackAlike_data();
    void printedTreesReadBackAlike();
    void keys();
    void coefficients();
    void keyOrderMatchesKeyText_data();
    void keyOrderMatchesKeyText();
    void deepTreesPrintWithoutRecursion();
    void deepRuleRecursionStops();
    void parser_data();
    void parser();
    void topLevelEquals_data();
    void topLevelEquals();
    void nestingLimit();
    void rules_data();
    void rules();
    void nonFiniteFoldFails_data();
    void nonFiniteFoldFails();
};

void SymbolicTreeTest::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // A number other than 0 never prints as 0.
    QTest::newRow("tiny") << 1e-13 << "1e-13";
    QTest::newRow("tiny negative") << -1e-13 << "-1e-13";
    QTest::newRow("Planck") << 6.626e-34 << "6.626e-34";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("nearly whole and large") << 123456789012.0000001 << "123456789012";
    QTest::newRow("nearly whole") << 3.0000000000001 << "3";
    QTest::newRow("negative whole") << -3.0 << "-3";
    QTest::newRow("two thirds") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
    QTest::newRow("large") << 1e20 << "1e+20";
    QTest::newRow("small") << 1e-7 << "1e-07";
    QTest::newRow("beyond 64 bits") << 1e19 << "1e+19";
    QTest::newRow("below 2^63") << 4611686018427387904.0 << "4611686018427387904";
}

void SymbolicTreeTest::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(SymbolicNumberText(value), text);
    QCOMPARE(NodeKey(Num(value)), QStringLiteral("N:") + text);
}

void SymbolicTreeTest::printing_data()
{
    QTest::addColumn<SimplifyNodePtr>("tree");
    QTest::addColumn<QString>("text");
    const auto A = [] { return Var("A"); };
    const auto B = [] { return Var("B"); };
    const auto C = [] { return Var("C"); };
    QTest::newRow("add negative number") << Bin(Kind::Add, A(), Num(-3)) << "A - 3";
    QTest::newRow("add zero") << Bin(Kind::Add, A(), Num(0)) << "A + 0";
    QTest::newRow("add negation") << Bin(Kind::Add, A(), Neg(B())) << "A - B";
    QTest::newRow("add negated sum") << Bin(Kind::Add, A(), Neg(Bin(Kind::Add, B(), C()))) << "A - (B + C)";
    QTest::newRow("right difference") << Bin(Kind::Subtract, A(), Bin(Kind::Subtract, B(), C())) << "A - (B - C)";
    QTest::newRow("left difference") << Bin(Kind::Subtract, Bin(Kind::Subtract, A(), B()), C()) << "A - B - C";
    QTest::newRow("minus negative") << Bin(Kind::Subtract, A(), Num(-3)) << "A - -3";
    QTest::newRow("sum times") << Bin(Kind::Multiply, Bin(Kind::Add, A(), B()), C()) << "(A + B)*C";
    QTest::newRow("times quotient") << Bin(Kind::Multiply, A(), Bin(Kind::Divide, B(), C())) << "A*B/C";
    QTest::newRow("over product") << Bin(Kind::Divide, A(), Bin(Kind::Multiply, B(), C())) << "A/(B*C)";
    QTest::newRow("over negation") << Bin(Kind::Divide, A(), Neg(B())) << "A/-B";
    QTest::newRow("over negated product") << Bin(Kind::Divide, A(), Neg(Bin(Kind::Multiply, B(), C()))) << "A/(-B*C)";
    QTest::newRow("over negated quotient") << Bin(Kind::Divide, A(), Neg(Bin(Kind::Divide, B(), C()))) << "A/(-B/C)";
    QTest::newRow("times negation") << Bin(Kind::Multiply, Num(2), Neg(A())) << "2*-A";
    QTest::newRow("power of power") << Bin(Kind::Power, Bin(Kind::Power, A(), B()), C()) << "(A^B)^C";
    QTest::newRow("power chain") << Bin(Kind::Power, A(), Bin(Kind::Power, B(), C())) << "A^B^C";
    QTest::newRow("negated base") << Bin(Kind::Power, Neg(A()), Num(2)) << "(-A)^2";
    QTest::newRow("negated exponent") << Bin(Kind::Power, A(), Neg(B())) << "A^(-B)";
    QTest::newRow("negative exponent") << Bin(Kind::Power, A(), Num(-1)) << "A^-1";
    QTest::newRow("negated power") << Neg(Bin(Kind::Power, A(), Num(2))) << "-A^2";
    QTest::newRow("negated product") << Neg(Bin(Kind::Multiply, Num(2), A())) << "-2*A";
    QTest::newRow("function") << MakeFunction("SQRT", Bin(Kind::Add, A(), Num(1))) << "SQRT(A + 1)";
    // Printed without parentheses these would read as -(2^A) and -B + C.
    QTest::newRow("negative number base") << Bin(Kind::Power, Num(-2), A()) << "(-2)^A";
    QTest::newRow("negated sum") << Neg(Bin(Kind::Add, B(), C())) << "-(B + C)";
    QTest::newRow("negated difference") << Neg(Bin(Kind::Subtract, B(), C())) << "-(B - C)";
    QTest::newRow("variable as typed") << Var("xY") << "xY";
    // Bare, these would read as (A/-B)*C and (6/-2)*Y.
    QTest::newRow("times negated quotient")
        << Bin(Kind::Multiply, A(), Neg(Neg(Bin(Kind::Divide, B(), C())))) << "A*(--B/C)";
    QTest::newRow("negated product first") << Bin(Kind::Divide, Neg(Bin(Kind::Multiply, A(), B())), C()) << "-A*B/C";
}

void SymbolicTreeTest::printedTreesReadBackAlike_data()
{
    QTest::addColumn<int>("firstSeed");
    QTest::addColumn<int>("seeds");
    QTest::addColumn<int>("depth");
    const int seeds = TestSupport::PropertySeeds(300);
    QTest::newRow("shallow") << 0 << seeds << 3;
    QTest::newRow("deep") << 1000000 << seeds << 6;
}

void SymbolicTreeTest::printedTreesReadBackAlike()
{
    QFETCH(int, firstSeed);
    QFETCH(int, seeds);
    QFETCH(int, depth);
    for (int seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        const SimplifyNodePtr tree = TestSupport::RandomTree(random, depth);
        const QString text = NodeToText(tree, 0, false);
        SimplifyNodePtr read;
        QVERIFY2(ParseWholeExpression(text, read), qPrintable(text));
        std::uniform_real_distribution<double> spread(-3.0, 3.0);
        for (int point = 0; point < 3; ++point) {
            const QHash<QString, double> values = {
                {"A", spread(random)}, {"B", spread(random)}, {"X1", spread(random)}, {"Y", spread(random)}};
            bool treeOk = true;
            bool readOk = true;
            const double expected = TestSupport::EvaluateTree(tree, values, treeOk);
            const double actual = TestSupport::EvaluateTree(read, values, readOk);
            QVERIFY(treeOk && readOk);
            QVERIFY2(TestSupport::SameValue(actual, expected, 1e-9),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(text)));
        }
    }
}

void SymbolicTreeTest::printing()
{
    QFETCH(SimplifyNodePtr, tree);
    QFETCH(QString, text);
    QCOMPARE(NodeToText(tree, 0, false), text);
}

void SymbolicTreeTest::keys()
{
    QCOMPARE(NodeKey(Bin(Kind::Add, Bin(Kind::Multiply, Num(2), Var("x")), Num(1))),
             QStringLiteral("ADD(MUL(N:2,V:X),N:1)"));
    QCOMPARE(NodeKey(MakeFunction("SIN", Var("x"))), QStringLiteral("F:SIN(V:X)"));
    QCOMPARE(NodeKey(Neg(Bin(Kind::Power, Var("a"), Num(0.5)))), QStringLiteral("NEG(POW(V:A,N:0.5))"));
    QCOMPARE(NodeKey(SimplifyNodePtr()), QString());
    QVERIFY(SameNode(Var("x"), Var("X")));
    QVERIFY(SameNode(Num(0.1 + 0.2), Num(0.3)));
    QVERIFY(SameNode(SimplifyNodePtr(), SimplifyNodePtr()));
    QVERIFY(!SameNode(Var("x"), SimplifyNodePtr()));
    QVERIFY(!SameNode(Bin(Kind::Multiply, Var("x"), Var("y")), Bin(Kind::Multiply, Var("y"), Var("x"))));
    SimplifyNodePtr divide = Bin(Kind::Divide, Num(1), Num(3));
    divide->noFold = true;
    QVERIFY(SameNode(divide, Bin(Kind::Divide, Num(1), Num(3))));
    QCOMPARE(NodeKeyHash(Var("abc").get()), NodeKeyHash(Var("ABC").get()));
    QVERIFY(NodeContainsVariable(Bin(Kind::Add, Num(1), MakeFunction("SIN", Var("Xy"))), "xY"));
    QVERIFY(!NodeContainsVariable(Bin(Kind::Add, Var("X1"), Var("Y")), "X"));
}

void SymbolicTreeTest::coefficients()
{
    double c = 0;
    SimplifyNodePtr rest;
    const SimplifyNodePtr nested = Bin(Kind::Multiply, Bin(Kind::Multiply, Num(2), Num(3)), Var("x"));
    ExtractCoefficient(nested, c, rest);
    QCOMPARE(c, 1.0);
    QCOMPARE(rest, nested);
    const SimplifyNodePtr x = Var("x");
    ExtractCoefficient(Neg(Bin(Kind::Multiply, x, Num(4))), c, rest);
    QCOMPARE(c, -4.0);
    QCOMPARE(rest, x);
    ExtractCoefficient(Num(7), c, rest);
    QCOMPARE(c, 7.0);
    QVERIFY(!rest);
    ExtractCoefficient(SimplifyNodePtr(), c, rest);
    QCOMPARE(c, 1.0);
    QVERIFY(!rest);
}

void SymbolicTreeTest::keyOrderMatchesKeyText_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("variables") << "x" << "x1";
    QTest::newRow("number before variable") << "2" << "a";
    QTest::newRow("sum before quotient") << "(a+b)" << "(a/b)";
    QTest::newRow("function before product") << "sin(a)" << "(a*b)";
    QTest::newRow("power before difference") << "a^2" << "(a-b)";
    QTest::newRow("deep common prefix") << "sin(a*b^2)" << "sin(a*b^3)";
    QTest::newRow("equal") << "sin(x)" << "SIN(X)";
}

void SymbolicTreeTest::keyOrderMatchesKeyText()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    const SimplifyNodePtr a = Parsed(first);
    const SimplifyNodePtr b = Parsed(second);
    const int expected = NodeKey(a).compare(NodeKey(b));
    const int sign = expected < 0 ? -1 : (expected > 0 ? 1 : 0);
    QCOMPARE(CompareNodeKeys(a.get(), b.get()), sign);
    QCOMPARE(CompareNodeKeys(b.get(), a.get()), -sign);
}

void SymbolicTreeTest::deepTreesPrintWithoutRecursion()
{
    // A chain far deeper than any stack would allow one frame per level.
    SymbolicBudget budget;
    SimplifyNodePtr chain = Var("x");
    for (int i = 0; i < 200000; ++i)
        chain = Bin(Kind::Add, chain, Num(1));
    const QString text = NodeToText(chain, 0, false);
    QVERIFY(text.startsWith(QStringLiteral("x + 1 + 1")));
    QCOMPARE(text.size(), 1 + 200000 * 4);
    QVERIFY(NodeKey(chain).startsWith(QStringLiteral("ADD(ADD(")));
    QVERIFY(SameNode(chain, chain));
    QVERIFY(!NodeContainsVariable(chain, "y"));
    chain.reset();
}

void SymbolicTreeTest::deepRuleRecursionStops()
{
    // Trees the parser would refuse, built directly: the rules give up at
    // their depth limit instead of running out of stack.
    SimplifyNodePtr negations = Var("x");
    SimplifyNodePtr functions = Var("x");
    SimplifyNodePtr exponents = Var("x");
    for (int i = 0; i < 20000; ++i) {
        negations = Neg(negations);
        functions = MakeFunction("SIN", functions);
        exponents = Bin(Kind::Power, Num(2), exponents);
    }
    for (const SimplifyNodePtr& tree : {negations, functions, exponents}) {
        SymbolicBudget budget;
        SimplifyNodeTree(tree, false);
        QVERIFY(budget.tooLarge);
    }
}

void SymbolicTreeTest::parser_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("implicit after number") << "2x" << "MUL(N:2,V:X)";
    QTest::newRow("implicit with space") << "2 x" << "MUL(N:2,V:X)";
    QTest::newRow("two names") << "x y" << "MUL(V:X,V:Y)";
    QTest::newRow("before parenthesis") << "2(x+1)" << "MUL(N:2,ADD(V:X,N:1))";
    QTest::newRow("name before parenthesis") << "x(y)" << "MUL(V:X,V:Y)";
    QTest::newRow("function") << "sin(x)" << "F:SIN(V:X)";
    QTest::newRow("function with space") << "SIN (x)" << "F:SIN(V:X)";
    QTest::newRow("function name without parenthesis") << "sin x" << "MUL(V:SIN,V:X)";
    QTest::newRow("lone function name") << "sqrt" << "V:SQRT";
    QTest::newRow("implicit after quotient") << "1/2x" << "MUL(DIV(N:1,N:2),V:X)";
    QTest::newRow("left-associative minus") << "a-b-c" << "SUB(SUB(V:A,V:B),V:C)";
    QTest::newRow("left-associative divide") << "a/b/c" << "DIV(DIV(V:A,V:B),V:C)";
    QTest::newRow("minus looser than power") << "-x^2" << "NEG(POW(V:X,N:2))";
    QTest::newRow("signed exponent") << "2^-1" << "POW(N:2,NEG(N:1))";
    QTest::newRow("right-associative power") << "2^3^2" << "POW(N:2,POW(N:3,N:2))";
    QTest::newRow("double minus") << "--x" << "NEG(NEG(V:X))";
    QTest::newRow("unary plus") << "+x" << "V:X";
    QTest::newRow("power then implicit") << "x^2y" << "MUL(POW(V:X,N:2),V:Y)";
    QTest::newRow("exponent") << "2E3" << "N:2000";
    QTest::newRow("leading point") << ".5" << "N:0.5";
    QTest::newRow("second point") << "2.5.1" << "MUL(N:2.5,N:0.1)";
    QTest::newRow("constant names are variables") << "PI*e" << "MUL(V:PI,V:E)";
    QTest::newRow("other scripts' digits") << QString::fromUtf8("\u0663\u0662") << "N:32";
    QTest::newRow("letter names") << QString::fromUtf8("\u00e9t\u00e91") << QString::fromUtf8("V:\u00c9T\u00c91");
    QTest::newRow("no-break space") << QString::fromUtf8("x\u00a0+ 1") << "ADD(V:X,N:1)";
    QTest::newRow("exponent without digits") << "2e" << "";
    QTest::newRow("exponent sign without digits") << "3e+" << "";
    QTest::newRow("lone point") << "." << "";
    QTest::newRow("missing parenthesis") << "(x+1" << "";
    QTest::newRow("missing operand") << "x +" << "";
    QTest::newRow("equation") << "x = 3" << "";
    QTest::newRow("stray parenthesis") << "x)" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blank") << "   " << "";
    QTest::newRow("percent") << "5%" << "";
}

void SymbolicTreeTest::parser()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    SymbolicBudget budget;
    bool ok = false;
    const SimplifyNodePtr tree = Parsed(text, &ok);
    QCOMPARE(ok, !key.isEmpty());
    QCOMPARE(NodeKey(tree), key);
    SimplifyNodePtr simplified;
    QCOMPARE(ParseSymbolicExpression(text, simplified), !key.isEmpty());
}

void SymbolicTreeTest::topLevelEquals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("one") << "a=b" << 1;
    QTest::newRow("inside parentheses") << "f(a=b)" << -1;
    QTest::newRow("two") << "a=b=c" << -2;
    QTest::newRow("unclosed") << "(a=b" << -2;
    QTest::newRow("closed first") << ")a=b(" << -2;
    QTest::newRow("empty") << "" << -1;
}

void SymbolicTreeTest::topLevelEquals()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QCOMPARE(FindTopLevelEquals(text), index);
}

void SymbolicTreeTest::nestingLimit()
{
    const auto nested = [](int depth) {
        return QString(depth, QLatin1Char('(')) + QStringLiteral("x") + QString(depth, QLatin1Char(')'));
    };
    SimplifyNodePtr tree;
    {
        SymbolicBudget budget;
        QVERIFY(ParseSymbolicExpression(nested(300), tree));
        QVERIFY(!budget.Failed());
    }
    for (const QString& text : {nested(5000), QString(5000, QLatin1Char('-')) + QStringLiteral("x"),
                                QStringLiteral("2") + QStringLiteral("^2").repeated(5000)}) {
        SymbolicBudget budget;
        QVERIFY(!ParseSymbolicExpression(text, tree));
        QVERIFY(budget.tooLarge);
    }
    SymbolicBudget budget;
    QVERIFY(!ParseSymbolicExpression(QStringLiteral("x+").repeated(20000) + QStringLiteral("x"), tree));
    QVERIFY(budget.tooLarge);
}

void SymbolicTreeTest::rules_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("isolating");
    QTest::addColumn<QString>("result");
    QTest::newRow("like terms") << "X - 3 + 2*X" << false << "3*X - 3";
    QTest::newRow("non-negative first") << "-X + 5" << false << "5 - X";
    QTest::newRow("constant stays") << "X + 2" << false << "X + 2";
    QTest::newRow("cancel") << "X - X" << false << "0";
    QTest::newRow("powers") << "X*X*X" << false << "X^3";
    QTest::newRow("factor order") << "Y*2*X" << false << "2*X*Y";
    QTest::newRow("function first") << "X*SIN(X)" << false << "SIN(X)*X";
    QTest::newRow("quotient factor") << "X*(Y/2)" << false << "0.5*X*Y";
    QTest::newRow("distribute") << "2*(X + 1)" << false << "2*X + 2";
    QTest::newRow("no distribution when isolating") << "2*(X + 1)" << true << "2*(X + 1)";
    QTest::newRow("two sums") << "(X + 1)*(X - 1)" << false << "(X - 1)*(X + 1)";
    QTest::newRow("negated sum") << "-(X + Y)" << false << "-X - Y";
    QTest::newRow("negated factor") << "X*(-Y)" << false << "-X*Y";
    QTest::newRow("power of power") << "(X^2)^3" << false << "X^6";
    QTest::newRow("fractional power of power") << "(X^2)^0.5" << false << "(X^2)^0.5";
    QTest::newRow("zero exponent") << "X^0" << false << "1";
    QTest::newRow("zero to zero") << "0^0" << false << "0^0";
    QTest::newRow("one to any") << "1^X" << false << "1";
    QTest::newRow("first power") << "X^1" << false << "X";
    QTest::newRow("coefficient over number") << "6*X/3" << false << "2*X";
    QTest::newRow("plain quotient") << "X/3" << false << "X/3";
    QTest::newRow("over zero") << "5/0" << false << "5/0";
    QTest::newRow("fraction coefficient") << "2*X/3" << false << "0.666666666666667*X";
    QTest::newRow("root of square") << "SQRT(X^2)" << false << "ABS(X)";
    QTest::newRow("root of number") << "SQRT(16)" << false << "4";
    QTest::newRow("root of negative") << "SQRT(-4)" << false << "SQRT(-4)";
    QTest::newRow("sine of zero") << "SIN(0)" << false << "0";
    QTest::newRow("absolute") << "ABS(-3)" << false << "3";
    QTest::newRow("times zero") << "0*X" << false << "0";
    QTest::newRow("one times") << "1*X" << false << "X";
    QTest::newRow("times one") << "X*1" << false << "X";
    QTest::newRow("power too large to fold") << "10^400" << false << "10^400";
    QTest::newRow("negative base") << "(-2)^X" << false << "(-2)^X";
}

void SymbolicTreeTest::rules()
{
    QFETCH(QString, input);
    QFETCH(bool, isolating);
    QFETCH(QString, result);
    SymbolicBudget budget;
    const SimplifyNodePtr tree = Parsed(input);
    QVERIFY(tree);
    QCOMPARE(NodeToText(SimplifyNodeTree(tree, isolating), 0, false), result);
    QVERIFY(!budget.Failed());
}

void SymbolicTreeTest::nonFiniteFoldFails_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("product") << "1e308*10";
    QTest::newRow("sum") << "1e308 + 1e308";
    QTest::newRow("difference") << "-1e308 - 1e308";
    QTest::newRow("quotient") << "1e308/1e-10";
    QTest::newRow("merged coefficients") << "1e308*X + 1e308*X";
    QTest::newRow("product coefficient") << "1e200*X*1e200";
    QTest::newRow("coefficient over number") << "1e300*X/1e-10";
}

void SymbolicTreeTest::nonFiniteFoldFails()
{
    QFETCH(QString, input);
    SymbolicBudget budget;
    SimplifyNodeTree(Parsed(input), false);
    QVERIFY(budget.notFinite);
}

SUMVELLE_TEST_MAIN(SymbolicTreeTest)
#include "tst_symbolictree.moc"
