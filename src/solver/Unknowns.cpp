// Unknown discovery: every name of an equation is an unknown unless it is a
// stored variable or one of the solver's reserved words.

#include "pad/mainwindow.h"
#include "solver/Residuals.h"

#include "engine/NameScan.h"

#include <QSet>

#include <algorithm>

namespace {

// The solver's own short list: constants, the built-in functions and the
// operator words. Date words, number words and command words are not in
// it, so an equation may use them as unknowns.
const QSet<QString>& SystemReservedWords()
{
    // clang-format off
    static const QSet<QString> words{
        "PI", "EULER", "ANS", "SIN", "COS", "TAN", "ASIN", "ACOS", "ATAN", "ATAN2", "RAD", "DEG", "SQRT", "ABS",
        "SIGN", "LOG", "LN", "EXP", "ROUND", "FLOOR", "CEIL", "MIN", "MAX", "GCD", "LCM", "SUM", "AVG", "MEDIAN",
        "STDEV", "MODE", "COUNT", "RANGE", "STDEVP", "VARIANCE", "VARIANCEP", "GEOMEAN", "HARMEAN", "RMS", "SUMSQ",
        "PERCENTILE", "QUARTILE", "SKEW", "KURTOSIS", "RANDOM", "RANDINT", "FV", "PV", "PMT", "NPER", "RATE", "IPMT",
        "PPMT", "BALANCE", "INTEREST", "COMPOUND", "APY", "APR", "NPV", "IRR", "ROI", "CAGR", "PERCENTCHANGE",
        "MARKUP", "MARGIN", "DISCOUNT", "TAX", "POSITION", "TRUEPOSITION", "POSITION3D", "RADIALDEV",
        "DIAMETRALDEV", "COORDDEV", "BONUSTOL", "TOTALTOL", "POSITIONALLOW", "ZEROTOLMMC", "VCINTERNAL",
        "VCEXTERNAL", "RCINTERNAL", "RCEXTERNAL", "BOUNDARYINTERNAL", "BOUNDARYEXTERNAL", "FLOATINGFASTENER",
        "FIXEDFASTENER", "POSITIONMARGIN", "POSITIONUTIL", "BIN", "OCT", "HEX", "DEC", "AND", "BITAND", "OR",
        "BITOR", "XOR", "BITXOR", "NOT", "BITNOT", "SHL", "LSHIFT", "SHR", "RSHIFT", "PLUS", "ADD", "ADDED", "MINUS",
        "SUBTRACT", "SUBTRACTED", "MULTIPLY", "MULTIPLIED", "TIMES", "DIVIDE", "DIVIDED", "OVER", "POWER",
        "EXPONENT", "POSITIVE"};
    // clang-format on
    return words;
}

void CollectUnknowns(const QString& text, const QMap<QString, double>& variables, bool reserveFraction,
                     QSet<QString>& unknowns)
{
    NameScanner scanner(text);
    while (scanner.Next()) {
        const QString name = scanner.name().toString().toUpper();
        if (variables.contains(name) || SystemReservedWords().contains(name))
            continue;
        if (reserveFraction && name == QLatin1String("FRACTION"))
            continue;
        unknowns.insert(name);
    }
}

} // namespace

bool MainWindow::ParseSingleVariableEquation(const QString& equation, QString& lhs, QString& rhs,
                                             QString& variable) const
{
    lhs.clear();
    rhs.clear();
    variable.clear();
    if (!SplitEquationSides(equation, lhs, rhs))
        return false;

    // One blank between the sides keeps a name at the end of one apart from
    // a name at the start of the other.
    QSet<QString> unknowns;
    CollectUnknowns(lhs + QLatin1Char(' ') + rhs, variables, true, unknowns);
    if (unknowns.size() != 1)
        return false;
    variable = *unknowns.cbegin();
    return true;
}

bool MainWindow::FindEquationSystemVariables(const QList<QString>& equations, QList<QString>& names) const
{
    names.clear();
    QSet<QString> unknowns;
    for (const QString& equation : equations) {
        // A called user-defined function is no unknown; its arguments may be.
        QString expanded;
        QString error;
        if (!ExpandCustomFunctions(equation, expanded, error))
            return false;
        CollectUnknowns(expanded, variables, false, unknowns);
    }
    if (unknowns.isEmpty())
        return false;
    names = QList<QString>(unknowns.cbegin(), unknowns.cend());
    // By UTF-16 code units: digits before letters, '_' after 'Z'.
    std::sort(names.begin(), names.end());
    return true;
}
