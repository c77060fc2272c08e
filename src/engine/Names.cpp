#include "pad/mainwindow.h"
#include "engine/TextScan.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

using TextScan::CodePointAt;
using TextScan::IsAsciiDigit;
using TextScan::IsAsciiLetter;

// A character that would make a command word part of a longer word. The
// character is read whole, so a letter outside the Basic Multilingual Plane
// counts as a letter.
bool ContinuesWord(const QString& text, int index)
{
    const char32_t c = CodePointAt(text, index);
    if (c < 128)
        return IsAsciiLetter(QChar(c)) || IsAsciiDigit(QChar(c)) || c == U'_';
    return QChar::isLetterOrNumber(c);
}

// Words the engine itself gives a meaning, so they can never name a variable
// or a user-defined function.
const QSet<QString>& ReservedWords()
{
    // clang-format off
    static const QSet<QString> words = {
        // constants and the current date and time
        u"PI"_s, u"EULER"_s, u"ANS"_s, u"TODAY"_s, u"NOW"_s,
        // core mathematics
        u"SIN"_s, u"COS"_s, u"TAN"_s, u"ASIN"_s, u"ACOS"_s, u"ATAN"_s, u"ATAN2"_s, u"RAD"_s, u"DEG"_s, u"SQRT"_s,
        u"ABS"_s, u"SIGN"_s, u"LOG"_s, u"LN"_s, u"EXP"_s, u"ROUND"_s, u"FLOOR"_s, u"CEIL"_s, u"MIN"_s, u"MAX"_s,
        u"GCD"_s, u"LCM"_s,
        // statistics
        u"SUM"_s, u"AVG"_s, u"MEDIAN"_s, u"STDEV"_s, u"MODE"_s, u"COUNT"_s, u"RANGE"_s, u"STDEVP"_s, u"VARIANCE"_s,
        u"VARIANCEP"_s, u"GEOMEAN"_s, u"HARMEAN"_s, u"RMS"_s, u"SUMSQ"_s, u"PERCENTILE"_s, u"QUARTILE"_s, u"SKEW"_s,
        u"KURTOSIS"_s, u"RANDOM"_s, u"RANDINT"_s, u"FRACTION"_s,
        // dates and times
        u"DATE"_s, u"DAYS"_s, u"AGE"_s, u"WEEKDAY"_s, u"DAY"_s, u"MONTH"_s, u"YEAR"_s, u"HOUR"_s, u"MINUTE"_s,
        u"SECOND"_s,
        // financial
        u"FV"_s, u"PV"_s, u"PMT"_s, u"NPER"_s, u"RATE"_s, u"IPMT"_s, u"PPMT"_s, u"BALANCE"_s, u"INTEREST"_s,
        u"COMPOUND"_s, u"APY"_s, u"APR"_s, u"NPV"_s, u"IRR"_s, u"ROI"_s, u"CAGR"_s, u"PERCENTCHANGE"_s, u"MARKUP"_s,
        u"MARGIN"_s, u"DISCOUNT"_s, u"TAX"_s,
        // GD&T
        u"POSITION"_s, u"TRUEPOSITION"_s, u"POSITION3D"_s, u"RADIALDEV"_s, u"DIAMETRALDEV"_s, u"COORDDEV"_s,
        u"BONUSTOL"_s, u"TOTALTOL"_s, u"POSITIONALLOW"_s, u"ZEROTOLMMC"_s, u"VCINTERNAL"_s, u"VCEXTERNAL"_s,
        u"RCINTERNAL"_s, u"RCEXTERNAL"_s, u"BOUNDARYINTERNAL"_s, u"BOUNDARYEXTERNAL"_s, u"FLOATINGFASTENER"_s,
        u"FIXEDFASTENER"_s, u"POSITIONMARGIN"_s, u"POSITIONUTIL"_s,
        // programmer
        u"BIN"_s, u"OCT"_s, u"HEX"_s, u"DEC"_s, u"AND"_s, u"BITAND"_s, u"OR"_s, u"BITOR"_s, u"XOR"_s, u"BITXOR"_s,
        u"NOT"_s, u"BITNOT"_s, u"SHL"_s, u"LSHIFT"_s, u"SHR"_s, u"RSHIFT"_s,
        // word operators
        u"PLUS"_s, u"ADD"_s, u"ADDED"_s, u"MINUS"_s, u"SUBTRACT"_s, u"SUBTRACTED"_s, u"MULTIPLY"_s, u"MULTIPLIED"_s,
        u"TIMES"_s, u"DIVIDE"_s, u"DIVIDED"_s, u"OVER"_s, u"POWER"_s, u"EXPONENT"_s, u"POSITIVE"_s, u"EQUAL"_s,
        u"EQUALS"_s,
        // number words
        u"ZERO"_s, u"ONE"_s, u"TWO"_s, u"THREE"_s, u"FOUR"_s, u"FIVE"_s, u"SIX"_s, u"SEVEN"_s, u"EIGHT"_s, u"NINE"_s,
        u"TEN"_s, u"ELEVEN"_s, u"TWELVE"_s, u"THIRTEEN"_s, u"FOURTEEN"_s, u"FIFTEEN"_s, u"SIXTEEN"_s, u"SEVENTEEN"_s,
        u"EIGHTEEN"_s, u"NINETEEN"_s, u"TWENTY"_s, u"THIRTY"_s, u"FORTY"_s, u"FIFTY"_s, u"SIXTY"_s, u"SEVENTY"_s,
        u"EIGHTY"_s, u"NINETY"_s, u"HUNDRED"_s, u"THOUSAND"_s, u"MILLION"_s, u"BILLION"_s, u"TRILLION"_s, u"POINT"_s,
        u"NEGATIVE"_s,
    };
    // clang-format on
    return words;
}

} // namespace

