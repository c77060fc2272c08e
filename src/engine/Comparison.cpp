// Chained comparisons: every operand is evaluated as an expression and each
// link of the chain is tested with a small tolerance, so that 0.1 + 0.2 = 0.3
// holds as a user expects, and 0.1 + 0.2 > 0.3 then does not.

#include "engine/Comparison.h"

#include "pad/mainwindow.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool IsTwoCharacterOperator(QChar first, QChar second)
{
    return (first == QLatin1Char('<') && (second == QLatin1Char('=') || second == QLatin1Char('>')))
        || (first == QLatin1Char('>') && second == QLatin1Char('='));
}

bool IsOneCharacterOperator(QChar c)
{
    return c == QLatin1Char('<') || c == QLatin1Char('=') || c == QLatin1Char('>');
}

} // namespace

namespace Comparison {

SplitOutcome Split(const QString& line, QList<QString>& operands, QList<QString>& operators)
{
    operands.clear();
    operators.clear();
    QList<QString> foundOperands;
    QList<QString> foundOperators;
    const int length = int(line.size());
    int operandStart = 0;
    int i = 0;
    while (i < length) {
        int operatorLength = 0;
        if (i + 1 < length && IsTwoCharacterOperator(line.at(i), line.at(i + 1)))
            operatorLength = 2;
        else if (IsOneCharacterOperator(line.at(i)))
            operatorLength = 1;
        if (operatorLength == 0) {
            ++i;
            continue;
        }
        const QString operand = line.mid(operandStart, i - operandStart).trimmed();
        if (operand.isEmpty())
            return SplitOutcome::EmptyOperand;
        foundOperands.append(operand);
        foundOperators.append(line.mid(i, operatorLength));
        i += operatorLength;
        operandStart = i;
    }
    if (foundOperators.isEmpty())
        return SplitOutcome::NoOperator;
    const QString last = line.mid(operandStart).trimmed();
    if (last.isEmpty())
        return SplitOutcome::EmptyOperand;
    foundOperands.append(last);
    operands = foundOperands;
    operators = foundOperators;
    return SplitOutcome::Split;
}

bool AreClose(double a, double b, double magnitudeA, double magnitudeB)
{
    const double magnitude = std::max({std::fabs(a), std::fabs(b), magnitudeA, magnitudeB});
    // A few steps of the smallest double keep the tolerance above nothing.
    const double tolerance = std::max(magnitude * 1e-12, 4 * std::numeric_limits<double>::denorm_min());
    return std::fabs(a - b) <= tolerance;
}

bool LinkHolds(const QString& op, double a, double b, double magnitudeA, double magnitudeB)
{
    const bool close = AreClose(a, b, magnitudeA, magnitudeB);
    if (op == QLatin1String("="))
        return close;
    if (op == QLatin1String("<>"))
        return !close;
    if (op == QLatin1String("<"))
        return !close && a < b;
    if (op == QLatin1String(">"))
        return !close && a > b;
    if (op == QLatin1String("<="))
        return close || a < b;
    if (op == QLatin1String(">="))
        return close || a > b;
    return false;
}

} // namespace Comparison

bool MainWindow::EvaluateComparison(QString expression, bool& ok, bool& result, QList<QString>* parts,
                                    QList<QString>* operators, QList<double>* values, QList<double>* magnitudes)
{
    ok = false;
    result = false;
    if (parts)
        parts->clear();
    if (operators)
        operators->clear();
    if (values)
        values->clear();
    if (magnitudes)
        magnitudes->clear();

    QList<QString> operandTexts;
    QList<QString> operatorTexts;
    switch (Comparison::Split(expression, operandTexts, operatorTexts)) {
    case Comparison::SplitOutcome::NoOperator:
        return false;
    case Comparison::SplitOutcome::EmptyOperand:
        return true;
    case Comparison::SplitOutcome::Split:
        break;
    }

    // A line of "=" only whose operands do not all evaluate, such as 2x = 6,
    // is an equation: the dispatcher's later steps take it.
    const bool onlyEquals = std::all_of(operatorTexts.cbegin(), operatorTexts.cend(),
                                        [](const QString& op) { return op == QLatin1String("="); });

    QList<double> operandValues;
    QList<double> operandMagnitudes;
    operandValues.reserve(operandTexts.size());
    operandMagnitudes.reserve(operandTexts.size());
    for (const QString& operand : operandTexts) {
        QString expanded;
        QString error;
        bool operandOk = false;
        double value = 0.0;
        if (ExpandCustomFunctions(ReplaceANS(operand), expanded, error))
            value = Eval(ReplaceVariables(expanded), operandOk);
        // An infinite or undefined value compares with nothing: 10^400 is no
        // more equal to itself than a line that fails to evaluate.
        if (!operandOk || !std::isfinite(value))
            return !onlyEquals;
        operandValues.append(value);
        operandMagnitudes.append(EvaluatedMagnitude());
    }

    result = true;
    for (qsizetype k = 0; k < operatorTexts.size(); ++k) {
        if (!Comparison::LinkHolds(operatorTexts.at(k), operandValues.at(k), operandValues.at(k + 1),
                                   operandMagnitudes.at(k), operandMagnitudes.at(k + 1))) {
            result = false;
            break;
        }
    }

    if (parts)
        *parts = operandTexts;
    if (operators)
        *operators = operatorTexts;
    if (values)
        *values = operandValues;
    if (magnitudes)
        *magnitudes = operandMagnitudes;
    ok = true;
    return true;
}
