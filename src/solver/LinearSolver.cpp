// The exact linear solver measures each equation's coefficients by
// evaluating it at probe points, checks once more that it is linear,
// eliminates with partial pivoting and refines the answer with the
// equations' own residuals.

#include "pad/mainwindow.h"
#include "solver/SolvePoll.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr double LinearityTolerance = 1e-9;
constexpr double RelativePivotTolerance = 1e-12;
constexpr double ResidualTolerance = 1e-8;
constexpr double SingularPivot = 1e-15;
constexpr int RefinementSteps = 3;
// Residuals at this level, against the size of their terms, are the
// rounding of the evaluation itself: refining cannot improve on them.
constexpr double RoundingResidual = 0x1p-51;
// Probe steps are powers of two, so that dividing by them is exact; past
// this one a product of two measured terms could overflow.
constexpr double LargestProbeStep = 0x1p500;
constexpr int ProbeTries = 16;

// Row prow with the largest magnitude in column col, the first of equal
// maxima; -1 when every candidate is zero.
int FindPivotRow(const QList<QList<double>>& rows, int col, int from, double& largest)
{
    int best = -1;
    largest = 0.0;
    for (int r = from; r < rows.size(); ++r) {
        const double magnitude = std::abs(rows.at(r).at(col));
        if (magnitude > largest) {
            largest = magnitude;
            best = r;
        }
    }
    return best;
}

// One equation as measured: its unknowns by index into the system's list,
// their coefficients, the constant, and the names and trial values to
// evaluate it with (only its own unknowns, so a long block is not written
// into every equation).
struct MeasuredRow
{
    QList<QString> names;
    QList<int> columns;
    QList<double> coefficients;
    double constant = 0.0;
};

struct Sides
{
    double residual = 0.0;
    double scale = 0.0;
    bool ok = false;
};

Sides EvaluateSides(MainWindow& window, const QString& equation, const QList<QString>& names,
                    const QList<double>& values)
{
    Sides sides;
    double left = 0.0;
    double right = 0.0;
    sides.residual = window.EvaluateSystemEquationSides(equation, names, values, left, right, sides.ok);
    sides.scale = std::max(std::abs(left), std::abs(right));
    return sides;
}

// The coefficient of unknown j over a step large enough that its change is
// not lost against the constant: 0.05x = 12 measured over a step of 1 loses
// the last digits in 0.05 - 12 + 12, and 2x = 3e20 loses the whole 2.
bool MeasureCoefficient(MainWindow& window, const QString& equation, const QList<QString>& names, QList<double>& point,
                        int j, const Sides& origin, double& coefficient, double& step)
{
    double h = 1.0;
    bool measured = false;
    for (int attempt = 0; attempt < ProbeTries; ++attempt) {
        point[j] = h;
        bool ok = false;
        const double residual = window.EvaluateSystemEquation(equation, names, point, ok);
        point[j] = 0.0;
        if (!ok)
            return measured;
        const double change = residual - origin.residual;
        coefficient = change / h;
        step = h;
        measured = true;
        // A change this large keeps all but ten bits of the coefficient;
        // refinement takes out the rest.
        const double scale = std::max(origin.scale, std::abs(residual));
        if (std::abs(change) >= 0x1p-10 * scale || h >= LargestProbeStep)
            return true;
        double growth = 0x1p40;
        if (change != 0.0)
            growth = std::clamp(4.0 * std::exp2(std::ceil(std::log2(scale / std::abs(change)))), 2.0, 0x1p60);
        h = std::min(h * growth, LargestProbeStep);
    }
    return measured;
}

