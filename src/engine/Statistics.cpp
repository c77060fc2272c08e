#include "pad/mainwindow.h"

#include <QHash>
#include <QRandomGenerator64>

#include <algorithm>
#include <cmath>

namespace {

// Mean and sum of squared deviations in one pass (Welford), which stays
// accurate when the values sit far from zero.
bool CalculateSumOfSquaredDeviations(const QList<double>& values, double& mean, double& sumOfSquaredDeviations)
{
    mean = 0.0;
    sumOfSquaredDeviations = 0.0;
    qsizetype count = 0;
    for (const double value : values) {
        ++count;
        const double deviation = value - mean;
        mean += deviation / double(count);
        sumOfSquaredDeviations += (value - mean) * deviation;
    }
    if (values.isEmpty())
        return true;
    if (!std::isfinite(mean) || !std::isfinite(sumOfSquaredDeviations))
        return false;
    return sumOfSquaredDeviations >= 0;
}

// Percentile in percent, interpolating linearly between the two nearest ranks
// of the sorted values (0 is the smallest value, 100 the largest).
double CalculateInclusivePercentile(QList<double> values, double percentile, bool& ok)
{
    ok = false;
    if (values.isEmpty())
        return 0.0;
    if (!std::isfinite(percentile) || percentile < 0 || percentile > 100)
        return 0.0;

    std::sort(values.begin(), values.end());
    if (values.size() == 1) {
        ok = true;
        return values.first();
    }

    const double position = percentile / 100 * double(values.size() - 1);
    const double lower = std::floor(position);
    const double upper = std::ceil(position);
    const double lowerValue = values[qsizetype(lower)];
    if (lower == upper) {
        ok = true;
        return lowerValue;
    }
    const double upperValue = values[qsizetype(upper)];
    const double result = lowerValue + (upperValue - lowerValue) * (position - lower);
    if (!std::isfinite(result))
        return 0.0;
    ok = true;
    return result;
}

bool IsNearInteger(double value)
{
    return std::abs(value - std::round(value)) <= 1e-12;
}

// A uniform draw from [0, 1) with the 53 bits a double can hold.
double DrawUnit()
{
    return double(QRandomGenerator64::global()->generate() >> 11) * 1.1102230246251565e-16;
}

double RandomInteger(const QList<double>& arguments, bool& ok)
{
    ok = false;
    if (arguments.size() != 2)
        return 0.0;
    const double minimum = arguments[0];
    const double maximum = arguments[1];
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !IsNearInteger(minimum) || !IsNearInteger(maximum))
        return 0.0;

    constexpr double largestExact = 9007199254740992.0; // 2^53
    const double low = std::round(minimum);
    const double high = std::round(maximum);
    if (low > high || low < -largestExact || high > largestExact)
        return 0.0;
    ok = true;
    if (low == high)
        return low;

    // The span can reach 2^54 + 1, which needs more than a double's 53 bits.
    const long double span = static_cast<long double>(high) - low + 1;
    const long double offset = std::floor(span * static_cast<long double>(DrawUnit()));
    return double(std::min(static_cast<long double>(high), low + offset));
}

// ---- List functions. Each receives a non-empty list of finite values and
// ---- clears ok for a failure beyond a non-finite result.

double Minimum(const QList<double>& values, bool&)
{
    return *std::min_element(values.cbegin(), values.cend());
}

double Maximum(const QList<double>& values, bool&)
{
    return *std::max_element(values.cbegin(), values.cend());
}

double Sum(const QList<double>& values, bool&)
{
    double sum = 0.0;
    for (const double value : values)
        sum += value;
    return sum;
}

double Average(const QList<double>& values, bool&)
{
    // A running mean cannot overflow where the plain sum would.
    double mean = 0.0;
    qsizetype count = 0;
    for (const double value : values) {
        ++count;
        mean += (value - mean) / double(count);
    }
    return mean;
}

double Median(const QList<double>& values, bool&)
{
    QList<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype middle = sorted.size() / 2;
    if (sorted.size() % 2 == 1)
        return sorted[middle];
    return (sorted[middle - 1] + sorted[middle]) * 0.5;
}

