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

// Equal within 1e-12 of the larger of the two values and of the sizes of what
// went into them (magnitudeA, magnitudeB; 0 when not known), so that noise
// left by a cancelling sum still counts as equal while tiny values that
// differ stay apart.
bool AreClose(double a, double b, double magnitudeA = 0.0, double magnitudeB = 0.0);

// Whether "a op b" holds. Values that are close are equal and neither less
// nor greater, so exactly one of "=", "<" and ">" holds for any pair.
bool LinkHolds(const QString& op, double a, double b, double magnitudeA = 0.0, double magnitudeB = 0.0);

} // namespace Comparison
