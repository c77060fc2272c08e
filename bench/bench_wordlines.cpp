#include "benchsupport.h"

#include "pad/mainwindow.h"

#include <QAction>
#include <QString>
#include <QStringList>

// Lines written in words: the rewrite alone, and the engine's share of one
// Enter (the normaliser, then the pipeline with its retries). Long lines are
// what a paste makes; one iteration is one line.

namespace {

// Typical word lines, as a user types them.
const QStringList& TypicalWordLines()
{
    static const QStringList lines = {
        QStringLiteral("five plus three times two"),
        QStringLiteral("x raised to the power of two"),
        QStringLiteral("one hundred twenty-three divided by ANS"),
        QStringLiteral("FIVE MINUS THREE"),
        QStringLiteral("two thousand five hundred multiplied by three point five"),
        QStringLiteral("twenty-one times three"),
    };
    return lines;
}

// About 10 KB of number words that never convert: each POINT is followed by
// another, so no run has a digit after its point.
QString TenKilobytesOfPoints(int extra = 0)
{
    return QStringLiteral("POINT ").repeated(1700 + extra);
}

// About 10 KB of number words in runs that convert, of every kind of word.
QString TenKilobytesOfNumbers()
{
    return QStringLiteral("one hundred twenty-three thousand four hundred fifty-six point seven eight, ").repeated(130);
}

// The 1 MB paste: 100,000 times "two plus ", then "two".
QString PastedMegabyte(int extra = 0)
{
    return QStringLiteral("two plus ").repeated(100000 + extra) + QStringLiteral("two");
}

void RewriteLines(benchmark::State& state, const QStringList& lines)
{
    int index = 0;
    qint64 characters = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MainWindow::WordOp(lines.at(index)));
        characters += lines.at(index).size();
        index = (index + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(characters);
}

// What one Enter asks of the engine for the line: the normaliser rewrites it,
// then the pipeline evaluates it, retrying as the options allow. The window
// remembers its last rewrite, so every list holds more than one line, as a
// pad does: no Enter finds the rewrite of its own line waiting.
void EnterLines(benchmark::State& state, const QStringList& lines, bool answers)
{
    MainWindow window;
    window.findChild<QAction*>(QStringLiteral("actionUse_Word_Oporators"))->setChecked(true);
    window.findChild<QAction*>(QStringLiteral("actionIgnore_Text_When_Cannot_Solve"))->setChecked(true);
    int index = 0;
    for (auto _ : state) {
        bool ok = false;
        QString processed;
        const QString normalised = window.NormalizeSubmittedMath(lines.at(index));
        benchmark::DoNotOptimize(window.EvaluateExpression(normalised, ok, processed));
        if (ok != answers)
            state.SkipWithError(answers ? "a line failed to evaluate" : "a line that cannot be solved answered");
        index = (index + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_WordOpTypicalLine(benchmark::State& state)
{
    RewriteLines(state, TypicalWordLines());
}
BENCHMARK(BM_WordOpTypicalLine)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void BM_WordOpTenKilobytesOfPoints(benchmark::State& state)
{
    RewriteLines(state, {TenKilobytesOfPoints()});
}
BENCHMARK(BM_WordOpTenKilobytesOfPoints)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_WordOpTenKilobytesOfNumbers(benchmark::State& state)
{
    RewriteLines(state, {TenKilobytesOfNumbers()});
}
BENCHMARK(BM_WordOpTenKilobytesOfNumbers)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_WordOpPastedMegabyte(benchmark::State& state)
{
    RewriteLines(state, {PastedMegabyte()});
}
BENCHMARK(BM_WordOpPastedMegabyte)->Repetitions(3)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_EnterTypicalWordLine(benchmark::State& state)
{
    // The typical lines that need no variable and no ANS.
    static const QStringList lines = {
        QStringLiteral("five plus three times two"),
        QStringLiteral("FIVE MINUS THREE"),
        QStringLiteral("two thousand five hundred multiplied by three point five"),
        QStringLiteral("twenty-one times three"),
    };
    EnterLines(state, lines, true);
}
BENCHMARK(BM_EnterTypicalWordLine)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void BM_EnterTenKilobytesOfPoints(benchmark::State& state)
{
    EnterLines(state, {TenKilobytesOfPoints(), TenKilobytesOfPoints(1)}, false);
}
BENCHMARK(BM_EnterTenKilobytesOfPoints)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_EnterPastedMegabyte(benchmark::State& state)
{
    EnterLines(state, {PastedMegabyte(), PastedMegabyte(1)}, true);
}
BENCHMARK(BM_EnterPastedMegabyte)->Repetitions(3)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
