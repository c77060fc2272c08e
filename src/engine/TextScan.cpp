#include "engine/TextScan.h"

#include <charconv>

namespace TextScan {

QString WithoutLoneSurrogates(const QString& text)
{
    QString whole;
    const int length = text.size();
    for (int i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < length && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (whole.isNull())
            whole = text;
        whole[i] = QChar::ReplacementCharacter;
    }
    return whole.isNull() ? text : whole;
}

namespace {

// The slow path for digits of other scripts: the number is rewritten in ASCII
// digits before it is converted.
bool ConvertByDigitValue(QStringView number, double& value)
{
    QString ascii;
    ascii.reserve(number.size());
    for (const QChar c : number)
        ascii += IsDecimalDigit(c) ? QChar(u'0' + c.digitValue()) : c;
    bool converted = false;
    value = ascii.toDouble(&converted);
    return converted;
}

// The fast path for the usual number: ASCII of modest length with an exponent
// of at most two digits, so the value can neither overflow nor underflow.
// Both this conversion and QString's round correctly, so they agree on every
// such number; false leaves the rest to QString.
bool ConvertShortAsciiNumber(QStringView number, double& value)
{
    char buffer[64];
    const qsizetype length = number.size();
    if (length > qsizetype(sizeof(buffer)))
        return false;
    qsizetype exponentDigits = 0;
    bool inExponent = false;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t u = number.at(i).unicode();
        if (u == u'e' || u == u'E')
            inExponent = true;
        else if (inExponent && u >= u'0' && u <= u'9')
            ++exponentDigits;
        buffer[i] = char(u);
    }
    if (exponentDigits > 2)
        return false;
    const std::from_chars_result result = std::from_chars(buffer, buffer + length, value);
    return result.ec == std::errc() && result.ptr == buffer + length;
}

} // namespace

bool ReadDecimalNumber(const QString& text, int& position, double& value)
{
    const int length = text.size();
    int p = position;
    // Almost every number is plain ASCII and converts where it stands.
    bool ascii = true;
    bool pointSeen = false;
    while (p < length) {
        const QChar c = text.at(p);
        if (IsDecimalDigit(c)) {
            ascii = ascii && IsAsciiDigit(c);
        } else if (c == QLatin1Char('.') && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
        ++p;
    }
    if (p == position)
        return false;

    if (p < length && (text.at(p) == QLatin1Char('e') || text.at(p) == QLatin1Char('E'))) {
        int q = p + 1;
        if (q < length && (text.at(q) == QLatin1Char('+') || text.at(q) == QLatin1Char('-')))
            ++q;
        const int digitsStart = q;
        while (q < length && IsDecimalDigit(text.at(q))) {
            ascii = ascii && IsAsciiDigit(text.at(q));
            ++q;
        }
        // Without digits the letter is not an exponent and is left unread.
        if (q > digitsStart)
            p = q;
    }

    const QStringView number = QStringView(text).mid(position, p - position);
    position = p;
    if (!ascii)
        return ConvertByDigitValue(number, value);
    if (ConvertShortAsciiNumber(number, value))
        return true;
    bool converted = false;
    value = number.toDouble(&converted);
    return converted;
}

} // namespace TextScan