bool MeasureRow(MainWindow& window, const QString& equation, const QHash<QString, int>& columnOf, MeasuredRow& row)
{
    row = MeasuredRow();
    QList<QString> own;
    if (window.FindEquationSystemVariables({equation}, own)) {
        for (const QString& name : std::as_const(own)) {
            const auto found = columnOf.constFind(name);
            if (found == columnOf.constEnd())
                continue;
            row.names.append(name);
            row.columns.append(found.value());
        }
    }
    const int k = int(row.names.size());
    QList<double> point(k, 0.0);
    const Sides origin = EvaluateSides(window, equation, row.names, point);
    if (!origin.ok)
        return false;
    row.constant = origin.residual;

    QList<double> steps(k, 1.0);
    for (int j = 0; j < k; ++j) {
        double coefficient = 0.0;
        if (!MeasureCoefficient(window, equation, row.names, point, j, origin, coefficient, steps[j]))
            return false;
        row.coefficients.append(coefficient);
    }

    // A point where no product or power of unknowns can pass for linear,
    // at the scale each unknown was measured on.
    double terms = std::abs(row.constant);
    for (int j = 0; j < k; ++j) {
        const double scale = row.coefficients.at(j) != 0.0 ? steps.at(j) : 1.0;
        point[j] = (0.625 * row.columns.at(j) + 1.75) * scale;
        terms = std::max(terms, std::abs(row.coefficients.at(j) * point.at(j)));
    }
    bool ok = false;
    const double actual = window.EvaluateSystemEquation(equation, row.names, point, ok);
    if (!ok)
        return false;
    double prediction = row.constant;
    for (int j = 0; j < k; ++j)
        prediction += row.coefficients.at(j) * point.at(j);
    const double scale = std::max({std::abs(prediction), std::abs(actual), origin.scale, terms});
    return std::abs(actual - prediction) <= LinearityTolerance * scale;
}

// Elimination with partial pivoting on rows scaled to their largest
// coefficient. Every step is recorded, so that a residual can be carried
// through the same elimination to refine the answer.
class Elimination
{
public:
    Elimination(const QList<MeasuredRow>& measured, int unknowns) : n(unknowns), m(int(measured.size()))
    {
        rows.assign(size_t(m), std::vector<double>(size_t(n) + 1, 0.0));
        rowScale.assign(size_t(m), 1.0);
        for (int i = 0; i < m; ++i) {
            const MeasuredRow& row = measured.at(i);
            double largest = 0.0;
            for (const double coefficient : row.coefficients)
                largest = std::max(largest, std::abs(coefficient));
            if (largest == 0.0)
                largest = std::abs(row.constant);
            const double scale = largest > 0.0 ? 1.0 / largest : 1.0;
            rowScale[size_t(i)] = scale;
            for (qsizetype j = 0; j < row.columns.size(); ++j)
                rows[size_t(i)][size_t(row.columns.at(j))] += row.coefficients.at(j) * scale;
            rows[size_t(i)][size_t(n)] = -row.constant * scale;
        }
    }

    // False when the rows contradict each other.
    bool Reduce()
    {
        // Zero is judged against the entries it was made from: each
        // column against its own largest entry, the right-hand sides
        // against theirs.
        std::vector<double> columnTolerance(size_t(n) + 1, 0.0);
        for (const auto& row : rows) {
            for (int j = 0; j <= n; ++j)
                columnTolerance[size_t(j)] = std::max(columnTolerance[size_t(j)], std::abs(row[size_t(j)]));
        }
        for (double& tolerance : columnTolerance)
            tolerance *= RelativePivotTolerance;

        int prow = 0;
        for (int col = 0; col < n && prow < m; ++col) {
            int candidate = -1;
            double largest = 0.0;
            for (int r = prow; r < m; ++r) {
                const double magnitude = std::abs(rows[size_t(r)][size_t(col)]);
                if (magnitude > largest) {
                    largest = magnitude;
                    candidate = r;
                }
            }
            if (candidate < 0 || largest <= columnTolerance[size_t(col)])
                continue; // a free unknown
            if (candidate != prow) {
                std::swap(rows[size_t(candidate)], rows[size_t(prow)]);
                steps.push_back({candidate, prow, 0.0, true});
            }
            const std::vector<double>& pivotRow = rows[size_t(prow)];
            const double pivot = pivotRow[size_t(col)];
            for (int r = prow + 1; r < m; ++r) {
                std::vector<double>& row = rows[size_t(r)];
                if (std::abs(row[size_t(col)]) <= columnTolerance[size_t(col)])
                    continue;
                const double factor = row[size_t(col)] / pivot;
                row[size_t(col)] = 0.0;
                for (int k = col + 1; k <= n; ++k)
                    row[size_t(k)] -= factor * pivotRow[size_t(k)];
                steps.push_back({r, prow, factor, false});
            }
            pivotColumns.push_back(col);
            ++prow;
        }

        for (int r = prow; r < m; ++r) {
            if (std::abs(rows[size_t(r)][size_t(n)]) > columnTolerance[size_t(n)])
                return false; // 0 = nonzero
        }
        return true;
    }

    bool Underdetermined() const { return int(pivotColumns.size()) < n; }

