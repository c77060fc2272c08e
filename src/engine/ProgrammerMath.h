#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Integer-base features of the pad: base literals ("0b", "0o", "0x"), the
// whole-line output conversions BIN/OCT/HEX/DEC and the bitwise and shift
// functions. Every operation works on whole numbers of magnitude at most
// 2^53 - 1, so values travel through the engine as double without loss.
class ProgrammerMath
{
public:
    ProgrammerMath() = delete;

    // 2^53 - 1: the largest magnitude at which a double holds every integer.
    static constexpr qint64 SafeLimit = 9007199254740991;

    // Finite, of magnitude at most SafeLimit and equal to its own rounding.
    static bool IsSafeInteger(double value);

    // True when the identifier starting at index is the letter of a base
    // prefix, that is the 'b', 'o' or 'x' after a '0' that begins a token.
    static bool IsBaseLiteralIdentifier(const QString& text, int index);

    // Reads a base literal at position. On success position moves past it and
    // value holds it; on failure both are left as they were. prefixSeen tells
    // whether a base prefix stood there, so the caller can tell a malformed
    // literal from an ordinary number.
    static bool TryParseBaseLiteral(const QString& text, int& position, double& value, bool& prefixSeen);

    // True when some base literal that begins a token is malformed.
    static bool ContainsInvalidBaseLiteral(const QString& text);

    // The programmer function family. Returns handled; when the name is not
    // one of the family's, result and ok are left untouched.
    static bool RunFunction(QString name, const QList<double>& arguments, double& result, bool& ok, bool& handled);

    // Writes a safe integer in base 2, 8, 10 or 16 (upper-case digits, "-" for
    // negatives, no prefix). On failure text is left untouched.
    static bool FormatInteger(double value, int base, QString& text);

    // Recognises a whole line that is one BIN(...), OCT(...), HEX(...) or
    // DEC(...) call. base is set as soon as the name is recognised.
    static bool TryExtractOutputConversion(const QString& line, QString& inner, int& base);
};
