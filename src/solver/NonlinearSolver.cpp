// The nonlinear solver: damped Gauss-Newton with a numerical Jacobian and a
// backtracking line search, restarted from a fixed endless sequence of
// starting points. It keeps the window alive by processing events every
// 100 ms; typing in the pad (or closing the window) ends it with the best
// point seen so far.

#include "pad/mainwindow.h"
#include "solver/SolveIterationLimit.h"
#include "solver/SolvePoll.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double InitialDamping = 0.001;
constexpr double SmallestDamping = 1e-12;
constexpr double LargestDamping = 1e12;
constexpr int IterationsPerStart = 400;
constexpr double ConvergenceTolerance = 1e-12;
constexpr double JacobianStep = 1e-6;
constexpr int LineSearchTrials = 16;
constexpr double StartScales[] = {1.0, 5.0, 10.0, 100.0};
constexpr double SnapDistance = 1e-9;

int iterationLimit = 0;

double LargestMagnitude(const QList<double>& values)
{
    double largest = 0.0;
    for (const double value : values)
        largest = std::max(largest, std::abs(value));
    return largest;
}

// Start 0 is the origin; later starts spread over scales 5, 10, 100, 1, ...
QList<double> StartingPoint(qint64 start, int n)
{
    QList<double> x(n, 0.0);
    if (start == 0)
        return x;
    const double scale = StartScales[start % 4];
    for (int i = 0; i < n; ++i)
        x[i] = scale * std::sin(double(start + 1) * double(i + 2));
    return x;
}

// True when no component of the step moves its value by more than a few
// units in the last place.
bool StepIsRounding(const QList<double>& x, const QList<double>& step)
{
    for (qsizetype j = 0; j < x.size(); ++j) {
        const double magnitude = std::abs(x.at(j));
        const double unit = std::nextafter(magnitude, HUGE_VAL) - magnitude;
        if (std::abs(step.at(j)) > 4.0 * unit)
            return false;
    }
    return true;
}

// value rounded to the decimal place above the leading digit of
// uncertainty: 0.122999061 with 9.4e-7 left is 0.12300.
double RoundedAbove(double value, double uncertainty)
{
    if (!(uncertainty > 0.0) || !std::isfinite(uncertainty))
        return value;
    const double place = std::pow(10.0, std::floor(std::log10(uncertainty)) + 1.0);
    const double rounded = std::round(value / place) * place;
    return std::isfinite(rounded) ? rounded : value;
}

} // namespace

void SetSolveIterationLimit(int iterations)
{
    iterationLimit = std::max(0, iterations);
}

