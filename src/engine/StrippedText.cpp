// Whether Ignore Text may answer a failed line with its text stripped.
// Stripping exists for notes and labels ("total 5 + 3 apples", "Rent: 1200");
// whatever carries meaning makes the line fail instead, for stripped it would
// answer a different calculation from the one typed: cos 0 is not 0, 2·3 is
// not 23, and 1 ton to kg is not 1.

#include "pad/mainwindow.h"
#include "engine/NameScan.h"
#include "engine/ProgrammerMath.h"
#include "engine/TextScan.h"

#include <QVarLengthArray>

namespace {

using TextScan::CodePointAt;
using TextScan::IsDecimalDigit;
using TextScan::IsWordCharacter;

enum class TokenKind { Number, Word, Open, Close, Infix, Postfix };

// Multiplication signs and the minus sign that the parser does not read;
// stripping drops them, but an operand must follow them all the same.
bool IsForeignInfixOperator(char32_t c)
{
    return c == 0x00D7 || c == 0x00B7 || c == 0x22C5 || c == 0x2212 || c == 0x2217;
}

bool ClassifyOperator(char32_t c, TokenKind& kind)
{
    switch (c) {
    case '(':
        kind = TokenKind::Open;
        return true;
    case ')':
        kind = TokenKind::Close;
        return true;
    case '+':
    case '-':
    case '*':
    case '/':
    case '^':
    case 0x00F7:
        kind = TokenKind::Infix;
        return true;
    case '!':
    case '%':
        kind = TokenKind::Postfix;
        return true;
    default:
        kind = TokenKind::Infix;
        return IsForeignInfixOperator(c);
    }
}

bool IsAsciiDigitAt(const QString& text, int index)
{
    return index < text.size() && TextScan::IsAsciiDigit(text.at(index));
}

// Reads the number that starts at position: a base literal, or digits with
// their thousands separators ("12,345,678.5"), a fraction and an exponent.
// Its digits, separators left out, go to digits; position moves past it.
void ReadNumber(const QString& text, int& position, QString& digits)
{
    const int start = position;
    double literal = 0.0;
    bool prefixSeen = false;
    if (ProgrammerMath::TryParseBaseLiteral(text, position, literal, prefixSeen)) {
        digits = text.mid(start, position - start);
        return;
    }

    const int length = text.size();
    digits.clear();
    int width = 1;
    while (position < length && IsDecimalDigit(CodePointAt(text, position, width))) {
        digits += QStringView(text).mid(position, width);
        position += width;
    }
    // A comma counts as a thousands separator only between groups of three,
    // after a first group of one to three digits; any other comma joins
    // two numbers once it is stripped (1,5 is no 15).
    if (!digits.isEmpty() && digits.size() <= 3) {
        while (position < length && text.at(position) == QLatin1Char(',') && IsAsciiDigitAt(text, position + 1)
               && IsAsciiDigitAt(text, position + 2) && IsAsciiDigitAt(text, position + 3)
               && !(position + 4 < length && IsDecimalDigit(text.at(position + 4)))) {
            digits += QStringView(text).mid(position + 1, 3);
            position += 4;
        }
    }
    while (position < length) {
        const char32_t c = CodePointAt(text, position, width);
        if (c != '.' && !IsDecimalDigit(c))
            break;
        digits += QStringView(text).mid(position, width);
        position += width;
    }
    const int exponent = NumberExponentLength(text, position);
    digits += QStringView(text).mid(position, exponent);
    position += exponent;
}

bool StartsNumber(const QString& text, int index, char32_t c)
{
    if (IsDecimalDigit(c))
        return true;
    if (c != '.' || index + 1 >= text.size())
        return false;
    return IsDecimalDigit(CodePointAt(text, index + 1));
}

bool IsBlank(char32_t c)
{
    return QChar::isSpace(c);
}

// The numbers of a text, in order; used on the stripped text, which holds
// only numbers, operators and blanks.
QStringList NumbersOf(const QString& text)
{
    QStringList numbers;
    const int length = text.size();
    int width = 1;
    for (int i = 0; i < length;) {
        const char32_t c = CodePointAt(text, i, width);
        if (StartsNumber(text, i, c)) {
            QString digits;
            ReadNumber(text, i, digits);
            numbers.append(digits);
        } else {
            i += width;
        }
    }
    return numbers;
}

} // namespace

