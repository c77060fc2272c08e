// FRACTION(expression): the value as a fraction of two whole numbers, then
// the best approximations with denominators of one, two, ... six digits.

#include "pad/mainwindow.h"

#include <QRegularExpression>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

// The searches compare q × value with 2^63 − 1 and round it to a 64-bit
// integer; both are exact only with a mantissa of at least 64 bits.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "FRACTION needs a long double with a 64-bit mantissa (the x86 extended type)");

namespace {

using Whole = std::int64_t;

const long double Limit = static_cast<long double>(std::numeric_limits<Whole>::max());

// The largest mantissa whose tenfold still fits in 64 bits.
constexpr Whole LargestTenfoldMantissa = 922337203685477580;

// Denominators of the exact fraction go up to 10^18.
constexpr int MaximumDecimalPlaces = 18;

// Simpler fractions are searched among the denominators below one million,
// and the table stops at six-digit denominators.
constexpr Whole SearchDenominatorEnd = 1000000;
constexpr int MaximumTableDigits = 6;

constexpr long double Tolerance = 1e-14L;

// llroundl for the values the searches round: not negative and at most
// Limit. Both parts of such a value are exact in the 64-bit mantissa, so this
// rounds half away from zero exactly as llroundl does, without a call into
// the maths library for each of up to two million denominators.
Whole RoundNonNegative(long double x)
{
    const Whole whole = static_cast<Whole>(x);
    return x - static_cast<long double>(whole) >= 0.5L ? whole + 1 : whole;
}

// The first denominator from q on, below end, for which q × a lies within
// q × slack of a whole number; end when there is none. Reckoned in doubles
// (exact counts below 2^53), this is several times cheaper than the long
// double trial of a denominator, and the callers' slack leaves room for the
// rounding of both: a denominator passed over is one for which no whole p
// brings p/q as near to a as the trial asks.
Whole NextCandidate(Whole q, Whole end, double a, double slack)
{
    // Below 2^52, adding and taking away 2^52 rounds to the nearest whole
    // number, and the difference from it is exact.
    constexpr double Shift = 4503599627370496.0;
    const double last = static_cast<double>(end);
    for (double d = static_cast<double>(q); d < last; d += 1.0) {
        const double x = d * a;
        if (!(x < Shift) || !(std::fabs(x - ((x + Shift) - Shift)) > d * slack))
            return static_cast<Whole>(d);
    }
    return end;
}

int DigitCount(Whole n)
{
    int digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}

void Reduce(Whole& numerator, Whole& denominator)
{
    const Whole divisor = std::gcd(numerator, denominator);
    if (divisor > 1) {
        numerator /= divisor;
        denominator /= divisor;
    }
}

// The digits of the value that FRACTION answers for.
QString ShownDigits(double x)
{
    return QString::number(x, 'g', 15).toLower();
}

// The fraction that the value's 15-significant-digit text spells exactly.
bool ExactFractionFromText(double x, Whole& numerator, Whole& denominator, bool& negative)
{
    QString s = ShownDigits(x);
    negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s.remove(0, 1);

    int exponent = 0;
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        bool ok = false;
        exponent = s.mid(e + 1).toInt(&ok);
        if (!ok)
            return false;
        s.truncate(e);
    }

    int decimalPlaces = 0;
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        decimalPlaces = int(s.size() - point - 1);
        s.remove(point, 1);
    }

    while (s.size() > 1 && s.startsWith(QLatin1Char('0')))
        s.remove(0, 1);
    bool ok = false;
    Whole mantissa = s.toLongLong(&ok);
    if (!ok)
        return false;

    // Both counts are small (15 digits, exponents within ±400), so the
    // difference cannot overflow.
    const int places = decimalPlaces - exponent;
    denominator = 1;
    if (places > MaximumDecimalPlaces)
        return false;
    for (int i = 0; i < places; ++i)
        denominator *= 10;
    for (int i = 0; i < -places; ++i) {
        if (mantissa > LargestTenfoldMantissa)
            return false;
        mantissa *= 10;
    }

    numerator = negative ? -mantissa : mantissa;
    Reduce(numerator, denominator);
    return true;
}

// The first denominator below one million whose fraction equals a = |x| to
// the digits shown; false when none does. A fraction that is merely close
// would answer for a different number (99999.99999 is not 9998999999/99990),
// and a fixed tolerance would take 0/1 for any tiny value.
bool FindSimplerFraction(long double a, Whole& numerator, Whole& denominator)
{
    const long double tolerance = a * Tolerance;
    const QString shown = ShownDigits(static_cast<double>(a));
    // a is a double's magnitude, so exact as a double. Twice the tolerance
    // covers the rounding of both trials; a tiny a, whose slack would lose
    // digits, has every denominator tried.
    const double exact = static_cast<double>(a);
    const bool screened = exact >= 1e-250;
    const double slack = exact * 2e-14;
    for (Whole q = 1; q < SearchDenominatorEnd; ++q) {
        if (screened) {
            q = NextCandidate(q, SearchDenominatorEnd, exact, slack);
            if (q == SearchDenominatorEnd)
                break;
        }
        const long double scaled = static_cast<long double>(q) * a;
        if (scaled > Limit)
            return false;
        Whole p = RoundNonNegative(scaled);
        const long double candidate = static_cast<long double>(p) / static_cast<long double>(q);
        if (std::fabs(candidate - a) <= tolerance && ShownDigits(static_cast<double>(candidate)) == shown) {
            Whole reduced = q;
            Reduce(p, reduced);
            numerator = p;
            denominator = reduced;
            return true;
        }
    }
    return false;
}

} // namespace