bool MainWindow::SolveNonlinearEquationSystem(const QList<QString>& equations, QList<QString>& names,
                                              QList<double>& values)
{
    names.clear();
    values.clear();
    solveApproximate = false;
    SolvePoll poll(*this, solveCancelRequested);
    bool haveBest = false;
    QList<double> best;
    double bestSum = 0.0;

    if (!FindEquationSystemVariables(equations, names) || names.isEmpty())
        return false;
    const int n = int(names.size());
    const int m = int(equations.size());

    auto noteCandidate = [&](const QList<double>& point, double sum) {
        if (!haveBest || sum < bestSum) {
            best = point;
            bestSum = sum;
            haveBest = true;
        }
    };
    // True when the user asked to stop: the caller returns finishCancelled().
    // Polled between evaluations as well as between iterations, so that a
    // system of many unknowns or slow equations still stops when typed at.
    auto pollCancelled = [&]() { return poll.Cancelled(); };
    auto finishCancelled = [&]() {
        solveCancelled = true;
        if (!haveBest) {
            names.clear();
            values.clear();
            return false;
        }
        values = best;
        solveApproximate = true;
        return true;
    };

    QList<double> trialResiduals;
    // Rounds each value to the digits its remaining step leaves certain,
    // then shows whole numbers whole where they still solve.
    auto finishConverged = [&](QList<double> point, const QList<double>& uncertainty) {
        for (qsizetype j = 0; j < uncertainty.size() && j < point.size(); ++j)
            point[j] = RoundedAbove(point.at(j), std::abs(uncertainty.at(j)));
        QList<double> snapped = point;
        for (double& v : snapped) {
            const double whole = std::round(v);
            if (std::abs(v - whole) < SnapDistance)
                v = whole;
        }
        double snappedSum = 0.0;
        const bool snappedOk = EvaluateNonlinearSystem(equations, names, snapped, trialResiduals, snappedSum);
        values = snappedOk && LargestMagnitude(trialResiduals) < ConvergenceTolerance ? snapped : point;
        return true;
    };

    QList<double> residuals;
    QList<double> plusResiduals;
    QList<double> minusResiduals;
    QList<QList<double>> jacobian(m, QList<double>(n, 0.0));

    qint64 iterations = 0;
    for (qint64 start = 0;; ++start) {
        QList<double> x = StartingPoint(start, n);
        double damping = InitialDamping;
        for (int iteration = 0; iteration < IterationsPerStart; ++iteration) {
            // A caller's iteration limit ends the solve as typing would, but
            // at once, so the same input always costs the same.
            if (iterationLimit > 0 && ++iterations > iterationLimit) {
                solveCancelRequested = true;
                return finishCancelled();
            }
            if (pollCancelled())
                return finishCancelled();

            double sum = 0.0;
            if (!EvaluateNonlinearSystem(equations, names, x, residuals, sum))
                break;
            noteCandidate(x, sum);
            // A small residual alone is no answer: near a double root
            // (x - 0.123)^2 is below 1e-12 a millionth away from it. The
            // iteration goes on until its step no longer moves x.
            const bool small = LargestMagnitude(residuals) < ConvergenceTolerance;
            if (LargestMagnitude(residuals) == 0.0)
                return finishConverged(x, {});

            bool columnsOk = true;
            for (int j = 0; j < n && columnsOk; ++j) {
                if (pollCancelled())
                    return finishCancelled();
                const double h = (std::abs(x.at(j)) + 1.0) * JacobianStep;
                QList<double> shifted = x;
                double ignored = 0.0;
                shifted[j] = x.at(j) + h;
                const bool plusOk = EvaluateNonlinearSystem(equations, names, shifted, plusResiduals, ignored);
                shifted[j] = x.at(j) - h;
                const bool minusOk = EvaluateNonlinearSystem(equations, names, shifted, minusResiduals, ignored);
                for (int k = 0; k < m; ++k) {
                    double derivative = 0.0;
                    if (plusOk && minusOk)
                        derivative = (plusResiduals.at(k) - minusResiduals.at(k)) / (2.0 * h);
                    else if (plusOk)
                        derivative = (plusResiduals.at(k) - residuals.at(k)) / h;
                    else if (minusOk)
                        derivative = (residuals.at(k) - minusResiduals.at(k)) / h;
                    jacobian[k][j] = derivative;
                }
                columnsOk = plusOk || minusOk;
            }
            if (!columnsOk)
                break;

            QList<QList<double>> normal(n, QList<double>(n, 0.0));
            QList<double> gradient(n, 0.0);
            for (int k = 0; k < m; ++k) {
                const QList<double>& row = jacobian.at(k);
                for (int j = 0; j < n; ++j) {
                    gradient[j] -= row.at(j) * residuals.at(k);
                    for (int l = 0; l < n; ++l)
                        normal[j][l] += row.at(j) * row.at(l);
                }
            }
            QList<double> step;
            const bool plainStep = SolveNumericLinearSystem(normal, gradient, step);
            if (!plainStep) {
                // Damping enters only when the plain step cannot be solved.
                QList<QList<double>> damped = normal;
                for (int j = 0; j < n; ++j)
                    damped[j][j] += damping;
                if (!SolveNumericLinearSystem(damped, gradient, step)) {
                    damping *= 10.0;
                    if (damping > LargestDamping)
                        break;
                    continue;
                }
            }

            if (small && plainStep && StepIsRounding(x, step))
                return finishConverged(x, {});
            if (small && !plainStep) {
                // A singular Jacobian at a small residual is a double root or
                // a tangent, where the error goes as the root of the residual.
                const double error = std::sqrt(LargestMagnitude(residuals));
                return finishConverged(x, QList<double>(n, error));
            }

            bool accepted = false;
            double factor = 1.0;
            QList<double> trial(n, 0.0);
            for (int attempt = 0; attempt < LineSearchTrials && !accepted; ++attempt, factor *= 0.5) {
                if (pollCancelled())
                    return finishCancelled();
                for (int j = 0; j < n; ++j)
                    trial[j] = x.at(j) + factor * step.at(j);
                double trialSum = 0.0;
                if (!EvaluateNonlinearSystem(equations, names, trial, trialResiduals, trialSum))
                    continue;
                noteCandidate(trial, trialSum);
                accepted = trialSum < sum;
            }
            if (accepted) {
                x = trial;
                damping = std::max(damping / 10.0, SmallestDamping);
            } else if (small) {
                // The residual stopped falling: only the digits above the
                // step it still asks for have converged.
                return finishConverged(x, step);
            } else {
                damping *= 10.0;
                if (damping > LargestDamping)
                    break;
            }
        }
    }
}