    // Solves for right-hand sides given per original row (unscaled); free
    // unknowns are 0.
    std::vector<double> Solve(std::vector<double> rhs) const
    {
        for (int i = 0; i < m; ++i)
            rhs[size_t(i)] *= rowScale[size_t(i)];
        for (const Step& step : steps) {
            if (step.swap)
                std::swap(rhs[size_t(step.target)], rhs[size_t(step.source)]);
            else
                rhs[size_t(step.target)] -= step.factor * rhs[size_t(step.source)];
        }
        std::vector<double> x(size_t(n), 0.0);
        for (int k = int(pivotColumns.size()) - 1; k >= 0; --k) {
            const std::vector<double>& row = rows[size_t(k)];
            const int col = pivotColumns[size_t(k)];
            double sum = rhs[size_t(k)];
            for (int j = col + 1; j < n; ++j) {
                if (row[size_t(j)] != 0.0)
                    sum -= row[size_t(j)] * x[size_t(j)];
            }
            x[size_t(col)] = sum / row[size_t(col)];
        }
        return x;
    }

    std::vector<double> RightHandSides() const
    {
        std::vector<double> rhs(static_cast<size_t>(m));
        for (int i = 0; i < m; ++i)
            rhs[size_t(i)] = rows[size_t(i)][size_t(n)];
        return rhs;
    }

private:
    struct Step
    {
        int target;
        int source;
        double factor;
        bool swap;
    };

    int n;
    int m;
    std::vector<std::vector<double>> rows;
    std::vector<double> rowScale;
    std::vector<Step> steps;
    std::vector<int> pivotColumns;
};

// The residuals of every equation at x, each against the size of its own
// terms there; false when one cannot be evaluated.
bool Residuals(MainWindow& window, const QList<QString>& equations, const QList<MeasuredRow>& rows,
               const std::vector<double>& x, const std::function<bool()>& cancelled, std::vector<double>& residuals,
               double& worst)
{
    worst = 0.0;
    residuals.assign(size_t(equations.size()), 0.0);
    for (int i = 0; i < equations.size(); ++i) {
        if (cancelled())
            return false;
        const MeasuredRow& row = rows.at(i);
        QList<double> values;
        values.reserve(row.columns.size());
        double terms = std::abs(row.constant);
        for (qsizetype j = 0; j < row.columns.size(); ++j) {
            const double value = x[size_t(row.columns.at(j))];
            values.append(value);
            terms += std::abs(row.coefficients.at(j) * value);
        }
        bool ok = false;
        const double residual = window.EvaluateSystemEquation(equations.at(i), row.names, values, ok);
        if (!ok)
            return false;
        residuals[size_t(i)] = residual;
        const double relative = residual == 0.0 ? 0.0 : std::abs(residual) / terms;
        worst = std::max(worst, relative);
    }
    return true;
}

// A value whose every term is below the rounding of the equations it
// stands in is what elimination leaves of a true zero: shown as it is, it
// would be noise beside the numbers that went into the solve.
void DropRoundingNoise(const QList<MeasuredRow>& rows, std::vector<double>& x)
{
    constexpr double Rounding = 8 * std::numeric_limits<double>::epsilon();
    std::vector<bool> noise(x.size(), true);
    for (const MeasuredRow& row : rows) {
        double scale = std::abs(row.constant);
        for (qsizetype j = 0; j < row.columns.size(); ++j)
            scale += std::abs(row.coefficients.at(j) * x[size_t(row.columns.at(j))]);
        for (qsizetype j = 0; j < row.columns.size(); ++j) {
            const size_t column = size_t(row.columns.at(j));
            if (std::abs(row.coefficients.at(j) * x[column]) > Rounding * scale)
                noise[column] = false;
        }
    }
    for (size_t j = 0; j < x.size(); ++j) {
        if (noise[j])
            x[j] = 0.0;
    }
}

} // namespace

bool MainWindow::GetLinearEquationRow(const QString& equation, const QList<QString>& names, QList<double>& coefficients,
                                      double& constant)
{
    coefficients.clear();
    QHash<QString, int> columnOf;
    for (int j = 0; j < names.size(); ++j)
        columnOf.insert(names.at(j), j);
    MeasuredRow row;
    const bool linear = MeasureRow(*this, equation, columnOf, row);
    constant = row.constant;
    coefficients = QList<double>(names.size(), 0.0);
    for (qsizetype j = 0; j < row.columns.size(); ++j)
        coefficients[row.columns.at(j)] = row.coefficients.at(j);
    return linear;
}

