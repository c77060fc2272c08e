// Unknown discovery: every name of an equation is an unknown unless it is a
// stored variable or one of the solver's reserved words.

#include "pad/mainwindow.h"
#include "solver/Residuals.h"

#include "engine/NameScan.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The solver's own short list: constants, the built-in functions and the
// operator words. Date words, number words and command words are not in
// it, so an equation may use them as unknowns.
const QSet<QString>& SystemReservedWords()
{
    // clang-format off
    static const QSet<QString> words{
        u"PI"_s, u"EULER"_s, u"ANS"_s, u"SIN"_s, u"COS"_s, u"TAN"_s, u"ASIN"_s, u"ACOS"_s, u"ATAN"_s, u"ATAN2"_s,
        u"RAD"_s, u"DEG"_s, u"SQRT"_s, u"ABS"_s, u"SIGN"_s, u"LOG"_s, u"LN"_s, u"EXP"_s, u"ROUND"_s, u"FLOOR"_s,
        u"CEIL"_s, u"MIN"_s, u"MAX"_s, u"GCD"_s, u"LCM"_s, u"SUM"_s, u"AVG"_s, u"MEDIAN"_s, u"STDEV"_s, u"MODE"_s,
        u"COUNT"_s, u"RANGE"_s, u"STDEVP"_s, u"VARIANCE"_s, u"VARIANCEP"_s, u"GEOMEAN"_s, u"HARMEAN"_s, u"RMS"_s,
        u"SUMSQ"_s, u"PERCENTILE"_s, u"QUARTILE"_s, u"SKEW"_s, u"KURTOSIS"_s, u"RANDOM"_s, u"RANDINT"_s, u"FV"_s,
        u"PV"_s, u"PMT"_s, u"NPER"_s, u"RATE"_s, u"IPMT"_s, u"PPMT"_s, u"BALANCE"_s, u"INTEREST"_s, u"COMPOUND"_s,
        u"APY"_s, u"APR"_s, u"NPV"_s, u"IRR"_s, u"ROI"_s, u"CAGR"_s, u"PERCENTCHANGE"_s, u"MARKUP"_s, u"MARGIN"_s,
        u"DISCOUNT"_s, u"TAX"_s, u"POSITION"_s, u"TRUEPOSITION"_s, u"POSITION3D"_s, u"RADIALDEV"_s, u"DIAMETRALDEV"_s,
        u"COORDDEV"_s, u"BONUSTOL"_s, u"TOTALTOL"_s, u"POSITIONALLOW"_s, u"ZEROTOLMMC"_s, u"VCINTERNAL"_s,
        u"VCEXTERNAL"_s, u"RCINTERNAL"_s, u"RCEXTERNAL"_s, u"BOUNDARYINTERNAL"_s, u"BOUNDARYEXTERNAL"_s,
        u"FLOATINGFASTENER"_s, u"FIXEDFASTENER"_s, u"POSITIONMARGIN"_s, u"POSITIONUTIL"_s, u"BIN"_s, u"OCT"_s, u"HEX"_s,
        u"DEC"_s, u"AND"_s, u"BITAND"_s, u"OR"_s, u"BITOR"_s, u"XOR"_s, u"BITXOR"_s, u"NOT"_s, u"BITNOT"_s, u"SHL"_s,
        u"LSHIFT"_s, u"SHR"_s, u"RSHIFT"_s, u"PLUS"_s, u"ADD"_s, u"ADDED"_s, u"MINUS"_s, u"SUBTRACT"_s, u"SUBTRACTED"_s,
        u"MULTIPLY"_s, u"MULTIPLIED"_s, u"TIMES"_s, u"DIVIDE"_s, u"DIVIDED"_s, u"OVER"_s, u"POWER"_s, u"EXPONENT"_s,
        u"POSITIVE"_s};
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
