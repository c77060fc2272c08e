#include "engine/NameScan.h"

#include "engine/ProgrammerMath.h"
#include "engine/TextScan.h"
#include "pad/mainwindow.h"

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
            const int exponent = MainWindow::NumberExponentLength(text, position);
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
