#include "benchsupport.h"

#include "pad/mainwindow.h"

#include "corpus.h"

// The argument is the number of user functions defined: every evaluation
// first looks for their calls.
static void BM_EvalLine(benchmark::State& state)
{
    MainWindow window;
    DefineUnusedFunctions(window, int(state.range(0)));
    const QStringList& lines = TypicalLines();
    int index = 0;
    for (auto _ : state) {
        bool ok = false;
        benchmark::DoNotOptimize(window.Eval(lines.at(index), ok));
        if (!ok)
            state.SkipWithError("a corpus line failed to evaluate");
        index = (index + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvalLine)->Arg(0)->Arg(100)->Repetitions(5)->ReportAggregatesOnly(true);

SUMVELLE_BENCHMARK_MAIN()
