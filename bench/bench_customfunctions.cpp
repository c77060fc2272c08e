#include "benchsupport.h"

#include "pad/mainwindow.h"

#include "corpus.h"

// User-defined functions are expanded at the start of every evaluation, the
// solvers' trial points included: what do they cost when a line calls none,
// and when it calls several? (bench_eval runs the parser with and without
// them.)

// The part that 0 or 100 functions add to every evaluation: expanding lines
// that call none of them.
static void BM_ExpandLinesWithoutCalls(benchmark::State& state)
{
    MainWindow window;
    DefineUnusedFunctions(window, int(state.range(0)));
    const QStringList& lines = TypicalLines();
    int index = 0;
    for (auto _ : state) {
        QString output;
        QString error;
        benchmark::DoNotOptimize(window.ExpandCustomFunctions(lines.at(index), output, error));
        index = (index + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpandLinesWithoutCalls)->Arg(0)->Arg(100)->Repetitions(5)->ReportAggregatesOnly(true);

// F1 calls F2 on its argument, and so on down to F5, beside 100 others.
static void DefineNestedFunctions(MainWindow& window)
{
    DefineUnusedFunctions(window, 100);
    window.HandleCustomFunctionCommand(QStringLiteral("CREATE FUNCTION F5(X) = X*2"));
    for (int i = 4; i >= 1; --i)
        window.HandleCustomFunctionCommand(QStringLiteral("CREATE FUNCTION F%1(X) = F%2(X) + 1").arg(i).arg(i + 1));
}

static const QString nestedCalls = QStringLiteral("F1(F2(F3(F4(F5(2)))))");

static void BM_ExpandFiveNestedCalls(benchmark::State& state)
{
    MainWindow window;
    DefineNestedFunctions(window);
    for (auto _ : state) {
        QString output;
        QString error;
        if (!window.ExpandCustomFunctions(nestedCalls, output, error))
            state.SkipWithError("the nested calls failed to expand");
        benchmark::DoNotOptimize(output);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpandFiveNestedCalls)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_EvalFiveNestedCalls(benchmark::State& state)
{
    MainWindow window;
    DefineNestedFunctions(window);
    for (auto _ : state) {
        bool ok = false;
        benchmark::DoNotOptimize(window.Eval(nestedCalls, ok));
        if (!ok)
            state.SkipWithError("the nested calls failed to evaluate");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvalFiveNestedCalls)->Repetitions(5)->ReportAggregatesOnly(true);

// The evaluation asks the catalogue about every called name when a line
// fails; with 1,000 functions defined, a user name and a miss.
static void BM_FindSyntaxItemWithThousandFunctions(benchmark::State& state)
{
    MainWindow window;
    DefineUnusedFunctions(window, 1000);
    const QStringList names = {QStringLiteral("userfn500"), QStringLiteral("NOSUCHNAME")};
    int index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.FindCalculatorSyntaxItem(names.at(index)));
        index = 1 - index;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindSyntaxItemWithThousandFunctions)->Repetitions(5)->ReportAggregatesOnly(true);

// For comparison: listing the user's items, as every catalogue request does
// and as each look-up did before it went by key.
static void BM_CustomSyntaxItemsOfThousandFunctions(benchmark::State& state)
{
    MainWindow window;
    DefineUnusedFunctions(window, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.GetCustomFunctionSyntaxItems());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CustomSyntaxItemsOfThousandFunctions)->Repetitions(5)->ReportAggregatesOnly(true);

SUMVELLE_BENCHMARK_MAIN()