bool MainWindow::SolveLinearEquationSystem(const QList<QString>& equations, QList<QString>& names,
                                           QList<double>& values, bool& underdetermined, bool* inconsistent)
{
    names.clear();
    values.clear();
    underdetermined = false;
    if (inconsistent)
        *inconsistent = false;
    if (equations.isEmpty() || !FindEquationSystemVariables(equations, names))
        return false;
    const int n = int(names.size());
    QHash<QString, int> columnOf;
    for (int j = 0; j < n; ++j)
        columnOf.insert(names.at(j), j);

    // Only a solve that the handler runs can be cancelled by typing.
    std::optional<SolvePoll> poll;
    if (solveRunning)
        poll.emplace(*this, solveCancelRequested);
    const std::function<bool()> cancelled = [&]() {
        if (!poll || !poll->Cancelled())
            return false;
        solveCancelled = true;
        return true;
    };

    QList<MeasuredRow> rows;
    rows.reserve(equations.size());
    for (const QString& equation : equations) {
        if (cancelled())
            return false;
        MeasuredRow row;
        if (!MeasureRow(*this, equation, columnOf, row))
            return false;
        rows.append(row);
    }

    Elimination elimination(rows, n);
    if (!elimination.Reduce()) {
        if (inconsistent)
            *inconsistent = true;
        return false;
    }
    underdetermined = elimination.Underdetermined();

    // The measured coefficients carry rounding; the equations' own
    // residuals, carried through the same elimination, take it out.
    std::vector<double> x = elimination.Solve(elimination.RightHandSides());
    std::vector<double> residuals;
    double worst = 0.0;
    if (!Residuals(*this, equations, rows, x, cancelled, residuals, worst))
        return false;
    for (int step = 0; step < RefinementSteps && worst > RoundingResidual; ++step) {
        for (double& residual : residuals)
            residual = -residual;
        const std::vector<double> correction = elimination.Solve(residuals);
        std::vector<double> trial = x;
        for (int j = 0; j < n; ++j)
            trial[size_t(j)] += correction[size_t(j)];
        std::vector<double> trialResiduals;
        double trialWorst = 0.0;
        if (!Residuals(*this, equations, rows, trial, cancelled, trialResiduals, trialWorst) || trialWorst >= worst)
            break;
        x = std::move(trial);
        residuals = std::move(trialResiduals);
        worst = trialWorst;
    }
    if (worst > ResidualTolerance)
        return false;
    DropRoundingNoise(rows, x);
    values = QList<double>(x.cbegin(), x.cend());
    return true;
}

bool MainWindow::SolveNumericLinearSystem(QList<QList<double>> matrix, QList<double> rhs, QList<double>& solution)
{
    solution.clear();
    const int n = int(matrix.size());
    if (n == 0 || rhs.size() != n)
        return false;
    for (int i = 0; i < n; ++i) {
        if (matrix.at(i).size() != n)
            return false;
        matrix[i].append(rhs.at(i));
    }

    // Singular against the matrix's own scale when that is below 1: a
    // normal matrix near a double root holds squares of small derivatives.
    double scale = 0.0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            scale = std::max(scale, std::abs(matrix.at(i).at(j)));
    }
    for (int c = 0; c < n; ++c) {
        double largest = 0.0;
        const int p = FindPivotRow(matrix, c, c, largest);
        if (p < 0 || largest < SingularPivot * std::min(scale, 1.0))
            return false;
        if (p != c)
            matrix.swapItemsAt(p, c);
        QList<double>& pivotRow = matrix[c];
        const double pivot = pivotRow.at(c);
        for (int k = c; k <= n; ++k)
            pivotRow[k] /= pivot;
        for (int r = 0; r < n; ++r) {
            if (r == c)
                continue;
            const double factor = matrix.at(r).at(c);
            QList<double>& row = matrix[r];
            for (int k = c; k <= n; ++k)
                row[k] -= factor * matrix.at(c).at(k);
        }
    }

    solution.reserve(n);
    for (int i = 0; i < n; ++i) {
        const double value = matrix.at(i).at(n);
        if (!std::isfinite(value)) {
            solution.clear();
            return false;
        }
        solution.append(value);
    }
    return true;
}
