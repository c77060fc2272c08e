#include "pad/mainwindow.h"
#include "solver/SimplifyRules.h"
#include "solver/SymbolicCommands.h"
#include "solver/SymbolicParser.h"

#include <QSet>

#include <cmath>
#include <limits>

using Kind = SimplifyNodeType;

namespace {

const QString TooManySteps = QStringLiteral("ISOLATE stopped after too many algebra steps.");
const QString NoSolution = QStringLiteral("ISOLATE did not produce a solution.");

bool IsZeroNumber(const SimplifyNodePtr& node)
{
    return node && node->type == Kind::Number && node->value == 0.0;
}

bool IsNegativeNumber(const SimplifyNodePtr& node)
{
    return node && node->type == Kind::Number && node->value < 0.0 && !IsZeroNumber(node);
}

// What one inverse move did.
enum class Move { Continue, Answered, NoAnswer, Failed };

Move PowerMove(SimplifyNodePtr& lhs, SimplifyNodePtr& rhs, const QString& variable, QList<SimplifyNodePtr>& answers,
               QString& error)
{
    const SimplifyNodePtr a = lhs->left;
    const SimplifyNodePtr b = lhs->right;
    if (!NodeContainsVariable(a, variable) || NodeContainsVariable(b, variable)) {
        error = QStringLiteral("ISOLATE cannot yet isolate a variable that appears in an exponent.");
        return Move::Failed;
    }
    if (!b || b->type != Kind::Number) {
        error = QStringLiteral("ISOLATE can currently reverse only numeric powers.");
        return Move::Failed;
    }
    const double n = b->value;
    // Beyond 32 bits the exponent has no exact whole value to take a root of.
    if (n <= 0.0 || std::fabs(n - std::round(n)) >= SymbolicEpsilon
        || std::round(n) > double(std::numeric_limits<qint32>::max())) {
        error = QStringLiteral("ISOLATE can currently reverse only positive whole-number powers.");
        return Move::Failed;
    }
    const qint32 k = qint32(std::round(n));

    SimplifyNodePtr root;
    if (k == 2) {
        root = MakeFunction(QStringLiteral("SQRT"), rhs);
    } else if (rhs && rhs->type == Kind::Number && (rhs->value >= 0.0 || k % 2 != 0)) {
        const double v = rhs->value;
        const double magnitude = std::pow(std::fabs(v), 1.0 / k);
        root = MakeNumber(v < 0.0 ? -magnitude : magnitude);
    } else {
        SimplifyNodePtr exponent = MakeBinary(Kind::Divide, MakeNumber(1.0), MakeNumber(k));
        exponent->noFold = true;
        root = MakeBinary(Kind::Power, rhs, exponent);
    }

    if (k % 2 != 0) {
        lhs = a;
        rhs = root;
        return Move::Continue;
    }

    QList<SimplifyNodePtr> positive;
    QList<SimplifyNodePtr> negative;
    QString positiveError;
    QString negativeError;
    const bool positiveOk = IsolateNode(a, root, variable, positive, positiveError);
    const bool negativeOk = IsolateNode(a, MakeUnary(Kind::Negate, root), variable, negative, negativeError);
    if (!positiveOk) {
        error = positiveError;
        return Move::Failed;
    }
    if (!negativeOk) {
        error = negativeError;
        return Move::Failed;
    }
    answers += positive;
    answers += negative;
    return Move::Answered;
}

Move InverseMove(SimplifyNodePtr& lhs, SimplifyNodePtr& rhs, const QString& variable, QList<SimplifyNodePtr>& answers,
                 QString& error)
{
    const SimplifyNodePtr a = lhs->left;
    const SimplifyNodePtr b = lhs->right;
    switch (lhs->type) {
    case Kind::Negate:
        lhs = a;
        rhs = MakeUnary(Kind::Negate, rhs);
        return Move::Continue;
    case Kind::Function:
        if (lhs->name.compare(QLatin1String("SQRT"), Qt::CaseInsensitive) != 0)
            break;
        if (!NodeContainsVariable(a, variable)) {
            error = QStringLiteral("ISOLATE lost track of the target variable inside SQRT.");
            return Move::Failed;
        }
        // No square root equals a negative number.
        if (IsNegativeNumber(rhs))
            return Move::NoAnswer;
        lhs = a;
        rhs = MakeBinary(Kind::Power, rhs, MakeNumber(2.0));
        return Move::Continue;
    case Kind::Power:
        return PowerMove(lhs, rhs, variable, answers, error);
    case Kind::Add:
    case Kind::Subtract:
    case Kind::Multiply:
    case Kind::Divide: {
        const bool inLeft = NodeContainsVariable(a, variable);
        const bool inRight = NodeContainsVariable(b, variable);
        if (inLeft && inRight) {
            error = QStringLiteral("ISOLATE found the target variable in two parts of one step.\n"
                                   "Simplify it further first, or rearrange the equation.");
            return Move::Failed;
        }
        if (!inLeft && !inRight) {
            error = QStringLiteral("ISOLATE lost track of the target variable.");
            return Move::Failed;
        }
        const SimplifyNodePtr& other = inLeft ? b : a;
        switch (lhs->type) {
        case Kind::Add:
            rhs = MakeBinary(Kind::Subtract, rhs, other);
            break;
        case Kind::Subtract:
            rhs = inLeft ? MakeBinary(Kind::Add, rhs, b) : MakeBinary(Kind::Subtract, a, rhs);
            break;
        case Kind::Multiply:
            if (IsZeroNumber(other))
                return Move::NoAnswer;
            rhs = MakeBinary(Kind::Divide, rhs, other);
            break;
        default:
            // Neither side may end up divided by zero: X/0 = 5 and 1/X = 0 have no solution.
            if (inLeft ? IsZeroNumber(b) : IsZeroNumber(rhs))
                return Move::NoAnswer;
            rhs = inLeft ? MakeBinary(Kind::Multiply, rhs, b) : MakeBinary(Kind::Divide, a, rhs);
            break;
        }
        lhs = inLeft ? a : b;
        return Move::Continue;
    }
    default:
        break;
    }
    error = QStringLiteral("ISOLATE cannot yet reverse this part of the expression.");
    return Move::Failed;
}

} // namespace

