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
// point; scale keeps the largest magnitude met on the way, as the measure of
// the rounding two spellings of one value may differ by.
double Evaluate(const SimplifyNode* node, int point, double& scale, int depth)
{
    if (!node || depth > MaximumEvaluatedDepth)
        return std::nan("");
    double value = std::nan("");
    const auto operand = [&](const SimplifyNodePtr& child) { return Evaluate(child.get(), point, scale, depth + 1); };
    switch (node->type) {
    case SimplifyNodeType::Number:
        value = node->value;
        break;
    case SimplifyNodeType::Variable:
        value = 1.25 + 0.5 * point + 0.3 * static_cast<double>(qHash(node->name.toUpper(), 0) % 5);
        break;
    case SimplifyNodeType::Function: {
        const double x = operand(node->left);
        const QString name = node->name.toUpper();
        if (name == QLatin1String("SIN"))
            value = std::sin(x);
        else if (name == QLatin1String("COS"))
            value = std::cos(x);
        else if (name == QLatin1String("TAN"))
            value = std::tan(x);
        else if (name == QLatin1String("SQRT"))
            value = std::sqrt(x);
        else if (name == QLatin1String("ABS"))
            value = std::fabs(x);
        break;
    }
    case SimplifyNodeType::Add:
        value = operand(node->left) + operand(node->right);
        break;
    case SimplifyNodeType::Subtract:
        value = operand(node->left) - operand(node->right);
        break;
    case SimplifyNodeType::Multiply:
        value = operand(node->left) * operand(node->right);
        break;
    case SimplifyNodeType::Divide:
        value = operand(node->left) / operand(node->right);
        break;
    case SimplifyNodeType::Power:
        value = std::pow(operand(node->left), operand(node->right));
        break;
    case SimplifyNodeType::Negate:
        value = -operand(node->left);
        break;
    }
    if (std::isfinite(value))
        scale = std::max(scale, std::fabs(value));
    return value;
}

// Whether the two trees have the same value, within rounding, at a few
// points where both are defined.
bool SameValues(const SimplifyNodePtr& a, const SimplifyNodePtr& b)
{
    if (NodeCount(a, MaximumEvaluatedNodes) > MaximumEvaluatedNodes
        || NodeCount(b, MaximumEvaluatedNodes) > MaximumEvaluatedNodes)
        return true;
    for (int point = 0; point < 3; ++point) {
        double scale = 1.0;
        const double first = Evaluate(a.get(), point, scale, 0);
        const double second = Evaluate(b.get(), point, scale, 0);
        if (std::isfinite(first) && std::isfinite(second) && std::fabs(first - second) > 1e-6 * scale)
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
