// The single-unknown root search: a fixed grid over growing symmetric
// ranges, bisecting the first sign change it meets. Bounded, so it runs on
// the GUI thread without progress or cancel.

#include "pad/mainwindow.h"

#include <cmath>

namespace {

constexpr double ScanRanges[] = {10.0, 100.0, 1000.0, 10000.0, 1000000.0};
constexpr int GridIntervals = 400;
constexpr int Bisections = 100;
constexpr double HitTolerance = 1e-10;
constexpr double BisectionEndTolerance = 1e-12;
constexpr double RootTolerance = 1e-8;

struct Sample
{
    double x = 0.0;
    double residual = 0.0;
    bool ok = false;
};

bool OppositeSigns(double a, double b)
{
    return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0);
}

} // namespace

bool MainWindow::SolveSingleVariableEquation(const QString& equation, QString& variable, double& value)
{
    QString lhs;
    QString rhs;
    if (!ParseSingleVariableEquation(equation, lhs, rhs, variable))
        return false;

    auto residualAt = [&](double x) {
        Sample sample;
        sample.x = x;
        sample.residual = EvaluateEquationAt(lhs, rhs, variable, x, sample.ok);
        return sample;
    };
    // Of a pair of mirrored roots (x^2 = 4) the positive one is reported.
    auto pickRoot = [&](double root) {
        if (root >= 0.0)
            return root;
        const Sample mirror = residualAt(-root);
        return mirror.ok && std::abs(mirror.residual) < RootTolerance ? -root : root;
    };
    // Bisects [lo, hi]; true with the root in root.
    auto bisect = [&](Sample lo, double hi, double& root) {
        double mid = 0.0;
        for (int remaining = Bisections;;) {
            mid = (lo.x + hi) * 0.5;
            const Sample middle = residualAt(mid);
            if (!middle.ok)
                break;
            if (std::abs(middle.residual) < BisectionEndTolerance) {
                root = mid;
                return true;
            }
            if (OppositeSigns(middle.residual, lo.residual))
                hi = mid;
            else
                lo = middle;
            if (--remaining == 0) {
                mid = (lo.x + hi) * 0.5;
                break;
            }
        }
        const Sample last = residualAt(mid);
        if (last.ok && std::abs(last.residual) < RootTolerance) {
            root = mid;
            return true;
        }
        return false;
    };

    const Sample origin = residualAt(0.0);
    if (origin.ok && std::abs(origin.residual) < HitTolerance) {
        value = 0.0;
        return true;
    }
    for (const double range : ScanRanges) {
        // -R is only ever the left end of a bracket, never a hit.
        Sample previous = residualAt(-range);
        for (int i = 1; i <= GridIntervals; ++i) {
            const Sample current = residualAt((i * (2.0 * range)) / GridIntervals - range);
            if (current.ok && std::abs(current.residual) < HitTolerance) {
                value = pickRoot(current.x);
                return true;
            }
            double root = 0.0;
            if (current.ok && previous.ok && OppositeSigns(previous.residual, current.residual)
                && bisect(previous, current.x, root)) {
                value = pickRoot(root);
                return true;
            }
            previous = current;
        }
    }
    return false;
}

bool MainWindow::SolveSingleVariableEquationBlock(const QList<QString>& equations, QList<QString>& names,
                                                  QList<double>& values)
{
    names.clear();
    values.clear();
    QList<QString> found;
    if (!FindEquationSystemVariables(equations, found) || found.size() != 1)
        return false;
    const QString& name = found.first();

    for (const QString& equation : equations) {
        QString variable;
        double candidate = 0.0;
        if (!SolveSingleVariableEquation(equation, variable, candidate)
            || variable.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        bool accepted = true;
        for (const QString& check : equations) {
            bool ok = false;
            const double residual = EvaluateSystemEquation(check, found, {candidate}, ok);
            if (!ok || std::abs(residual) > RootTolerance) {
                accepted = false;
                break;
            }
        }
        if (accepted) {
            names = found;
            values = {candidate};
            return true;
        }
    }
    return false;
}
