// The single-unknown root search: a fixed grid over growing symmetric
// ranges, bisecting the first sign change it meets down to neighbouring
// doubles. Bounded, so it runs on the GUI thread without progress or cancel.

#include "pad/mainwindow.h"
#include "solver/SolvePoll.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double ScanRanges[] = {10.0, 100.0, 1000.0, 10000.0, 1000000.0};
constexpr int GridIntervals = 400;
// Enough to narrow any bracket of finite doubles to two neighbours.
constexpr int Bisections = 2200;
constexpr double RootTolerance = 1e-8;
// Below this a residual is rounding whatever the sides' size.
constexpr double ResidualFloor = 1e-15;

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

// A residual that is rounding against the size of the equation's sides.
bool NegligibleResidual(double residual, double left, double right)
{
    const double scale = std::max(std::abs(left), std::abs(right));
    return std::abs(residual) <= RootTolerance * scale || std::abs(residual) <= ResidualFloor;
}

} // namespace

bool MainWindow::SolveSingleVariableEquation(const QString& equation, QString& variable, double& value)
{
    QString lhs;
    QString rhs;
    if (!ParseSingleVariableEquation(equation, lhs, rhs, variable))
        return false;

    // Inside the handler typing cancels the search: once it has, no point
    // evaluates, so the scan runs out at once.
    std::optional<SolvePoll> poll;
    if (solveRunning)
        poll.emplace(*this, solveCancelRequested);
    auto residualAt = [&](double x) {
        Sample sample;
        sample.x = x;
        if (poll && !solveCancelled && poll->Cancelled())
            solveCancelled = true;
        if (!poll || !solveCancelled)
            sample.residual = EvaluateEquationAt(lhs, rhs, variable, x, sample.ok);
        return sample;
    };
    auto negligibleAt = [&](double x, double& residual) {
        double left = 0.0;
        double right = 0.0;
        bool ok = false;
        residual = EvaluateSystemEquationSides(equation, {variable}, {x}, left, right, ok);
        return ok && NegligibleResidual(residual, left, right);
    };
    // The better of a and b: the smaller residual that evaluates.
    auto better = [](const Sample& a, const Sample& b) {
        if (!b.ok)
            return a;
        if (!a.ok)
            return b;
        return std::abs(b.residual) < std::abs(a.residual) ? b : a;
    };
    // Of a pair of mirrored roots (x^2 = 4) the positive one is reported.
    auto pickRoot = [&](const Sample& root) {
        if (root.x >= 0.0)
            return root.x;
        const Sample mirror = residualAt(-root.x);
        if (!mirror.ok)
            return root.x;
        if (std::abs(mirror.residual) <= std::abs(root.residual))
            return -root.x;
        double residual = 0.0;
        return negligibleAt(-root.x, residual) ? -root.x : root.x;
    };
    // Bisects [lo, hi] down to neighbouring doubles and takes the closer of
    // them or of the secant point between them. A sign change across a pole
    // narrows to residuals that grow; a root's shrink below the bracket's.
    auto bisect = [&](Sample lo, Sample hi, Sample& root) {
        const double bound = std::min(std::abs(lo.residual), std::abs(hi.residual));
        for (int remaining = Bisections; remaining > 0; --remaining) {
            const double mid = lo.x + (hi.x - lo.x) * 0.5;
            if (mid == lo.x || mid == hi.x)
                break;
            const Sample middle = residualAt(mid);
            if (!middle.ok)
                return false;
            if (middle.residual == 0.0) {
                root = middle;
                return true;
            }
            if (OppositeSigns(middle.residual, lo.residual))
                hi = middle;
            else
                lo = middle;
        }
        // Where the line through the two ends crosses zero says which end is
        // nearer the root; a point strictly between them is tried as well.
        Sample best = better(lo, hi);
        const double denominator = hi.residual - lo.residual;
        if (denominator != 0.0 && lo.ok && hi.ok) {
            const double fraction = -lo.residual / denominator;
            // An even split is rounding on both sides; a power's root (x^2 = 2)
            // then lies nearer the end farther from zero.
            if (fraction == 0.5)
                best = std::abs(lo.x) > std::abs(hi.x) ? lo : hi;
            else if (fraction >= 0.0 && fraction <= 1.0)
                best = fraction < 0.5 ? lo : hi;
            const double secant = lo.x + fraction * (hi.x - lo.x);
            if (secant > std::min(lo.x, hi.x) && secant < std::max(lo.x, hi.x))
                best = better(best, residualAt(secant));
        }
        if (std::abs(best.residual) > bound)
            return false;
        root = best;
        return true;
    };

    const Sample origin = residualAt(0.0);
    if (origin.ok && origin.residual == 0.0) {
        value = 0.0;
        return true;
    }
    Sample ends[2];
    Sample insideEnds[2];
    for (const double range : ScanRanges) {
        // -R is only ever the left end of a bracket, never a hit.
        Sample previous = residualAt(-range);
        ends[0] = previous;
        for (int i = 1; i <= GridIntervals; ++i) {
            const Sample current = residualAt((i * (2.0 * range)) / GridIntervals - range);
            if (i == 1)
                insideEnds[0] = current;
            if (i == GridIntervals - 1)
                insideEnds[1] = current;
            if (current.ok && current.residual == 0.0) {
                value = pickRoot(current);
                return true;
            }
            Sample root;
            if (current.ok && previous.ok && OppositeSigns(previous.residual, current.residual)
                && bisect(previous, current, root)) {
                value = pickRoot(root);
                return true;
            }
            previous = current;
        }
        ends[1] = previous;
    }

    // Beyond the last range, on a side where the residual still shrinks
    // towards it (1/x = 1e-7), follow it outwards by doubling.
    for (int side = 1; side >= 0; --side) {
        Sample previous = ends[side];
        if (!previous.ok || !insideEnds[side].ok || std::abs(previous.residual) >= std::abs(insideEnds[side].residual))
            continue;
        if (previous.residual == 0.0) {
            value = pickRoot(previous);
            return true;
        }
        for (double x = previous.x * 2.0; std::abs(x) <= std::numeric_limits<double>::max(); x *= 2.0) {
            const Sample current = residualAt(x);
            if (!current.ok)
                break;
            if (current.residual == 0.0) {
                value = pickRoot(current);
                return true;
            }
            Sample root;
            if (OppositeSigns(previous.residual, current.residual)) {
                if (bisect(previous, current, root)) {
                    value = pickRoot(root);
                    return true;
                }
                break;
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
        if (solveRunning && solveCancelled)
            return false;
        QString variable;
        double candidate = 0.0;
        if (!SolveSingleVariableEquation(equation, variable, candidate)
            || variable.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        bool accepted = true;
        for (const QString& check : equations) {
            bool ok = false;
            double left = 0.0;
            double right = 0.0;
            const double residual = EvaluateSystemEquationSides(check, found, {candidate}, left, right, ok);
            if (!ok || !NegligibleResidual(residual, left, right)) {
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
