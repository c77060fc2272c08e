#include "pad/mainwindow.h"
#include "engine/TextScan.h"

#include <QRegularExpression>
#include <QSet>

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
        "PI", "EULER", "ANS", "TODAY", "NOW",
        // core mathematics
        "SIN", "COS", "TAN", "ASIN", "ACOS", "ATAN", "ATAN2", "RAD", "DEG", "SQRT", "ABS", "SIGN", "LOG", "LN",
        "EXP", "ROUND", "FLOOR", "CEIL", "MIN", "MAX", "GCD", "LCM",
        // statistics
        "SUM", "AVG", "MEDIAN", "STDEV", "MODE", "COUNT", "RANGE", "STDEVP", "VARIANCE", "VARIANCEP", "GEOMEAN",
        "HARMEAN", "RMS", "SUMSQ", "PERCENTILE", "QUARTILE", "SKEW", "KURTOSIS", "RANDOM", "RANDINT",
        "FRACTION",
        // dates and times
        "DATE", "DAYS", "AGE", "WEEKDAY", "DAY", "MONTH", "YEAR", "HOUR", "MINUTE", "SECOND",
        // financial
        "FV", "PV", "PMT", "NPER", "RATE", "IPMT", "PPMT", "BALANCE", "INTEREST", "COMPOUND", "APY", "APR", "NPV",
        "IRR", "ROI", "CAGR", "PERCENTCHANGE", "MARKUP", "MARGIN", "DISCOUNT", "TAX",
        // GD&T
        "POSITION", "TRUEPOSITION", "POSITION3D", "RADIALDEV", "DIAMETRALDEV", "COORDDEV", "BONUSTOL", "TOTALTOL",
        "POSITIONALLOW", "ZEROTOLMMC", "VCINTERNAL", "VCEXTERNAL", "RCINTERNAL", "RCEXTERNAL", "BOUNDARYINTERNAL",
        "BOUNDARYEXTERNAL", "FLOATINGFASTENER", "FIXEDFASTENER", "POSITIONMARGIN", "POSITIONUTIL",
        // programmer
        "BIN", "OCT", "HEX", "DEC", "AND", "BITAND", "OR", "BITOR", "XOR", "BITXOR", "NOT", "BITNOT", "SHL",
        "LSHIFT", "SHR", "RSHIFT",
        // word operators
        "PLUS", "ADD", "ADDED", "MINUS", "SUBTRACT", "SUBTRACTED", "MULTIPLY", "MULTIPLIED", "TIMES", "DIVIDE",
        "DIVIDED", "OVER", "POWER", "EXPONENT", "POSITIVE", "EQUAL", "EQUALS",
        // number words
        "ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE", "TEN", "ELEVEN", "TWELVE",
        "THIRTEEN", "FOURTEEN", "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN", "TWENTY", "THIRTY",
        "FORTY", "FIFTY", "SIXTY", "SEVENTY", "EIGHTY", "NINETY", "HUNDRED", "THOUSAND", "MILLION", "BILLION",
        "TRILLION", "POINT", "NEGATIVE",
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
        "CLEAR", "CLR", "CLS", "VARS", "VARIABLES", "EXIT", "END", "CLOSE", "QUIT", "MIN", "MAX", "RESTORE",
        "TOPMOST", "ONTOP", "NOTONTOP", "FONT", "FORMAT", "MENU", "HELP", "INFO", "UPTIME", "CREATE", "FUNCTION",
        "FUNCTIONS", "DELETE", "SIMPLIFY", "ISOLATE", "HANDLE", "SETTOPMOST", "SETNOTTOPMOST", "SHOW", "HIDE",
        "ENABLE", "DISABLE",
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
