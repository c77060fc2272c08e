#include "pad/mainwindow.h"

#include "engine/ProgrammerMath.h"
#include "engine/TextScan.h"

#include <QHash>
#include <cmath>
#include <limits>

// The core mathematical functions, applied when no function family claims the
// name.

namespace {

using TextScan::Pi;

struct UnaryFunction
{
    double (*apply)(double);
    // The domain test; null when every finite argument is allowed.
    bool (*accepts)(double);
};

bool NotNegative(double x)
{
    return !(x < 0);
}
bool Positive(double x)
{
    return x > 0;
}
bool UnitRange(double x)
{
    return x >= -1 && x <= 1;
}

double Sign(double x)
{
    if (x > 0)
        return 1.0;
    if (x < 0)
        return -1.0;
    return 0.0;
}

const QHash<QString, UnaryFunction>& UnaryFunctions()
{
    static const QHash<QString, UnaryFunction> table = {
        {QStringLiteral("SIN"), {[](double x) { return std::sin(x); }, nullptr}},
        {QStringLiteral("COS"), {[](double x) { return std::cos(x); }, nullptr}},
        {QStringLiteral("TAN"), {[](double x) { return std::tan(x); }, nullptr}},
        {QStringLiteral("SQRT"), {[](double x) { return std::sqrt(x); }, NotNegative}},
        {QStringLiteral("ABS"), {[](double x) { return std::fabs(x); }, nullptr}},
        {QStringLiteral("LOG"), {[](double x) { return std::log10(x); }, Positive}},
        {QStringLiteral("LN"), {[](double x) { return std::log(x); }, Positive}},
        {QStringLiteral("EXP"), {[](double x) { return std::exp(x); }, nullptr}},
        {QStringLiteral("ASIN"), {[](double x) { return std::asin(x); }, UnitRange}},
        {QStringLiteral("ACOS"), {[](double x) { return std::acos(x); }, UnitRange}},
        {QStringLiteral("ATAN"), {[](double x) { return std::atan(x); }, nullptr}},
        {QStringLiteral("ROUND"), {[](double x) { return std::round(x); }, nullptr}},
        {QStringLiteral("FLOOR"), {[](double x) { return std::floor(x); }, nullptr}},
        {QStringLiteral("CEIL"), {[](double x) { return std::ceil(x); }, nullptr}},
        {QStringLiteral("SIGN"), {Sign, nullptr}},
        {QStringLiteral("RAD"), {[](double x) { return x * Pi / 180.0; }, nullptr}},
        {QStringLiteral("DEG"), {[](double x) { return x * 180.0 / Pi; }, nullptr}},
    };
    return table;
}

double RoundToPlaces(double places, double value, bool& ok)
{
    ok = false;
    if (!std::isfinite(places) || !std::isfinite(value))
        return 0.0;
    if (!ProgrammerMath::IsSafeInteger(places) || places < 0 || places > 15)
        return 0.0;
    const double factor = std::pow(10.0, places);
    const double scaled = value * factor;
    if (!std::isfinite(scaled))
        return 0.0;
    const double result = std::round(scaled) / factor;
    if (!std::isfinite(result))
        return 0.0;
    ok = true;
    return result;
}

qint64 GreatestCommonDivisor(qint64 a, qint64 b)
{
    // Both magnitudes are at most 2^53 - 1, so negation cannot overflow.
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const qint64 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

double GcdOrLcm(bool lcm, double x, double y, bool& ok)
{
    ok = false;
    if (!ProgrammerMath::IsSafeInteger(x) || !ProgrammerMath::IsSafeInteger(y))
        return 0.0;
    const qint64 a = static_cast<qint64>(x);
    const qint64 b = static_cast<qint64>(y);
    const qint64 g = GreatestCommonDivisor(a, b);
    if (!lcm) {
        ok = true;
        return static_cast<double>(g);
    }
    if (a == 0 || b == 0) {
        ok = true;
        return 0.0;
    }
    qint64 q = a / g;
    q = q < 0 ? -q : q;
    const qint64 absB = b < 0 ? -b : b;
    if (q > std::numeric_limits<qint64>::max() / absB)
        return 0.0;
    ok = true;
    return static_cast<double>(absB * q);
}

} // namespace

double MainWindow::RunFunction(QString name, QList<double> arguments, bool& ok)
{
    bool handled = false;
    double value = RunFinancialFunction(name, arguments, ok, handled);
    if (handled)
        return value;
    value = RunStatisticsFunction(name, arguments, ok, handled);
    if (handled)
        return value;
    value = RunGDTFunction(name, arguments, ok, handled);
    if (handled)
        return value;
    value = 0.0;
    if (ProgrammerMath::RunFunction(name, arguments, value, ok, handled))
        return value;

    ok = true;
    name = name.toUpper();

    if (arguments.size() == 1) {
        const double x = arguments.at(0);
        const auto& table = UnaryFunctions();
        const auto entry = table.constFind(name);
        if (entry == table.constEnd() || !std::isfinite(x)) {
            ok = false;
            return 0.0;
        }
        if (entry->accepts && !entry->accepts(x)) {
            ok = false;
            return 0.0;
        }
        const double result = entry->apply(x);
        // EXP is the one function whose overflow fails the call; the others
        // return what the C library gives.
        if (name == QLatin1String("EXP") && !std::isfinite(result)) {
            ok = false;
            return 0.0;
        }
        return result;
    }

    if (arguments.size() == 2) {
        const double first = arguments.at(0);
        const double second = arguments.at(1);
        if (name == QLatin1String("ROUND"))
            return RoundToPlaces(first, second, ok);
        if (name == QLatin1String("ATAN2")) {
            if (!std::isfinite(first) || !std::isfinite(second)) {
                ok = false;
                return 0.0;
            }
            return std::atan2(first, second);
        }
        if (name == QLatin1String("GCD"))
            return GcdOrLcm(false, first, second, ok);
        if (name == QLatin1String("LCM"))
            return GcdOrLcm(true, first, second, ok);
    }

    ok = false;
    return 0.0;
}
