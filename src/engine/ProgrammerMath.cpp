#include "engine/ProgrammerMath.h"

#include <QHash>

#include <cmath>

namespace {

// The base named by the letter after a '0', or 0 when it names none.
int BaseForPrefixLetter(QChar letter)
{
    switch (letter.unicode()) {
    case 'b':
    case 'B':
        return 2;
    case 'o':
    case 'O':
        return 8;
    case 'x':
    case 'X':
        return 16;
    default:
        return 0;
    }
}

// Digit value of a character in any base up to 16, or -1 when it has none.
int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 0x80 && c.category() == QChar::Number_DecimalDigit)
        return c.digitValue();
    return -1;
}

bool IsAsciiLetterOrDigit(char16_t u)
{
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// A '0' at index begins a token unless a name, a number or a decimal point
// runs into it (as in 10x, a0x1 or 1.0x5).
bool BeginsToken(const QString& text, int index)
{
    if (index == 0)
        return true;
    const QChar before = text.at(index - 1);
    const char16_t u = before.unicode();
    if (IsAsciiLetterOrDigit(u) || u == '_' || u == '.')
        return false;
    if (u >= 0x80 && (before.isLetter() || before.category() == QChar::Number_DecimalDigit))
        return false;
    return true;
}

// A character that would glue itself onto a literal's digits, making the
// literal malformed rather than merely ended.
bool ContinuesWord(QChar c)
{
    const char16_t u = c.unicode();
    if (IsAsciiLetterOrDigit(u) || u == '_')
        return true;
    return u >= 0x80 && c.isLetterOrNumber();
}

// Floor division by a positive power of two, which is what an arithmetic
// right shift does, without shifting a negative number.
qint64 FloorDivide(qint64 value, qint64 divisor)
{
    qint64 quotient = value / divisor;
    if (value % divisor != 0 && value < 0)
        --quotient;
    return quotient;
}

enum class Operation { Identity, Not, And, Or, Xor, ShiftLeft, ShiftRight };

struct FunctionEntry
{
    Operation operation;
    int argumentCount;
};

const QHash<QString, FunctionEntry>& FunctionTable()
{
    // clang-format off
    static const QHash<QString, FunctionEntry> table = {
        {QStringLiteral("BIN"), {Operation::Identity, 1}},
        {QStringLiteral("OCT"), {Operation::Identity, 1}},
        {QStringLiteral("HEX"), {Operation::Identity, 1}},
        {QStringLiteral("DEC"), {Operation::Identity, 1}},
        {QStringLiteral("NOT"), {Operation::Not, 1}},
        {QStringLiteral("BITNOT"), {Operation::Not, 1}},
        {QStringLiteral("AND"), {Operation::And, 2}},
        {QStringLiteral("BITAND"), {Operation::And, 2}},
        {QStringLiteral("OR"), {Operation::Or, 2}},
        {QStringLiteral("BITOR"), {Operation::Or, 2}},
        {QStringLiteral("XOR"), {Operation::Xor, 2}},
        {QStringLiteral("BITXOR"), {Operation::Xor, 2}},
        {QStringLiteral("SHL"), {Operation::ShiftLeft, 2}},
        {QStringLiteral("LSHIFT"), {Operation::ShiftLeft, 2}},
        {QStringLiteral("SHR"), {Operation::ShiftRight, 2}},
        {QStringLiteral("RSHIFT"), {Operation::ShiftRight, 2}},
    };
    // clang-format on
    return table;
}

constexpr int MaxShiftCount = 52;

} // namespace

bool ProgrammerMath::IsSafeInteger(double value)
{
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(SafeLimit) && value == std::round(value);
}

bool ProgrammerMath::IsBaseLiteralIdentifier(const QString& text, int index)
{
    if (index < 1 || index >= text.size())
        return false;
    if (text.at(index - 1) != QLatin1Char('0') || !BeginsToken(text, index - 1))
        return false;
    return BaseForPrefixLetter(text.at(index)) != 0;
}

bool ProgrammerMath::TryParseBaseLiteral(const QString& text, int& position, double& value, bool& prefixSeen)
{
    prefixSeen = false;
    const int length = text.size();
    if (position < 0 || position + 1 >= length || text.at(position) != QLatin1Char('0'))
        return false;
    const int base = BaseForPrefixLetter(text.at(position + 1));
    if (base == 0)
        return false;

    prefixSeen = true;
    int index = position + 2;
    if (index >= length)
        return false;

    qint64 accumulated = 0;
    int digitCount = 0;
    for (; index < length; ++index) {
        const int digit = DigitValue(text.at(index));
        if (digit < 0 || digit >= base)
            break;
        if (accumulated > (SafeLimit - digit) / base)
            return false;
        accumulated = accumulated * base + digit;
        ++digitCount;
    }

    if (index < length && (digitCount == 0 || ContinuesWord(text.at(index))))
        return false;

    position = index;
    value = static_cast<double>(accumulated);
    return true;
}