bool MainWindow::StrippingChangesMeaning(const QString& text, const QString& stripped, bool writtenInWords) const
{
    if (ProgrammerMath::ContainsInvalidBaseLiteral(text))
        return true;

    QVarLengthArray<TokenKind, 32> tokens;
    QStringList numbers;
    const int length = text.size();
    int width = 1;
    for (int i = 0; i < length;) {
        const char32_t c = CodePointAt(text, i, width);
        TokenKind kind = TokenKind::Infix;
        if (IsBlank(c)) {
            i += width;
        } else if (StartsNumber(text, i, c)) {
            QString digits;
            ReadNumber(text, i, digits);
            // A digit joined to a letter (5kg, 2x3) is no label beside a
            // number: it names something, or means a product.
            if (i < length && IsWordCharacter(CodePointAt(text, i)))
                return true;
            numbers.append(digits);
            tokens.append(TokenKind::Number);
        } else if (IsWordCharacter(c)) {
            const int start = i;
            while (i < length && IsWordCharacter(CodePointAt(text, i, width))) {
                if (IsDecimalDigit(CodePointAt(text, i)))
                    return true; // x2, PI2, AREA2: a name, never a label
                i += width;
            }
            const QString word = text.mid(start, i - start);
            int next = i;
            while (next < length && IsBlank(CodePointAt(text, next, width)))
                next += width;
            // An unknown function is still a call.
            if (next < length && text.at(next) == QLatin1Char('('))
                return true;
            // TO is left only by a conversion that did not resolve.
            if (word.compare(QLatin1String("TO"), Qt::CaseInsensitive) == 0)
                return true;
            const std::optional<CalculatorSyntaxItem> item = FindCalculatorSyntaxItem(word);
            if (item && item->isFunction)
                return true;
            // In a line written in words the words are the calculation; only
            // a heading, marked by its colon, is a label there.
            if (writtenInWords && word.compare(QLatin1String("PI"), Qt::CaseInsensitive) != 0
                && word.compare(QLatin1String("EULER"), Qt::CaseInsensitive) != 0) {
                while (next < length) {
                    const char32_t n = CodePointAt(text, next, width);
                    if (!IsBlank(n) && (!IsWordCharacter(n) || IsDecimalDigit(n)))
                        break;
                    next += width;
                }
                if (next >= length || text.at(next) != QLatin1Char(':'))
                    return true;
            }
            tokens.append(TokenKind::Word);
        } else {
            if (ClassifyOperator(c, kind))
                tokens.append(kind);
            i += width;
        }
    }

    // Words where an operand must stand (y + 1, 2 * k) are that operand; a
    // label always stands beside a number.
    const int count = tokens.size();
    for (int first = 0; first < count; ++first) {
        if (tokens[first] != TokenKind::Word)
            continue;
        int last = first;
        while (last + 1 < count && tokens[last + 1] == TokenKind::Word)
            ++last;
        const bool operandBefore =
            first == 0 || tokens[first - 1] == TokenKind::Open || tokens[first - 1] == TokenKind::Infix;
        const bool operandAfter = last == count - 1 || tokens[last + 1] == TokenKind::Close
            || tokens[last + 1] == TokenKind::Infix || tokens[last + 1] == TokenKind::Postfix;
        if (operandBefore && operandAfter)
            return true;
        first = last;
    }

    // Stripping must leave every number as typed: not joined to the next
    // (2·3, 1,5) and not cut from its base prefix (0x1F).
    return NumbersOf(stripped) != numbers;
}
