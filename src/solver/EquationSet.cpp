// The equation-set handler: tries the exact linear solver, the root search
// and the nonlinear solver in turn and writes the answer, or after a
// cancelled solve the approximate-answer report, into the pad.

#include "pad/mainwindow.h"
#include "solver/Residuals.h"
#include "pad/PadReplies.h"

#include <QTextCursor>

#include <cmath>

namespace {

constexpr int TidyingPasses = 13;

// The fewest decimals that do not make the fit measurably worse: each pass
// rounds afresh to one more decimal, and the first whose sum of squares
// holds is kept.
QList<double> TidyApproximateValues(MainWindow& window, const QList<QString>& equations, const QList<QString>& names,
                                    const QList<double>& values)
{
    QList<double> residuals;
    double sum = 0.0;
    if (!window.EvaluateNonlinearSystem(equations, names, values, residuals, sum))
        return values;
    for (int decimals = 0; decimals < TidyingPasses; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        QList<double> trial = values;
        bool changed = false;
        for (double& v : trial) {
            const double rounded = std::round(v * scale) / scale;
            if (rounded != v && std::abs(v - rounded) <= (std::abs(v) + 1.0) * 1e-9) {
                v = rounded;
                changed = true;
            }
        }
        double trialSum = 0.0;
        if (changed && window.EvaluateNonlinearSystem(equations, names, trial, residuals, trialSum)
            && trialSum <= sum + (std::abs(sum) + 1.0) * 1e-12)
            return trial;
    }
    return values;
}

void InsertAnswerLines(MainWindow& window, QTextCursor& cursor, const QList<QString>& names,
                       const QList<double>& values)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        InsertReplyText(
            cursor, names.at(i) + QStringLiteral(" = ") + window.FormatAnswer(values.at(i)) + QLatin1Char('\n'), true);
}

void InsertApproximateReport(MainWindow& window, QTextCursor& cursor, const QList<QString>& equations,
                             const QList<QString>& names, const QList<double>& values)
{
    InsertReplyText(cursor, QStringLiteral("Approximate Answer\n\n"), true);
    InsertAnswerLines(window, cursor, names, values);
    InsertReplyText(cursor, QStringLiteral("\nNo exact solution was found before solving stopped.\n\n"), false);

    int shown = 0;
    double largestError = 0.0;
    double squaredErrors = 0.0;
    for (qsizetype i = 0; i < equations.size(); ++i) {
        double left = 0.0;
        double right = 0.0;
        bool ok = false;
        const double difference = window.EvaluateSystemEquationSides(equations.at(i), names, values, left, right, ok);
        if (!ok)
            continue;
        ++shown;
        largestError = std::max(largestError, std::abs(difference));
        squaredErrors += difference * difference;
        const QString sign = difference > 0.0 ? QStringLiteral("+") : QString();
        const QString differenceText = sign + window.FormatAnswer(difference);
        InsertReplyText(cursor, QStringLiteral("Equation ") + QString::number(i + 1) + QStringLiteral(":\n"), true);
        InsertReplyText(cursor, equations.at(i) + QLatin1Char('\n'), false);
        InsertReplyText(
            cursor, QStringLiteral("Calculated Left Side:  ") + window.FormatAnswer(left) + QLatin1Char('\n'), false);
        InsertReplyText(
            cursor, QStringLiteral("Calculated Right Side: ") + window.FormatAnswer(right) + QLatin1Char('\n'), false);
        InsertReplyText(cursor, QStringLiteral("Difference:             ") + differenceText + QStringLiteral("\n\n"),
                        false);
    }
    const double rms = shown > 0 ? std::sqrt(squaredErrors / shown) : 0.0;
    InsertReplyText(cursor, QStringLiteral("Maximum Error: ") + window.FormatAnswer(largestError) + QLatin1Char('\n'),
                    false);
    InsertReplyText(cursor, QStringLiteral("RMS Error: ") + window.FormatAnswer(rms) + QLatin1Char('\n'), false);
    InsertReplyText(cursor,
                    QStringLiteral("Total Squared Error: ") + window.FormatAnswer(squaredErrors) + QLatin1Char('\n'),
                    false);
}

} // namespace

void MainWindow::HandleEquationSet(QList<QString> equations)
{
    solveCancelRequested = false;
    solveCancelled = false;
    solveApproximate = false;
    closeRequested = false;

    const bool single = equations.size() == 1;
    const QString solvedStatus = single ? QStringLiteral("Equation solved") : QStringLiteral("Equation system solved");
    const QString cannotSolveStatus =
        single ? QStringLiteral("Cannot Solve Equation") : QStringLiteral("Cannot Solve Equation System");

    // The answer goes where the line was submitted, whatever the user
    // clicks, selects or types while the nonlinear solver lets events run;
    // a character typed to cancel stays before it.
    QTextCursor insertionPoint = PadCursor();
    insertionPoint.clearSelection();

    // No strategy can evaluate a line without exactly one '=' or with an
    // empty side: answer now instead of searching until the user types.
    for (const QString& equation : equations) {
        QString lhs;
        QString rhs;
        if (!SplitEquationSides(equation, lhs, rhs)) {
            ShowStatus(cannotSolveStatus);
            InsertCannotSolveLine();
            return;
        }
    }

    QList<QString> names;
    QList<double> values;
    bool underdetermined = false;
    bool inconsistent = false;
    QString status;
    // A long block or a long equation keeps the window alive, and typing
    // cancels it, from the first strategy on.
    solveRunning = true;
    const bool linear = SolveLinearEquationSystem(equations, names, values, underdetermined, &inconsistent);
    const bool linearCancelled = solveCancelled;
    // A root search cut short goes on to the nonlinear solver, which
    // answers the pending cancel at its first poll with its best point.
    const bool oneRoot =
        !linear && !inconsistent && !linearCancelled && SolveSingleVariableEquationBlock(equations, names, values);
    solveRunning = false;
    if (linearCancelled || closeRequested) {
        PlacePadCursor(insertionPoint);
        ShowStatus(QStringLiteral("Solve cancelled"));
        return;
    }
    if (linear) {
        status = underdetermined ? QStringLiteral("One solution found") : solvedStatus;
    } else if (inconsistent) {
        // Proved to have no solution: no search could find one.
        ShowStatus(cannotSolveStatus);
        InsertCannotSolveLine();
        return;
    } else if (oneRoot) {
        status = solvedStatus;
    } else {
        solveRunning = true;
        solveCancelled = false;
        solveApproximate = false;
        const bool solved = SolveNonlinearEquationSystem(equations, names, values);
        solveRunning = false;
        PlacePadCursor(insertionPoint);
        if (closeRequested || (solveCancelled && !solveApproximate)) {
            // Nothing is answered into a pad that is closing.
            ShowStatus(QStringLiteral("Solve cancelled"));
            return;
        }
        if (!solved) {
            ShowStatus(cannotSolveStatus);
            InsertCannotSolveLine();
            return;
        }
        status = solveApproximate ? QStringLiteral("Approximate answer") : solvedStatus;
    }

    ShowStatus(status);
    if (!solveApproximate && single && values.size() == 1)
        SetNumericAnswer(values.first());

    WriteReply(insertionPoint, [&](QTextCursor& cursor) {
        if (solveApproximate) {
            const QList<double> tidied = TidyApproximateValues(*this, equations, names, values);
            InsertApproximateReport(*this, cursor, equations, names, tidied);
        } else {
            InsertAnswerLines(*this, cursor, names, values);
        }
    });
}
