#include "pad/mainwindow.h"
#include "solver/SimplifyRules.h"
#include "solver/SymbolicCommands.h"
#include "solver/SymbolicParser.h"

#include <QHash>
#include <QSet>

#include <cmath>

using Kind = SimplifyNodeType;

namespace {

const QString CannotSimplify = QStringLiteral("Cannot Simplify");

bool IsZero(double v)
{
    return v == 0.0;
}

// A pass may grow a tree (distribution copies a factor into every term), so
// each result is measured against the size a parsed line may have.
bool WithinSize(const SimplifyNodePtr& tree)
{
    if (NodeCount(tree, SymbolicBudget::MaximumNodes) > SymbolicBudget::MaximumNodes)
        SymbolicBudget::Current().tooLarge = true;
    return !SymbolicBudget::Current().Failed();
}

// Sets to zero each term that stands on both sides with the same coefficient.
void CancelCommonTerms(QList<SimplifyTerm>& left, QList<SimplifyTerm>& right)
{
    QHash<std::size_t, QList<int>> rightByKey;
    for (int i = 0; i < right.size(); ++i)
        rightByKey[right.at(i).node ? NodeKeyHash(right.at(i).node.get()) : 0].append(i);
    for (SimplifyTerm& term : left) {
        if (IsZero(term.coefficient))
            continue;
        const auto candidates = rightByKey.constFind(term.node ? NodeKeyHash(term.node.get()) : 0);
        if (candidates == rightByKey.constEnd())
            continue;
        for (int index : *candidates) {
            SimplifyTerm& other = right[index];
            if (IsZero(other.coefficient))
                continue;
            const double size = std::max(std::fabs(term.coefficient), std::fabs(other.coefficient));
            if (SameNode(term.node, other.node)
                && std::fabs(term.coefficient - other.coefficient) <= SymbolicEpsilon * size) {
                term.coefficient = 0.0;
                other.coefficient = 0.0;
                break;
            }
        }
    }
}

SimplifyNodePtr RebuildSide(const QList<SimplifyTerm>& terms)
{
    SimplifyNodePtr tree;
    for (const SimplifyTerm& term : terms) {
        if (IsZero(term.coefficient))
            continue;
        SimplifyNodePtr next = BuildCoefficientTerm(term.coefficient, term.node);
        tree = tree ? MakeBinary(Kind::Add, tree, next) : next;
    }
    if (!tree)
        tree = MakeNumber(0.0);
    return SimplifyNodeTree(tree, false);
}

} // namespace

bool SimplifyOneExpression(const QString& text, QString& result)
{
    SimplifyNodePtr tree;
    if (!ParseWholeExpression(text, tree))
        return false;

    QString previous;
    QString printed;
    for (int pass = 0; pass < 20; ++pass) {
        tree = SimplifyNodeTree(tree, false);
        if (!WithinSize(tree))
            return false;
        printed = NodeToText(tree, 0, false);
        if (SymbolicBudget::Current().Failed())
            return false;
        if (printed == previous)
            break;
        previous = printed;
    }
    result = printed;
    return true;
}

bool MainWindow::SimplifyText(QString expression, QString& output)
{
    const QString text = expression.trimmed();
    if (text.isEmpty()) {
        output = QStringLiteral("SIMPLIFY requires an expression or equation.");
        return false;
    }
    SymbolicBudget budget;
    const int equals = FindTopLevelEquals(text);
    if (equals == -2) {
        output = CannotSimplify;
        return false;
    }
    if (equals == -1) {
        if (SimplifyOneExpression(text, output))
            return true;
        output = CannotSimplify;
        return false;
    }

    const QString leftText = text.left(equals).trimmed();
    const QString rightText = text.mid(equals + 1).trimmed();
    QString leftPrinted;
    QString rightPrinted;
    SimplifyNodePtr left;
    SimplifyNodePtr right;
    if (leftText.isEmpty() || rightText.isEmpty() || !SimplifyOneExpression(leftText, leftPrinted)
        || !SimplifyOneExpression(rightText, rightPrinted) || !ParseSymbolicExpression(leftPrinted, left)
        || !ParseSymbolicExpression(rightPrinted, right)) {
        output = CannotSimplify;
        return false;
    }

    QList<SimplifyTerm> leftTerms;
    QList<SimplifyTerm> rightTerms;
    CollectTerms(left, 1.0, leftTerms);
    CollectTerms(right, 1.0, rightTerms);
    CancelCommonTerms(leftTerms, rightTerms);
    left = RebuildSide(leftTerms);
    right = RebuildSide(rightTerms);
    const QString printed = NodeToText(left, 0, false) + QStringLiteral(" = ") + NodeToText(right, 0, false);
    if (budget.Failed()) {
        output = CannotSimplify;
        return false;
    }
    output = printed;
    return true;
}

