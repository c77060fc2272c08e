#pragma once

#include <QList>
#include <QtGlobal>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

// Helpers for tests that compare computed values.
namespace TestSupport {

// Relative to the expected value, but never tighter than the tolerance
// itself, so expected zeros compare sensibly.
inline bool IsClose(double actual, double expected, double relativeTolerance)
{
    return std::abs(actual - expected) <= relativeTolerance * std::max(1.0, std::abs(expected));
}

// "NAME(a, b, c)" with every argument at full precision, for failure messages.
inline QString DescribeCall(const QString& name, const QList<double>& arguments)
{
    QStringList texts;
    for (const double argument : arguments)
        texts << QString::number(argument, 'g', 17);
    return name + QLatin1Char('(') + texts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

// How many seeds a property test runs: its own count, or more where the
// environment asks for them (SUMVELLE_PROPERTY_SEEDS) for a longer local run.
inline int PropertySeeds(int defaultCount)
{
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("SUMVELLE_PROPERTY_SEEDS", &ok);
    return ok && asked > 0 ? asked : defaultCount;
}

// Equal values, or both not a number, or the same infinity.
inline bool SameValue(double actual, double expected, double relativeTolerance)
{
    if (std::isnan(actual) || std::isnan(expected))
        return std::isnan(actual) && std::isnan(expected);
    if (std::isinf(actual) || std::isinf(expected))
        return actual == expected;
    return std::abs(actual - expected) <= relativeTolerance * std::max(1.0, std::abs(expected));
}

} // namespace TestSupport
