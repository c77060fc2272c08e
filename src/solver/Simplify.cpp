#include "pad/mainwindow.h"
#include "solver/SimplifyRules.h"
#include "solver/SymbolicCommands.h"
#include "solver/SymbolicParser.h"

#include <QHash>

#include <cmath>

using Kind = SimplifyNodeType;

namespace {

const QString CannotSimplify = QStringLiteral("Cannot Simplify");

bool IsZero(double v)
{
    return v == 0.0;
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
        if (!WithinSymbolicSize(tree))
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

bool WithinSymbolicSize(const SimplifyNodePtr& tree)
{
    if (NodeCount(tree, SymbolicBudget::MaximumNodes) > SymbolicBudget::MaximumNodes)
        SymbolicBudget::Current().tooLarge = true;
    return !SymbolicBudget::Current().Failed();
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
