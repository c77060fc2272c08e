#pragma once

#include <QList>
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

} // namespace TestSupport
