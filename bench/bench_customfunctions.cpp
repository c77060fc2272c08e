#include "benchsupport.h"

#include "pad/mainwindow.h"

#include "corpus.h"

// User-defined functions are expanded at the start of every evaluation, the
// solvers' trial points included: what do they cost when a line calls none,
// and when it calls several?

struct MainWindowTestAccess
{
    // count functions that the typical lines never call.
    static void defineUnused(MainWindow& window, int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("USERFN%1").arg(i);
            window.customFunctions.insert(name, {name, {QStringLiteral("X"), QStringLiteral("Y")}, "X*Y + 1"});
        }
    }

    // F1 calls F2 on its argument, and so on down to F5.
    static void defineNested(MainWindow& window)
    {
        for (int i = 1; i <= 5; ++i) {
            const QString name = QStringLiteral("F%1").arg(i);
            const QString body = i < 5 ? QStringLiteral("F%1(X) + 1").arg(i + 1) : QStringLiteral("X*2");
            window.customFunctions.insert(name, {name, {QStringLiteral("X")}, body});
        }
    }
};

// The parser benchmark's lines with 0 or 100 functions defined.
static void BM_EvalLineWithFunctions(benchmark::State& state)
{
    MainWindow window;
    MainWindowTestAccess::defineUnused(window, int(state.range(0)));
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
BENCHMARK(BM_EvalLineWithFunctions)->Arg(0)->Arg(100)->Repetitions(5)->ReportAggregatesOnly(true);

// The part of the above that the functions add: expanding lines that call
// none of them.
static void BM_ExpandLinesWithoutCalls(benchmark::State& state)
{
    MainWindow window;
    MainWindowTestAccess::defineUnused(window, int(state.range(0)));
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

static void BM_ExpandFiveNestedCalls(benchmark::State& state)
{
    MainWindow window;
    MainWindowTestAccess::defineUnused(window, 100);
    MainWindowTestAccess::defineNested(window);
    const QString line = QStringLiteral("F1(F2(F3(F4(F5(2)))))");
    for (auto _ : state) {
        QString output;
        QString error;
        if (!window.ExpandCustomFunctions(line, output, error))
            state.SkipWithError("the nested calls failed to expand");
        benchmark::DoNotOptimize(output);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpandFiveNestedCalls)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_EvalFiveNestedCalls(benchmark::State& state)
{
    MainWindow window;
    MainWindowTestAccess::defineUnused(window, 100);
    MainWindowTestAccess::defineNested(window);
    const QString line = QStringLiteral("F1(F2(F3(F4(F5(2)))))");
    for (auto _ : state) {
        bool ok = false;
        benchmark::DoNotOptimize(window.Eval(line, ok));
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
    MainWindowTestAccess::defineUnused(window, 1000);
    const QStringList names = {QStringLiteral("userfn500"), QStringLiteral("NOSUCHNAME")};
    int index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.FindCalculatorSyntaxItem(names.at(index)));
        index = 1 - index;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindSyntaxItemWithThousandFunctions)->Repetitions(5)->ReportAggregatesOnly(true);

// For comparison: what listing the user's items costs, as every catalogue
// request does and as each look-up did before it went by key.
static void BM_CustomSyntaxItemsOfThousandFunctions(benchmark::State& state)
{
    MainWindow window;
    MainWindowTestAccess::defineUnused(window, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.GetCustomFunctionSyntaxItems());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CustomSyntaxItemsOfThousandFunctions)->Repetitions(5)->ReportAggregatesOnly(true);

SUMVELLE_BENCHMARK_MAIN()