double Mode(const QList<double>& values, bool& ok)
{
    QList<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    // Runs are visited from the smallest value up, and only a strictly longer
    // run replaces the best, so a tie goes to the smallest value.
    double mode = 0.0;
    qsizetype highestCount = 0;
    for (qsizetype start = 0; start < sorted.size();) {
        qsizetype end = start + 1;
        while (end < sorted.size() && sorted[end] == sorted[start])
            ++end;
        if (end - start > highestCount) {
            highestCount = end - start;
            mode = sorted[start];
        }
        start = end;
    }
    if (highestCount < 2) {
        ok = false;
        return 0.0;
    }
    return mode;
}

double Count(const QList<double>& values, bool&)
{
    return double(values.size());
}

double Range(const QList<double>& values, bool&)
{
    const auto [smallest, largest] = std::minmax_element(values.cbegin(), values.cend());
    return *largest - *smallest;
}

// Sum of squared deviations divided by n minus `lostDegrees`; fails on a
// failed pass, too few values, or a negative or non-finite quotient.
bool Variance(const QList<double>& values, qsizetype lostDegrees, double& variance)
{
    double mean = 0.0;
    double sumOfSquaredDeviations = 0.0;
    if (!CalculateSumOfSquaredDeviations(values, mean, sumOfSquaredDeviations))
        return false;
    const qsizetype degrees = values.size() - lostDegrees;
    if (degrees < 1)
        return false;
    variance = sumOfSquaredDeviations / double(degrees);
    return std::isfinite(variance) && variance >= 0;
}

double SampleStandardDeviation(const QList<double>& values, bool& ok)
{
    double variance = 0.0;
    ok = Variance(values, 1, variance);
    return ok ? std::sqrt(variance) : 0.0;
}

double PopulationStandardDeviation(const QList<double>& values, bool& ok)
{
    double variance = 0.0;
    ok = Variance(values, 0, variance);
    return ok ? std::sqrt(variance) : 0.0;
}

double SampleVariance(const QList<double>& values, bool& ok)
{
    double variance = 0.0;
    ok = Variance(values, 1, variance);
    return ok ? variance : 0.0;
}

double PopulationVariance(const QList<double>& values, bool& ok)
{
    double variance = 0.0;
    ok = Variance(values, 0, variance);
    return ok ? variance : 0.0;
}

bool AllPositive(const QList<double>& values)
{
    return std::all_of(values.cbegin(), values.cend(), [](double value) { return value > 0; });
}

double GeometricMean(const QList<double>& values, bool& ok)
{
    if (!AllPositive(values)) {
        ok = false;
        return 0.0;
    }
    long double sumOfLogarithms = 0.0L;
    for (const double value : values)
        sumOfLogarithms += std::log(static_cast<long double>(value));
    return double(std::exp(sumOfLogarithms / static_cast<long double>(values.size())));
}

double HarmonicMean(const QList<double>& values, bool& ok)
{
    if (!AllPositive(values)) {
        ok = false;
        return 0.0;
    }
    long double sumOfReciprocals = 0.0L;
    for (const double value : values)
        sumOfReciprocals += 1.0L / value;
    if (sumOfReciprocals <= 0) {
        ok = false;
        return 0.0;
    }
    return double(static_cast<long double>(values.size()) / sumOfReciprocals);
}

long double SumOfSquares(const QList<double>& values)
{
    long double sum = 0.0L;
    for (const double value : values)
        sum += static_cast<long double>(value) * value;
    return sum;
}

double RootMeanSquare(const QList<double>& values, bool&)
{
    return double(std::sqrt(SumOfSquares(values) / static_cast<long double>(values.size())));
}

double SumSquared(const QList<double>& values, bool&)
{
    return double(SumOfSquares(values));
}

double Percentile(const QList<double>& values, bool& ok)
{
    if (values.size() < 2) {
        ok = false;
        return 0.0;
    }
    return CalculateInclusivePercentile(values.mid(1), values[0], ok);
}

double Quartile(const QList<double>& values, bool& ok)
{
    const double number = values[0];
    if (values.size() < 2 || !IsNearInteger(number) || number < 0 || number > 4) {
        ok = false;
        return 0.0;
    }
    return CalculateInclusivePercentile(values.mid(1), number * 25, ok);
}

