#pragma once

#include <QList>
#include <QString>

// The window-free half of chained comparisons such as 1 < x <= 3: cutting a
// line into operands and operators, and testing one link of the chain.
namespace Comparison {

enum class SplitOutcome {
    NoOperator,   // not a comparison
    EmptyOperand, // a comparison that cannot be compared: "2 == 2", "< 3"
    Split,
};

// Cuts the line at every "<", ">", "=", "<=", ">=" and "<>", reading it
// character by character: quotes and brackets protect nothing, and pairs
// such as "==" or "=>" are two operators around an empty operand. Operands
// come back trimmed; both lists are left empty unless the outcome is Split.
SplitOutcome Split(const QString& line, QList<QString>& operands, QList<QString>& operators);

// Equal within 1e-12, relative to the larger magnitude once that exceeds 1.
bool AreClose(double a, double b);

// Whether "a op b" holds; "<" and ">" are strict, the others use AreClose.
bool LinkHolds(const QString& op, double a, double b);

} // namespace Comparison
