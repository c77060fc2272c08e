#pragma once

#include "solver/SymbolicParser.h"
#include "solver/SymbolicTree.h"

#include <QHash>
#include <QString>

#include <cmath>
#include <iterator>
#include <random>

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

// A random tree of every kind the printer meets, with numbers that print
// exactly, so that a reparsed tree can only differ in its shape: by a sign
// or an association that changes nothing but rounding.
inline SimplifyNodePtr RandomTree(std::mt19937& random, int depth)
{
    static const double numbers[] = {0, 1, 2, 3, 7, 0.5, 2.25, 10, -1, -3, -0.5};
    static const char* const names[] = {"A", "b", "X1", "y"};
    static const char* const functions[] = {"SIN", "COS", "TAN", "SQRT", "ABS"};
    const auto pick = [&random](int count) { return int(random() % unsigned(count)); };
    const int choice = depth <= 0 ? pick(2) : pick(11);
    switch (choice) {
    case 0:
        return MakeNumber(numbers[pick(int(std::size(numbers)))]);
    case 1:
        return MakeVariable(names[pick(int(std::size(names)))]);
    case 2:
        return MakeFunction(functions[pick(int(std::size(functions)))], RandomTree(random, depth - 1));
    case 3:
    case 4:
        return MakeUnary(SimplifyNodeType::Negate, RandomTree(random, depth - 1));
    default: {
        static const SimplifyNodeType binary[] = {SimplifyNodeType::Add, SimplifyNodeType::Subtract,
                                                  SimplifyNodeType::Multiply, SimplifyNodeType::Divide,
                                                  SimplifyNodeType::Power};
        const SimplifyNodeType kind = binary[pick(int(std::size(binary)))];
        SimplifyNodePtr left = RandomTree(random, depth - 1);
        return MakeBinary(kind, left, RandomTree(random, depth - 1));
    }
    }
}

// A random polynomial in X and Y with small whole coefficients, halved now
// and then: at whole and half values of X and Y every step is exact.
inline SimplifyNodePtr RandomPolynomial(std::mt19937& random, int depth)
{
    const auto pick = [&random](int count) { return int(random() % unsigned(count)); };
    const int choice = depth <= 0 ? pick(3) : pick(9);
    switch (choice) {
    case 0:
        return MakeNumber(pick(7) - 3);
    case 1:
        return MakeVariable(QStringLiteral("X"));
    case 2:
        return MakeVariable(QStringLiteral("y"));
    case 3:
        return MakeUnary(SimplifyNodeType::Negate, RandomPolynomial(random, depth - 1));
    case 4:
        return MakeBinary(SimplifyNodeType::Divide, RandomPolynomial(random, depth - 1), MakeNumber(2));
    case 5:
        return MakeBinary(SimplifyNodeType::Power, RandomPolynomial(random, depth - 1), MakeNumber(1 + pick(3)));
    default: {
        static const SimplifyNodeType binary[] = {SimplifyNodeType::Add, SimplifyNodeType::Subtract,
                                                  SimplifyNodeType::Multiply};
        const SimplifyNodeType kind = binary[pick(3)];
        SimplifyNodePtr left = RandomPolynomial(random, depth - 1);
        return MakeBinary(kind, left, RandomPolynomial(random, depth - 1));
    }
    }
}

} // namespace TestSupport
