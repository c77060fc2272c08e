#include "benchsupport.h"

#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"

#include <QAction>
#include "corpus.h"

// The typical pad lines, then lines with variables, ANS, word operators and
// number words. One iteration handles one line, so times are per line.
static const QStringList& Corpus()
{
    static const QStringList lines = TypicalLines()
        + QStringList{
            QStringLiteral("HEX(255)"),
            QStringLiteral("2x + 3x^2 - x/4"),
            QStringLiteral("PRICE * (1 + RATE) * 12"),
            QStringLiteral("ANS * 2 + ans / 3"),
            QStringLiteral("2e3x + E3 - ANS"),
            QStringLiteral("five plus three times two"),
            QStringLiteral("x raised to the power of two"),
            QStringLiteral("one hundred twenty-three divided by ANS"),
            QStringLiteral("FIVE MINUS THREE"),
        };
    return lines;
}

static void BM_EvaluateExpression(benchmark::State& state)
{
    MainWindow window;
    MainWindowTestAccess::prepare(window);
    window.findChild<QAction*>(QStringLiteral("actionUse_Word_Oporators"))->setChecked(true);
    const QStringList& lines = Corpus();
    int index = 0;
    for (auto _ : state) {
        bool ok = false;
        QString processed;
        benchmark::DoNotOptimize(window.EvaluateExpression(lines.at(index), ok, processed));
        if (!ok)
            state.SkipWithError("a corpus line failed to evaluate");
        index = (index + 1) % lines.size();
    }
    window.setProperty(MainWindow::OneTimeOutputBaseProperty, QVariant());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateExpression)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_FormatAnswer(benchmark::State& state)
{
    MainWindow window;
    const QList<double> values = {7.0, 0.1 + 0.2, 1.0 / 3.0, 1234567.891, -2.5, 1e20, 255.0, 66.66666666666667};
    int index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.FormatAnswer(values.at(index)));
        index = (index + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatAnswer)->Repetitions(5)->ReportAggregatesOnly(true);

// Only the lines written with words: each fails once and is retried with
// the word operators.
static const QStringList& WordCorpus()
{
    static const QStringList lines = Corpus().mid(Corpus().indexOf(QStringLiteral("five plus three times two")));
    return lines;
}

// The whole road of an answer: evaluate the line, then write it.
static void RunPipeline(benchmark::State& state, const QStringList& lines)
{
    MainWindow window;
    MainWindowTestAccess::prepare(window);
    window.findChild<QAction*>(QStringLiteral("actionUse_Word_Oporators"))->setChecked(true);
    int index = 0;
    for (auto _ : state) {
        bool ok = false;
        QString processed;
        const double value = window.EvaluateExpression(lines.at(index), ok, processed);
        if (!ok)
            state.SkipWithError("a corpus line failed to evaluate");
        benchmark::DoNotOptimize(window.FormatAnswer(value));
        index = (index + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}

static void BM_Pipeline(benchmark::State& state)
{
    RunPipeline(state, Corpus());
}
BENCHMARK(BM_Pipeline)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_PipelineWordLines(benchmark::State& state)
{
    RunPipeline(state, WordCorpus());
}
BENCHMARK(BM_PipelineWordLines)->Repetitions(5)->ReportAggregatesOnly(true);

SUMVELLE_BENCHMARK_MAIN()