bool MainWindow::IsolateText(QString text, QString& output)
{
    const QString trimmed = text.trimmed();
    const int comma = trimmed.indexOf(QLatin1Char(','));
    if (comma <= 0 || trimmed.indexOf(QLatin1Char(','), comma + 1) >= 0) {
        output = QStringLiteral("Use: ISOLATE variable, equation\nExample: ISOLATE X, 3*X + Y = 12");
        return false;
    }
    const QString variable = trimmed.left(comma).trimmed();
    const QString equation = trimmed.mid(comma + 1).trimmed();
    if (!IsValidVariableName(variable)) {
        output = QStringLiteral("ISOLATE needs one valid variable name before the comma.");
        return false;
    }
    const int equals = FindTopLevelEquals(equation);
    if (equals < 0) {
        output = QStringLiteral("ISOLATE needs one equation containing =.");
        return false;
    }
    const QString leftText = equation.left(equals).trimmed();
    const QString rightText = equation.mid(equals + 1).trimmed();
    if (leftText.isEmpty() || rightText.isEmpty()) {
        output = QStringLiteral("ISOLATE needs an expression on both sides of =.");
        return false;
    }

    const QString noSolution = QStringLiteral("ISOLATE did not produce a solution.");
    SymbolicBudget budget;
    SimplifyNodePtr left;
    SimplifyNodePtr right;
    if (!ParseSymbolicExpression(leftText, left) || !ParseSymbolicExpression(rightText, right)) {
        output = budget.notFinite ? noSolution : QStringLiteral("ISOLATE could not read that equation.");
        return false;
    }
    const bool present = NodeContainsVariable(left, variable) || NodeContainsVariable(right, variable);
    const SimplifyNodePtr difference = SimplifyNodeTree(MakeBinary(Kind::Subtract, left, right), false);
    if (budget.Failed() || !WithinSize(difference)) {
        output = budget.notFinite ? noSolution : QStringLiteral("ISOLATE could not read that equation.");
        return false;
    }

    if (!NodeContainsVariable(difference, variable)) {
        if (!present)
            output = QStringLiteral("The variable ") + variable + QStringLiteral(" does not appear in this equation.");
        else if (difference->type == Kind::Number && IsZero(difference->value))
            output = QStringLiteral("The variable ") + variable
                + QStringLiteral(" cancels out. The equation is true for all values of ") + variable + QLatin1Char('.');
        else if (difference->type == Kind::Number)
            output = QStringLiteral("The variable ") + variable
                + QStringLiteral(" cancels out. The equation has no solution.");
        else
            output = QStringLiteral("The variable ") + variable + QStringLiteral(" cancels out of this equation.");
        return false;
    }

    QList<SimplifyNodePtr> answers;
    QString error;
    if (!IsolateNode(difference, MakeNumber(0.0), variable, answers, error)) {
        output = error;
        return false;
    }
    if (answers.isEmpty()) {
        output = noSolution;
        return false;
    }

    QStringList lines;
    QSet<QString> seen;
    for (const SimplifyNodePtr& answer : std::as_const(answers)) {
        const QString line = variable + QStringLiteral(" = ") + NodeToText(SimplifyNodeTree(answer, true), 0, false);
        if (budget.Failed())
            break;
        if (!seen.contains(line)) {
            seen.insert(line);
            lines.append(line);
        }
    }
    if (budget.Failed()) {
        output = budget.notFinite ? noSolution : QStringLiteral("ISOLATE stopped after too many algebra steps.");
        return false;
    }
    output = lines.join(QLatin1Char('\n'));
    return true;
}