bool IsolateNode(SimplifyNodePtr lhs, SimplifyNodePtr rhs, const QString& variable, QList<SimplifyNodePtr>& answers,
                 QString& error)
{
    SymbolicBudget& budget = SymbolicBudget::Current();
    int steps = 50;
    for (;;) {
        lhs = SimplifyNodeTree(lhs, true);
        rhs = SimplifyNodeTree(rhs, true);
        if (budget.Failed()) {
            error = budget.notFinite ? NoSolution : TooManySteps;
            return false;
        }
        if (lhs && lhs->type == Kind::Variable && lhs->name.compare(variable, Qt::CaseInsensitive) == 0) {
            answers.append(rhs);
            return true;
        }
        if (!lhs) {
            error = QStringLiteral("ISOLATE cannot yet reverse this part of the expression.");
            return false;
        }
        // Every move counts against the whole command, so that even powers
        // nested many times cannot branch without end.
        if (++budget.moves > SymbolicBudget::MaximumMoves) {
            error = TooManySteps;
            return false;
        }
        switch (InverseMove(lhs, rhs, variable, answers, error)) {
        case Move::Answered:
        case Move::NoAnswer:
            return true;
        case Move::Failed:
            return false;
        case Move::Continue:
            break;
        }
        if (--steps == 0) {
            error = TooManySteps;
            return false;
        }
    }
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

    SymbolicBudget budget;
    SimplifyNodePtr left;
    SimplifyNodePtr right;
    if (!ParseSymbolicExpression(leftText, left) || !ParseSymbolicExpression(rightText, right)) {
        output = budget.notFinite ? NoSolution : QStringLiteral("ISOLATE could not read that equation.");
        return false;
    }
    const bool present = NodeContainsVariable(left, variable) || NodeContainsVariable(right, variable);
    const SimplifyNodePtr difference = SimplifyNodeTree(MakeBinary(Kind::Subtract, left, right), false);
    if (budget.Failed() || !WithinSymbolicSize(difference)) {
        output = budget.notFinite ? NoSolution : QStringLiteral("ISOLATE could not read that equation.");
        return false;
    }

    if (!NodeContainsVariable(difference, variable)) {
        if (!present)
            output = QStringLiteral("The variable ") + variable + QStringLiteral(" does not appear in this equation.");
        else if (IsZeroNumber(difference))
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
        output = NoSolution;
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
        output = budget.notFinite ? NoSolution : TooManySteps;
        return false;
    }
    output = lines.join(QLatin1Char('\n'));
    return true;
}
