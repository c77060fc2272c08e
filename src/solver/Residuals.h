#pragma once

class QString;

// Splits at the one '=' into trimmed sides; false without exactly one '='
// or with an empty side, the shapes that can never evaluate.
bool SplitEquationSides(const QString& equation, QString& lhs, QString& rhs);
