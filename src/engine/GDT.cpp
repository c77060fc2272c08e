#include "pad/mainwindow.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

// Each function receives exactly its number of finite arguments and clears ok
// when they lie outside its domain.

double DiametralPosition(const QList<double>& arguments, bool&)
{
    return 2 * std::hypot(arguments[0], arguments[1]);
}

double RadialDeviation(const QList<double>& arguments, bool&)
{
    return std::hypot(arguments[0], arguments[1]);
}

double Position3D(const QList<double>& arguments, bool&)
{
    const double dx = arguments[0];
    const double dy = arguments[1];
    const double dz = arguments[2];
    return 2 * std::sqrt(dx * dx + dy * dy + dz * dz);
}

double CoordinateDeviation(const QList<double>& arguments, bool&)
{
    return arguments[0] - arguments[1];
}

double SizeDeparture(const QList<double>& arguments, bool&)
{
    return std::abs(arguments[0] - arguments[1]);
}

double TotalTolerance(const QList<double>& arguments, bool& ok)
{
    const double statedTolerance = arguments[0];
    const double bonusTolerance = arguments[1];
    if (statedTolerance < 0 || bonusTolerance < 0) {
        ok = false;
        return 0.0;
    }
    return statedTolerance + bonusTolerance;
}

double PositionAllowance(const QList<double>& arguments, bool& ok)
{
    const double statedTolerance = arguments[0];
    if (statedTolerance < 0) {
        ok = false;
        return 0.0;
    }
    return statedTolerance + std::abs(arguments[1] - arguments[2]);
}

// A boundary that lies inside the size: both non-negative, and the tolerance
// cannot take away more than the size holds.
double SubtractingRule(const QList<double>& arguments, bool& ok)
{
    const double size = arguments[0];
    const double tolerance = arguments[1];
    if (size < 0 || tolerance < 0 || tolerance > size) {
        ok = false;
        return 0.0;
    }
    return size - tolerance;
}

double AddingRule(const QList<double>& arguments, bool& ok)
{
    const double size = arguments[0];
    const double tolerance = arguments[1];
    if (size < 0 || tolerance < 0) {
        ok = false;
        return 0.0;
    }
    return size + tolerance;
}

// With fixed fasteners the clearance is shared between the two parts.
double FixedFastener(const QList<double>& arguments, bool& ok)
{
    return SubtractingRule(arguments, ok) * 0.5;
}

double PositionMargin(const QList<double>& arguments, bool& ok)
{
    const double allowedPosition = arguments[0];
    const double actualPosition = arguments[1];
    if (allowedPosition < 0 || actualPosition < 0) {
        ok = false;
        return 0.0;
    }
    return allowedPosition - actualPosition;
}

double PositionUtilisation(const QList<double>& arguments, bool& ok)
{
    const double actualPosition = arguments[0];
    const double allowedPosition = arguments[1];
    if (actualPosition < 0 || allowedPosition <= 0) {
        ok = false;
        return 0.0;
    }
    return actualPosition / allowedPosition * 100;
}

struct GDTFunction
{
    qsizetype argumentCount;
    double (*evaluate)(const QList<double>& arguments, bool& ok);
};

const QHash<QString, GDTFunction>& GDTFunctions()
{
    static const QHash<QString, GDTFunction> functions = {
        {QStringLiteral("POSITION"), {2, &DiametralPosition}},
        {QStringLiteral("TRUEPOSITION"), {2, &DiametralPosition}},
        {QStringLiteral("DIAMETRALDEV"), {2, &DiametralPosition}},
        {QStringLiteral("RADIALDEV"), {2, &RadialDeviation}},
        {QStringLiteral("POSITION3D"), {3, &Position3D}},
        {QStringLiteral("COORDDEV"), {2, &CoordinateDeviation}},
        {QStringLiteral("BONUSTOL"), {2, &SizeDeparture}},
        {QStringLiteral("TOTALTOL"), {2, &TotalTolerance}},
        {QStringLiteral("POSITIONALLOW"), {3, &PositionAllowance}},
        {QStringLiteral("ZEROTOLMMC"), {2, &SizeDeparture}},
        {QStringLiteral("VCINTERNAL"), {2, &SubtractingRule}},
        {QStringLiteral("VCEXTERNAL"), {2, &AddingRule}},
        {QStringLiteral("RCINTERNAL"), {2, &AddingRule}},
        {QStringLiteral("RCEXTERNAL"), {2, &SubtractingRule}},
        {QStringLiteral("BOUNDARYINTERNAL"), {2, &SubtractingRule}},
        {QStringLiteral("BOUNDARYEXTERNAL"), {2, &AddingRule}},
        {QStringLiteral("FLOATINGFASTENER"), {2, &SubtractingRule}},
        {QStringLiteral("FIXEDFASTENER"), {2, &FixedFastener}},
        {QStringLiteral("POSITIONMARGIN"), {2, &PositionMargin}},
        {QStringLiteral("POSITIONUTIL"), {2, &PositionUtilisation}},
    };
    return functions;
}

} // namespace

double MainWindow::RunGDTFunction(QString name, QList<double> arguments, bool& ok, bool& handled)
{
    ok = true;
    handled = true;

    const auto& functions = GDTFunctions();
    const auto found = functions.constFind(name.toUpper());
    if (found == functions.cend()) {
        handled = false;
        return 0.0;
    }
    const GDTFunction& function = found.value();
    if (arguments.size() != function.argumentCount
        || !std::all_of(arguments.cbegin(), arguments.cend(), [](double value) { return std::isfinite(value); })) {
        ok = false;
        return 0.0;
    }
    const double result = function.evaluate(arguments, ok);
    return ok ? result : 0.0;
}