bool ProgrammerMath::ContainsInvalidBaseLiteral(const QString& text)
{
    const int length = text.size();
    for (int i = 0; i + 1 < length; ++i) {
        if (text.at(i) != QLatin1Char('0') || BaseForPrefixLetter(text.at(i + 1)) == 0 || !BeginsToken(text, i))
            continue;
        int position = i;
        double value = 0.0;
        bool prefixSeen = false;
        if (!TryParseBaseLiteral(text, position, value, prefixSeen) && prefixSeen)
            return true;
    }
    return false;
}

bool ProgrammerMath::RunFunction(QString name, const QList<double>& arguments, double& result, bool& ok, bool& handled)
{
    const auto& table = FunctionTable();
    const auto entry = table.constFind(name.toUpper());
    if (entry == table.constEnd()) {
        handled = false;
        return false;
    }

    handled = true;
    ok = false;
    result = 0.0;

    if (arguments.size() != entry->argumentCount)
        return true;
    for (double argument : arguments) {
        if (!IsSafeInteger(argument))
            return true;
    }

    const qint64 a = static_cast<qint64>(arguments.at(0));
    const qint64 b = arguments.size() > 1 ? static_cast<qint64>(arguments.at(1)) : 0;
    qint64 integer = 0;

    switch (entry->operation) {
    case Operation::Identity:
        integer = a;
        break;
    case Operation::Not:
        integer = -a - 1;
        break;
    case Operation::And:
        integer = a & b;
        break;
    case Operation::Or:
        integer = a | b;
        break;
    case Operation::Xor:
        integer = a ^ b;
        break;
    case Operation::ShiftLeft: {
        if (b < 0 || b > MaxShiftCount)
            return true;
        const qint64 factor = qint64(1) << b;
        if (a > (SafeLimit >> b) || a < -SafeLimit / factor)
            return true;
        integer = a * factor;
        break;
    }
    case Operation::ShiftRight:
        if (b < 0 || b > MaxShiftCount)
            return true;
        integer = FloorDivide(a, qint64(1) << b);
        break;
    }

    result = static_cast<double>(integer);
    ok = true;
    return true;
}

bool ProgrammerMath::FormatInteger(double value, int base, QString& text)
{
    if (!IsSafeInteger(value) || (base != 2 && base != 8 && base != 10 && base != 16))
        return false;

    const qint64 integer = static_cast<qint64>(value);
    if (base == 10) {
        text = QString::number(integer);
        return true;
    }

    static const char digits[] = "0123456789ABCDEF";
    // 53 binary digits and a sign fit comfortably.
    char buffer[64];
    int start = int(sizeof(buffer));
    quint64 magnitude = static_cast<quint64>(integer < 0 ? -integer : integer);
    do {
        buffer[--start] = digits[magnitude % static_cast<quint64>(base)];
        magnitude /= static_cast<quint64>(base);
    } while (magnitude != 0);
    if (integer < 0)
        buffer[--start] = '-';
    text = QString::fromLatin1(buffer + start, int(sizeof(buffer)) - start);
    return true;
}

bool ProgrammerMath::TryExtractOutputConversion(const QString& line, QString& inner, int& base)
{
    const QString trimmed = line.trimmed();
    const int open = trimmed.indexOf(QLatin1Char('('));
    if (open <= 0)
        return false;

    const QString name = trimmed.left(open).trimmed().toUpper();
    if (name == QLatin1String("BIN"))
        base = 2;
    else if (name == QLatin1String("OCT"))
        base = 8;
    else if (name == QLatin1String("HEX"))
        base = 16;
    else if (name == QLatin1String("DEC"))
        base = 10;
    else
        return false;

    int depth = 0;
    int close = -1;
    for (int i = open; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (--depth == 0) {
                close = i;
                break;
            }
        }
    }
    if (close < 0)
        return false;

    for (int i = close + 1; i < trimmed.size(); ++i) {
        if (!trimmed.at(i).isSpace())
            return false;
    }

    inner = trimmed.mid(open + 1, close - open - 1).trimmed();
    return !inner.isEmpty();
}
