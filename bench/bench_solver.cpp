#include "benchsupport.h"

#include "pad/mainwindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>

// The solvers evaluate equations by substituting values into their text and
// parsing it again, so residual evaluations are their currency. Measured:
// residuals per second by number of unknowns, a 10-unknown linear block
// (goal under 20 ms), a root search that finds nothing (2,006 evaluations,
// goal under 100 ms) and the longest gap between the nonlinear solver's
// polls for events, which bounds how long a keypress takes to cancel it
// (goal under 150 ms).

namespace {

QString Unknown(int i)
{
    return QStringLiteral("x%1").arg(i);
}

QList<QString> Unknowns(int n)
{
    QList<QString> names;
    for (int i = 0; i < n; ++i)
        names.append(Unknown(i).toUpper());
    std::sort(names.begin(), names.end());
    return names;
}

// Row k of a well-conditioned linear system: a dominant diagonal.
QString LinearEquation(int n, int k)
{
    QString text;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            text += QStringLiteral(" + ");
        text += QStringLiteral("%1*%2").arg(i == k ? n + 1 : (i + k) % 3 + 1).arg(Unknown(i));
    }
    return text + QStringLiteral(" = %1").arg(k + 1);
}

// Sum of squares plus one: never zero, every unknown in every equation.
QString NeverZeroEquation(int n, int k)
{
    QString text;
    for (int i = 0; i < n; ++i)
        text += QStringLiteral("(%1 - %2)^2 + ").arg(Unknown(i)).arg(k);
    return text + QStringLiteral("1 = 0");
}

} // namespace

static void BM_ResidualEvaluation(benchmark::State& state)
{
    const int n = int(state.range(0));
    MainWindow window;
    const QString equation = LinearEquation(n, 0);
    const QList<QString> names = Unknowns(n);
    QList<double> values;
    for (int i = 0; i < n; ++i)
        values.append(0.625 * i + 1.75);
    for (auto _ : state) {
        bool ok = false;
        benchmark::DoNotOptimize(window.EvaluateSystemEquation(equation, names, values, ok));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ResidualEvaluation)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Arg(20);

static void BM_LinearBlockOf10(benchmark::State& state)
{
    MainWindow window;
    QList<QString> equations;
    for (int k = 0; k < 10; ++k)
        equations.append(LinearEquation(10, k));
    for (auto _ : state) {
        QList<QString> names;
        QList<double> values;
        bool underdetermined = false;
        if (!window.SolveLinearEquationSystem(equations, names, values, underdetermined))
            state.SkipWithError("the linear block was not solved");
    }
    state.SetLabel("goal < 20 ms");
}
BENCHMARK(BM_LinearBlockOf10)->Unit(benchmark::kMillisecond);

static void BM_FailedRootSearch(benchmark::State& state)
{
    MainWindow window;
    for (auto _ : state) {
        QString variable;
        double value = 0.0;
        if (window.SolveSingleVariableEquation(QStringLiteral("x^2 + 1 = 0"), variable, value))
            state.SkipWithError("a root was found");
    }
    state.counters["evaluations"] = 2006;
    state.SetLabel("goal < 100 ms");
}
BENCHMARK(BM_FailedRootSearch)->Unit(benchmark::kMillisecond);

// Ten equations in ten unknowns that never converge. A zero-interval timer
// runs once at every poll for events: it notes the gaps between polls and,
// after enough of them, types into the pad to cancel.
static void BM_NonlinearPollGap(benchmark::State& state)
{
    constexpr int Polls = 30;
    MainWindow window;
    auto* pad = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QList<QString> equations;
    for (int k = 0; k < 10; ++k)
        equations.append(NeverZeroEquation(10, k));

    double longestGapMs = 0.0;
    double totalGapMs = 0.0;
    int gaps = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        qint64 lastPoll = -1;
        int polls = 0;
        QTimer observer;
        observer.setInterval(0);
        QObject::connect(&observer, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            if (lastPoll >= 0) {
                const double gap = (now - lastPoll) / 1e6;
                longestGapMs = std::max(longestGapMs, gap);
                totalGapMs += gap;
                ++gaps;
            }
            lastPoll = now;
            if (++polls == Polls) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
                QCoreApplication::sendEvent(pad, &press);
            }
        });
        observer.start();
        clock.start();
        window.HandleEquationSet(equations);
        observer.stop();
        pad->clear();
    }
    state.counters["longest_gap_ms"] = longestGapMs;
    state.counters["mean_gap_ms"] = gaps > 0 ? totalGapMs / gaps : 0.0;
    state.SetLabel("goal: longest gap < 150 ms");
}
BENCHMARK(BM_NonlinearPollGap)->Iterations(1)->Unit(benchmark::kMillisecond);

SUMVELLE_BENCHMARK_MAIN()
