#include "engine/NameScan.h"

#include "engine/ProgrammerMath.h"
#include "engine/TextScan.h"
#include "pad/mainwindow.h"

int NumberExponentLength(const QString& text, int index)
{
    if (index < 1 || index >= text.size())
        return 0;
    const QChar letter = text.at(index);
    if (letter != QLatin1Char('e') && letter != QLatin1Char('E'))
        return 0;
    const QChar before = text.at(index - 1);
    if (!TextScan::IsDecimalDigit(before) && before != QLatin1Char('.'))
        return 0;
    int end = index + 1;
    if (end < text.size() && (text.at(end) == QLatin1Char('+') || text.at(end) == QLatin1Char('-')))
        ++end;
    if (end >= text.size() || !TextScan::IsDecimalDigit(text.at(end)))
        return 0;
    while (end < text.size() && TextScan::IsDecimalDigit(text.at(end)))
        ++end;
    return end - index;
}

bool NameScanner::Next()
{
    using TextScan::IsAsciiDigit;
    using TextScan::IsAsciiLetter;

    const int length = text.size();
    while (position < length) {
        const QChar c = text.at(position);
        if (!IsAsciiLetter(c) && c != QLatin1Char('_')) {
            ++position;
            continue;
        }
        if (position != exponentEnd) {
            const int exponent = NumberExponentLength(text, position);
            if (exponent > 0) {
                position += exponent;
                exponentEnd = position;
                continue;
            }
        }
        const int begin = position;
        ++position;
        while (position < length
               && (IsAsciiLetter(text.at(position)) || IsAsciiDigit(text.at(position))
                   || text.at(position) == QLatin1Char('_')))
            ++position;
        if (ProgrammerMath::IsBaseLiteralIdentifier(text, begin))
            continue;
        nameStart = begin;
        nameEnd = position;
        return true;
    }
    return false;
}