bool MainWindow::IsValidVariableName(QString name)
{
    // Anchored at the very end: "$" alone would also accept a name followed by a newline.
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*")));
    return pattern.match(name).hasMatch();
}

bool MainWindow::IsCommandName(QString name)
{
    // clang-format off
    static const QStringList commandNames = {
        u"CLEAR"_s, u"CLR"_s, u"CLS"_s, u"VARS"_s, u"VARIABLES"_s, u"EXIT"_s, u"END"_s, u"CLOSE"_s, u"QUIT"_s, u"MIN"_s,
        u"MAX"_s, u"RESTORE"_s, u"TOPMOST"_s, u"ONTOP"_s, u"NOTONTOP"_s, u"FONT"_s, u"FORMAT"_s, u"MENU"_s, u"HELP"_s,
        u"INFO"_s, u"UPTIME"_s, u"CREATE"_s, u"FUNCTION"_s, u"FUNCTIONS"_s, u"DELETE"_s, u"SIMPLIFY"_s, u"ISOLATE"_s,
        u"HANDLE"_s, u"SETTOPMOST"_s, u"SETNOTTOPMOST"_s, u"SHOW"_s, u"HIDE"_s, u"ENABLE"_s, u"DISABLE"_s,
    };
    // clang-format on
    return commandNames.contains(name.trimmed(), Qt::CaseInsensitive);
}

bool MainWindow::IsReservedVariableName(QString name) const
{
    const QString key = name.trimmed().toUpper();
    return ReservedWords().contains(key) || IsCommandName(key) || customFunctions.contains(key);
}

bool MainWindow::MatchCommand(QString line, QString command, QString& rest)
{
    const QString trimmed = line.trimmed();
    rest.clear();
    if (command.size() > trimmed.size() || !trimmed.startsWith(command, Qt::CaseInsensitive))
        return false;
    if (trimmed.size() == command.size())
        return true;
    if (ContinuesWord(trimmed, command.size()))
        return false;
    rest = trimmed.mid(command.size()).trimmed();
    return true;
}

bool MainWindow::ParseVariableAssignment(QString line, QString& name, QString& expression)
{
    name.clear();
    expression.clear();
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.indexOf(QLatin1Char('='), equals + 1) >= 0)
        return false;
    name = line.left(equals).trimmed();
    expression = line.mid(equals + 1).trimmed();
    if (IsValidVariableName(name))
        return true;
    name.clear();
    expression.clear();
    return false;
}

bool MainWindow::IsInsideEquationBlock(QString text, int position)
{
    const int end = qMin(position, int(text.size()));
    for (int i = end - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('{'))
            return true;
        if (c == QLatin1Char('}'))
            return false;
    }
    return false;
}

void MainWindow::InsertCannotSolveLine()
{
    InsertCommandResult(QStringLiteral("-Cannot Solve-"), false);
}