// Sum of the `power`-th powers of the standardised values (sample standard
// deviation), for the shape measures; fails when the values do not spread.
bool SumOfStandardizedPowers(const QList<double>& values, int power, long double& sum)
{
    double mean = 0.0;
    double sumOfSquaredDeviations = 0.0;
    if (!CalculateSumOfSquaredDeviations(values, mean, sumOfSquaredDeviations))
        return false;
    const double variance = sumOfSquaredDeviations / double(values.size() - 1);
    if (!(variance > 0))
        return false;
    const long double deviation = std::sqrt(static_cast<long double>(variance));
    sum = 0.0L;
    for (const double value : values) {
        const long double z = (static_cast<long double>(value) - mean) / deviation;
        long double term = z;
        for (int i = 1; i < power; ++i)
            term *= z;
        sum += term;
    }
    return true;
}

double Skewness(const QList<double>& values, bool& ok)
{
    long double sumOfCubes = 0.0L;
    if (values.size() < 3 || !SumOfStandardizedPowers(values, 3, sumOfCubes)) {
        ok = false;
        return 0.0;
    }
    const long double n = static_cast<long double>(values.size());
    return double(n / ((n - 1) * (n - 2)) * sumOfCubes);
}

double Kurtosis(const QList<double>& values, bool& ok)
{
    long double sumOfFourthPowers = 0.0L;
    if (values.size() < 4 || !SumOfStandardizedPowers(values, 4, sumOfFourthPowers)) {
        ok = false;
        return 0.0;
    }
    const long double n = static_cast<long double>(values.size());
    return double(n * (n + 1) / ((n - 1) * (n - 2) * (n - 3)) * sumOfFourthPowers
                  - 3 * (n - 1) * (n - 1) / ((n - 2) * (n - 3)));
}

using ListFunction = double (*)(const QList<double>& values, bool& ok);

const QHash<QString, ListFunction>& ListFunctions()
{
    static const QHash<QString, ListFunction> functions = {
        {QStringLiteral("MIN"), &Minimum},
        {QStringLiteral("MAX"), &Maximum},
        {QStringLiteral("SUM"), &Sum},
        {QStringLiteral("AVG"), &Average},
        {QStringLiteral("MEDIAN"), &Median},
        {QStringLiteral("MODE"), &Mode},
        {QStringLiteral("COUNT"), &Count},
        {QStringLiteral("RANGE"), &Range},
        {QStringLiteral("STDEV"), &SampleStandardDeviation},
        {QStringLiteral("STDEVP"), &PopulationStandardDeviation},
        {QStringLiteral("VARIANCE"), &SampleVariance},
        {QStringLiteral("VARIANCEP"), &PopulationVariance},
        {QStringLiteral("GEOMEAN"), &GeometricMean},
        {QStringLiteral("HARMEAN"), &HarmonicMean},
        {QStringLiteral("RMS"), &RootMeanSquare},
        {QStringLiteral("SUMSQ"), &SumSquared},
        {QStringLiteral("PERCENTILE"), &Percentile},
        {QStringLiteral("QUARTILE"), &Quartile},
        {QStringLiteral("SKEW"), &Skewness},
        {QStringLiteral("KURTOSIS"), &Kurtosis},
    };
    return functions;
}

} // namespace

double MainWindow::RunStatisticsFunction(QString name, QList<double> arguments, bool& ok, bool& handled)
{
    ok = false;
    handled = true;
    name = name.toUpper();

    if (name == QLatin1String("RANDOM")) {
        if (!arguments.isEmpty())
            return 0.0;
        ok = true;
        return DrawUnit();
    }
    if (name == QLatin1String("RANDINT"))
        return RandomInteger(arguments, ok);

    const auto& functions = ListFunctions();
    const auto found = functions.constFind(name);
    if (found == functions.cend()) {
        handled = false;
        return 0.0;
    }
    if (arguments.isEmpty())
        return 0.0;
    if (!std::all_of(arguments.cbegin(), arguments.cend(), [](double value) { return std::isfinite(value); }))
        return 0.0;

    bool computed = true;
    const double result = found.value()(arguments, computed);
    if (!computed || !std::isfinite(result))
        return 0.0;
    ok = true;
    return result;
}