bool MainWindow::HandleFractionFunction(QString line)
{
    // One row of the approximations table.
    struct ApproximationResult
    {
        bool valid = false;
        Whole numerator = 0;
        Whole denominator = 1;
        long double value = 0.0L;
        long double error = 0.0L;
    };

    static const QRegularExpression command(QStringLiteral("^FRACTION\\s*\\("),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression wholeCall(QStringLiteral("^FRACTION\\s*\\((.*)\\)\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption);

    line = line.trimmed();
    if (!command.match(line).hasMatch())
        return false;

    const auto cannotSolve = [this]() {
        InsertCommandResult(QStringLiteral("-Cannot Solve-"), true);
        return true;
    };

    const QRegularExpressionMatch call = wholeCall.match(line);
    const QString argument = call.hasMatch() ? call.captured(1).trimmed() : QString();
    if (argument.isEmpty())
        return cannotSolve();

    bool ok = false;
    QString processedText;
    const double x = EvaluateExpression(argument, ok, processedText);
    // A whole-line HEX(...) argument asks for a base that no answer of this
    // command uses; left set, it would turn the next, unrelated answer into
    // hexadecimal.
    setProperty(OneTimeOutputBaseProperty, QVariant());
    if (!ok || !std::isfinite(x))
        return cannotSolve();

    Whole numerator = 0;
    Whole denominator = 1;
    bool negative = false;
    if (!ExactFractionFromText(x, numerator, denominator, negative))
        return cannotSolve();

    Whole simplerNumerator = 0;
    Whole simplerDenominator = 1;
    if (FindSimplerFraction(std::fabs(static_cast<long double>(x)), simplerNumerator, simplerDenominator)) {
        numerator = x < 0 ? -simplerNumerator : simplerNumerator;
        denominator = simplerDenominator;
    }

    QString text = QString::number(numerator) + QLatin1Char('/') + QString::number(denominator);

    const long double v = std::fabs(static_cast<long double>(numerator) / static_cast<long double>(denominator));
    const int tableDigits = std::min(DigitCount(denominator), MaximumTableDigits);
    QList<ApproximationResult> table(tableDigits);
    // v is 0 or lies between 1e-18 and 1e19, well inside the normal range
    // of doubles.
    const double nearV = static_cast<double>(v);
    Whole lowest = 1;
    for (int d = 1; d <= tableDigits; ++d, lowest *= 10) {
        bool found = false;
        Whole bestP = 0;
        Whole bestQ = 1;
        long double bestError = 0.0L;
        // A denominator whose trial cannot come out below the best error so
        // far is passed over; the margins exceed the rounding of both trials.
        double slack = 0.0;
        const Whole end = lowest * 10;
        for (Whole q = lowest; q < end; ++q) {
            if (found) {
                q = NextCandidate(q, end, nearV, slack);
                if (q == end)
                    break;
            }
            const long double scaled = static_cast<long double>(q) * v;
            if (scaled > Limit)
                continue;
            const Whole p = RoundNonNegative(scaled);
            const long double error = std::fabs(static_cast<long double>(p) / static_cast<long double>(q) - v);
            if (!found || error < bestError) {
                found = true;
                bestP = p;
                bestQ = q;
                bestError = error;
                slack = static_cast<double>(bestError) * (1.0 + 0x1p-40) + nearV * 0x1p-40;
            }
        }
        if (!found)
            continue;
        Reduce(bestP, bestQ);
        if (DigitCount(bestQ) != d)
            continue;
        ApproximationResult& row = table[d - 1];
        row.valid = true;
        row.numerator = negative ? -bestP : bestP;
        row.denominator = bestQ;
        row.value = static_cast<long double>(row.numerator) / static_cast<long double>(row.denominator);
        row.error = bestError;
    }

    const auto fractionText = [](const ApproximationResult& row) {
        return QString::number(row.numerator) + QLatin1Char('/') + QString::number(row.denominator);
    };
    int width = 0;
    for (const ApproximationResult& row : table) {
        if (row.valid)
            width = std::max(width, int(fractionText(row).size()));
    }
    // Errors below the precision of the value itself are noise: shown as 0.
    // Only there: a tiny value's 0/1 row is off by the whole value.
    const long double scale = v;
    text += QStringLiteral("\n\nApproximate Values");
    for (const ApproximationResult& row : table) {
        if (!row.valid)
            continue;
        const QString error = row.error <= scale * Tolerance ? QStringLiteral("0")
                                                             : QString::number(static_cast<double>(row.error), 'g', 12);
        text += QLatin1Char('\n') + fractionText(row).leftJustified(width + 2)
            + QString::number(static_cast<double>(row.value), 'g', 12).leftJustified(18) + QStringLiteral("error ")
            + error;
    }

    // Like every numeric answer, the value ends a date or time answer.
    SetNumericAnswer(x);
    InsertCommandResult(text, true);
    return true;
}
