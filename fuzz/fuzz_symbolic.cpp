// The symbolic reader, printer, SIMPLIFY and ISOLATE on one line. The
// printer's text reads back to a tree that prints the same and has the same
// value, and a SIMPLIFY answer has the value of the expression it simplifies
// wherever both are defined.

#include "FuzzSupport.h"

#include "pad/mainwindow.h"
#include "solver/SymbolicParser.h"
#include "solver/SymbolicTree.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Trees past these are not evaluated: a shared subtree is walked once for
// every place it stands.
constexpr qint64 MaximumEvaluatedNodes = 4000;
constexpr int MaximumEvaluatedDepth = 300;

// The tree's value with every name at a positive value of its own for the
// point, and its magnitude: the value the tree would have if every sum and
// difference added the sizes of its terms. Rounding moves a value by a small
// multiple of its magnitude, and a difference of two equal products cancels
// to that rounding, which the products after it multiply on; so two spellings
// of one value are compared within a part of the larger magnitude.
struct Evaluated
{
    double value = std::nan("");
    double magnitude = std::nan("");
};

Evaluated Evaluate(const SimplifyNode* node, int point, int depth)
{
    if (!node || depth > MaximumEvaluatedDepth)
        return {};
    const auto operand = [&](const SimplifyNodePtr& child) { return Evaluate(child.get(), point, depth + 1); };
    Evaluated result;
    switch (node->type) {
    case SimplifyNodeType::Number:
        result.value = node->value;
        result.magnitude = std::fabs(node->value);
        break;
    case SimplifyNodeType::Variable:
        result.value = 1.25 + 0.5 * point + 0.3 * static_cast<double>(qHash(node->name.toUpper(), 0) % 5);
        result.magnitude = result.value;
        break;
    case SimplifyNodeType::Function: {
        const Evaluated x = operand(node->left);
        const QString name = node->name.toUpper();
        if (name == QLatin1String("SIN"))
            result.value = std::sin(x.value);
        else if (name == QLatin1String("COS"))
            result.value = std::cos(x.value);
        else if (name == QLatin1String("TAN"))
            result.value = std::tan(x.value);
        else if (name == QLatin1String("SQRT"))
            result.value = std::sqrt(x.value);
        else if (name == QLatin1String("ABS"))
            result.value = std::fabs(x.value);
        // The argument's rounding passes on times the function's slope: at
        // most once for SIN, COS and ABS, so COS of a large argument rounds
        // by as much as the argument does.
        double carried = 0.0;
        if (name == QLatin1String("SIN") || name == QLatin1String("COS") || name == QLatin1String("ABS"))
            carried = x.magnitude;
        else if (name == QLatin1String("TAN"))
            carried = x.magnitude * (1.0 + result.value * result.value);
        else if (name == QLatin1String("SQRT"))
            carried = x.magnitude / (2.0 * result.value);
        result.magnitude = std::max(std::fabs(result.value), carried);
        break;
    }
    case SimplifyNodeType::Add:
    case SimplifyNodeType::Subtract: {
        const Evaluated left = operand(node->left);
        const Evaluated right = operand(node->right);
        result.value = node->type == SimplifyNodeType::Add ? left.value + right.value : left.value - right.value;
        result.magnitude = left.magnitude + right.magnitude;
        break;
    }
    case SimplifyNodeType::Multiply: {
        const Evaluated left = operand(node->left);
        const Evaluated right = operand(node->right);
        result.value = left.value * right.value;
        result.magnitude = left.magnitude * right.magnitude;
        break;
    }
    case SimplifyNodeType::Divide: {
        const Evaluated left = operand(node->left);
        const Evaluated right = operand(node->right);
        result.value = left.value / right.value;
        result.magnitude = left.magnitude / std::fabs(right.value);
        break;
    }
    case SimplifyNodeType::Power: {
        const Evaluated left = operand(node->left);
        const Evaluated right = operand(node->right);
        result.value = std::pow(left.value, right.value);
        result.magnitude = std::max(std::fabs(result.value), std::pow(left.magnitude, right.value));
        break;
    }
    case SimplifyNodeType::Negate:
        result = operand(node->left);
        result.value = -result.value;
        break;
    }
    result.magnitude = std::max(result.magnitude, std::fabs(result.value));
    return result;
}

// Whether the two trees have the same value, within rounding, at a few
// points where both are defined.
bool SameValues(const SimplifyNodePtr& a, const SimplifyNodePtr& b)
{
    if (NodeCount(a, MaximumEvaluatedNodes) > MaximumEvaluatedNodes
        || NodeCount(b, MaximumEvaluatedNodes) > MaximumEvaluatedNodes)
        return true;
    for (int point = 0; point < 3; ++point) {
        const Evaluated first = Evaluate(a.get(), point, 0);
        const Evaluated second = Evaluate(b.get(), point, 0);
        // A magnitude that is not finite leaves no measure of the rounding.
        const double scale = std::max({1.0, first.magnitude, second.magnitude});
        if (std::isfinite(first.value) && std::isfinite(second.value) && std::isfinite(scale)
            && std::fabs(first.value - second.value) > 1e-6 * scale)
            return false;
    }
    return true;
}

// The printer leaves out the parentheses of a product or sum that does not
// need them, so its text may read back grouped otherwise: it prints the same
// again and has the same value.
void CheckPrinterReadsBack(const QString& line)
{
    SymbolicBudget budget;
    SimplifyNodePtr tree;
    if (!ParseWholeExpression(line, tree))
        return;
    const QString printed = NodeToText(tree, 0, false);
    if (budget.Failed())
        return;
    SimplifyNodePtr again;
    const bool readBack = ParseWholeExpression(printed, again);
    const QString reprinted = readBack ? NodeToText(again, 0, false) : QString();
    if (budget.Failed())
        return;
    if (!readBack || reprinted != printed || !SameValues(tree, again))
        std::abort();
}

void CheckSimplifyKeepsValue(const QString& line)
{
    QString output;
    if (FindTopLevelEquals(line) != -1 || !MainWindow::SimplifyText(line, output))
        return;
    SymbolicBudget budget;
    SimplifyNodePtr input;
    SimplifyNodePtr answer;
    if (!ParseWholeExpression(line, input) || !ParseWholeExpression(output, answer) || budget.Failed())
        return;
    if (!SameValues(input, answer))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = FuzzSupport::FirstLine(data, size);
    CheckPrinterReadsBack(line);
    CheckSimplifyKeepsValue(line);
    QString output;
    MainWindow::IsolateText(line, output);
    return 0;
}
