#pragma once

#include <QStringList>

// Typical pad lines, 10 to 60 characters: arithmetic with functions, base
// literals and programmer functions. One iteration evaluates one line, so the
// reported time is the time per line.
inline const QStringList& TypicalLines()
{
    static const QStringList lines = {
        QStringLiteral("12.5*4 + 3^2 - 7/2"),
        QStringLiteral("SQRT(144) + ABS(-3.5) * 2"),
        QStringLiteral("(1+2)(3+4) - 5!"),
        QStringLiteral("SIN(PI/6) + COS(PI/3) + TAN(0.25)"),
        QStringLiteral("ROUND(2, 1234.5678 / 3) + 10%"),
        QStringLiteral("0x1F + 0b1010 * 0o17"),
        QStringLiteral("AND(0xFF, 0x0F) + SHL(1, 10)"),
        QStringLiteral("XOR(12, 10) + OR(3, 4) - NOT(0)"),
        QStringLiteral("LOG(1000) * LN(EULER) + EXP(1.5)"),
        QStringLiteral("GCD(48, 18) + LCM(12, 18) - 2^10"),
        QStringLiteral("DEG(ATAN2(1, 1)) + RAD(180)"),
        QStringLiteral("1e3 / 2.5e-2 + .75 - 5."),
        QStringLiteral("((2+3)*(4-1))^2 / (6 - 1)"),
        QStringLiteral("HEX(255) + DEC(10) + BIN(3)"),
        QStringLiteral("-2^2 + 3!^2 - 50% * 8"),
        QStringLiteral("FLOOR(7.8) + CEIL(2.1) + SIGN(-4)"),
    };
    return lines;
}
