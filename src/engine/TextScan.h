#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Character classes, the decimal-number reader and the recursion bound shared
// by the engine's scanners, so that the parser, the variable scan and the date
// and time language agree on what a letter, a digit and a number are, and on
// how deep a line may nest.
namespace TextScan {

// The parser's PI and the angle conversions agree to the last digit.
constexpr double Pi = 3.141592653589793;

// Answers stand in the pad in bold (QFont::Bold); text counts as bold from
// that weight up, so the pad's readers and the tests agree on what an answer is.
constexpr int BoldWeight = 700;

inline bool IsBoldWeight(int fontWeight)
{
    return fontWeight >= BoldWeight;
}

// Real recursion (parenthesised groups, function arguments, exponents) is
// bounded, so that a pasted line of thousands of "(" fails cleanly instead of
// overflowing the stack.
constexpr int MaximumNestingDepth = 400;

// Counts one level of recursion for as long as it lives. It cannot be copied:
// a copy would leave the level once more than it was entered.
class DepthGuard
{
public:
    explicit DepthGuard(int& counter) : depth(counter) { ++depth; }
    ~DepthGuard() { --depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    bool Exceeded() const { return depth > MaximumNestingDepth; }

private:
    int& depth;
};

inline bool IsAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

inline bool IsAsciiDigit(QChar c)
{
    const char16_t u = c.unicode();
    return u >= '0' && u <= '9';
}

// ASCII or any other Unicode decimal digit (category Nd).
inline bool IsDecimalDigit(QChar c)
{
    return IsAsciiDigit(c) || (c.unicode() >= 0x80 && c.category() == QChar::Number_DecimalDigit);
}

// The same for a whole character, also one beyond the Basic Multilingual Plane.
inline bool IsDecimalDigit(char32_t c)
{
    if (c < 0x80)
        return c >= '0' && c <= '9';
    return QChar::category(c) == QChar::Number_DecimalDigit;
}

inline bool IsAsciiSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= 0x09 && u <= 0x0D);
}

// The text with every lone surrogate (half of a pair without its other half,
// which is not valid UTF-16) read as U+FFFD, the replacement character.
// Regular expressions match nothing in text that is not valid UTF-16, so a
// line is made whole before any of them sees it; a stray unit then fails the
// line like any other stray symbol. Valid text comes back shared, uncopied.
QString WithoutLoneSurrogates(const QString& text);

// Characters are read whole: one outside the Basic Multilingual Plane takes two
// UTF-16 units, and a letter or digit cut in half is neither.

// The character that starts at index (index < text.size()); width becomes the
// number of units it takes.
inline char32_t CodePointAt(QStringView text, qsizetype index, int& width)
{
    const QChar c = text.at(index);
    if (c.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
        width = 2;
        return QChar::surrogateToUcs4(c, text.at(index + 1));
    }
    width = 1;
    return c.unicode();
}

inline char32_t CodePointAt(QStringView text, qsizetype index)
{
    int width = 1;
    return CodePointAt(text, index, width);
}

// The character that ends just before index (index > 0).
inline char32_t CodePointBefore(QStringView text, qsizetype index)
{
    const QChar c = text.at(index - 1);
    if (c.isLowSurrogate() && index >= 2 && text.at(index - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(index - 2), c);
    return c.unicode();
}

// A letter or digit of any script, or "_": the characters a word is made of.
inline bool IsWordCharacter(char32_t c)
{
    return c == U'_' || QChar::isLetterOrNumber(c);
}

// Reads an unsigned decimal number at position: digits with at most one
// point, then an exponent when the e or E is followed by an optional sign and
// a digit. Every Unicode decimal digit counts by its digit value. position
// moves past what was read; false when nothing was read or the text is no
// number (a lone point).
bool ReadDecimalNumber(const QString& text, int& position, double& value);

} // namespace TextScan
