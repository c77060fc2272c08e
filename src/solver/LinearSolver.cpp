// The exact linear solver measures each equation's coefficients by
// evaluating it at probe points, checks once more that it is linear and
// reduces the system by Gauss-Jordan elimination.

#include "pad/mainwindow.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double LinearityTolerance = 1e-9;
constexpr double RelativePivotTolerance = 1e-12;
constexpr double ResidualTolerance = 1e-8;
constexpr double SingularPivot = 1e-15;

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

} // namespace

bool MainWindow::GetLinearEquationRow(const QString& equation, const QList<QString>& names, QList<double>& coefficients,
                                      double& constant)
{
    coefficients.clear();
    const int n = int(names.size());
    QList<double> point(n, 0.0);
    bool ok = false;
    constant = EvaluateSystemEquation(equation, names, point, ok);
    if (!ok)
        return false;
    for (int j = 0; j < n; ++j) {
        point[j] = 1.0;
        const double value = EvaluateSystemEquation(equation, names, point, ok);
        point[j] = 0.0;
        if (!ok)
            return false;
        coefficients.append(value - constant);
    }

    // A point where no product or power of unknowns can pass for linear.
    for (int j = 0; j < n; ++j)
        point[j] = 0.625 * j + 1.75;
    const double actual = EvaluateSystemEquation(equation, names, point, ok);
    if (!ok)
        return false;
    double prediction = constant;
    for (int j = 0; j < n; ++j)
        prediction += coefficients.at(j) * point.at(j);
    const double scale = std::max({std::abs(prediction), std::abs(actual), 1.0});
    return std::abs(actual - prediction) <= LinearityTolerance * scale;
}

bool MainWindow::SolveLinearEquationSystem(const QList<QString>& equations, QList<QString>& names,
                                           QList<double>& values, bool& underdetermined)
{
    names.clear();
    values.clear();
    underdetermined = false;
    if (equations.isEmpty() || !FindEquationSystemVariables(equations, names))
        return false;
    const int n = int(names.size());
    const int m = int(equations.size());

    QList<QList<double>> rows;
    rows.reserve(m);
    for (const QString& equation : equations) {
        QList<double> row;
        double constant = 0.0;
        if (!GetLinearEquationRow(equation, names, row, constant))
            return false;
        row.append(-constant);
        rows.append(row);
    }

    // Scaled by the data, right-hand sides included: coefficients near 1e6
    // carry rounding near 1e-6.
    double largestEntry = 1.0;
    for (const QList<double>& row : rows) {
        for (const double entry : row)
            largestEntry = std::max(largestEntry, std::abs(entry));
    }
    const double tolerance = RelativePivotTolerance * largestEntry;

    QList<int> pivotColumns;
    int prow = 0;
    for (int col = 0; col < n && prow < m; ++col) {
        double largest = 0.0;
        const int candidate = FindPivotRow(rows, col, prow, largest);
        if (candidate < 0 || largest <= tolerance)
            continue; // a free unknown
        if (candidate != prow)
            rows.swapItemsAt(candidate, prow);
        QList<double>& pivotRow = rows[prow];
        const double pivot = pivotRow.at(col);
        for (double& entry : pivotRow)
            entry /= pivot;
        for (int r = 0; r < m; ++r) {
            if (r == prow)
                continue;
            const double factor = rows.at(r).at(col);
            if (std::abs(factor) <= tolerance)
                continue;
            QList<double>& row = rows[r];
            for (int k = 0; k <= n; ++k)
                row[k] -= factor * rows.at(prow).at(k);
        }
        pivotColumns.append(col);
        ++prow;
    }

    for (const QList<double>& row : rows) {
        const auto negligible = [tolerance](double entry) { return std::abs(entry) <= tolerance; };
        const bool noCoefficients = std::all_of(row.cbegin(), row.cbegin() + n, negligible);
        if (noCoefficients && std::abs(row.at(n)) > tolerance)
            return false; // 0 = nonzero: inconsistent
    }
    underdetermined = pivotColumns.size() < n;

    values = QList<double>(n, 0.0);
    for (int k = 0; k < pivotColumns.size(); ++k)
        values[pivotColumns.at(k)] = rows.at(k).at(n);

    for (const QString& equation : equations) {
        bool ok = false;
        const double residual = EvaluateSystemEquation(equation, names, values, ok);
        if (!ok || std::abs(residual) > ResidualTolerance)
            return false;
    }
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

    for (int c = 0; c < n; ++c) {
        double largest = 0.0;
        const int p = FindPivotRow(matrix, c, c, largest);
        if (p < 0 || largest < SingularPivot)
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
