#pragma once

#include "solver/SymbolicParser.h"
#include "solver/SymbolicTree.h"

#include <QHash>
#include <QString>

#include <cmath>

// The value of a symbolic tree or text, worked out here so that checks of the
// rules and the printer do not trust the code they check.
namespace TestSupport {

inline double EvaluateTree(const SimplifyNodePtr& node, const QHash<QString, double>& values, bool& ok)
{
    if (!node || !ok) {
        ok = false;
        return 0.0;
    }
    switch (node->type) {
    case SimplifyNodeType::Number:
        return node->value;
    case SimplifyNodeType::Variable:
        if (!values.contains(node->name.toUpper()))
            ok = false;
        return values.value(node->name.toUpper());
    case SimplifyNodeType::Function: {
        const double v = EvaluateTree(node->left, values, ok);
        const QString name = node->name.toUpper();
        if (name == QLatin1String("SIN"))
            return std::sin(v);
        if (name == QLatin1String("COS"))
            return std::cos(v);
        if (name == QLatin1String("TAN"))
            return std::tan(v);
        if (name == QLatin1String("ABS"))
            return std::fabs(v);
        return std::sqrt(v);
    }
    case SimplifyNodeType::Negate:
        return -EvaluateTree(node->left, values, ok);
    default:
        break;
    }
    const double a = EvaluateTree(node->left, values, ok);
    const double b = EvaluateTree(node->right, values, ok);
    switch (node->type) {
    case SimplifyNodeType::Add:
        return a + b;
    case SimplifyNodeType::Subtract:
        return a - b;
    case SimplifyNodeType::Multiply:
        return a * b;
    case SimplifyNodeType::Divide:
        return a / b;
    default:
        return std::pow(a, b);
    }
}

// The value of an expression, or of left minus right for an equation.
inline double EvaluateText(const QString& text, const QHash<QString, double>& values, bool& ok)
{
    const int equals = FindTopLevelEquals(text);
    if (equals >= 0)
        return EvaluateText(text.left(equals), values, ok) - EvaluateText(text.mid(equals + 1), values, ok);
    SimplifyNodePtr tree;
    ok = ok && ParseWholeExpression(text, tree);
    return ok ? EvaluateTree(tree, values, ok) : 0.0;
}

} // namespace TestSupport
