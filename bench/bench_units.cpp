#include "benchsupport.h"

#include "pad/mainwindow.h"
#include "units/UnitConversions.h"

// The conversion rewrite runs on every keystroke of the preview and on every
// line of an equation block; one iteration rewrites one line.

static QString ThirtyTwoConversions()
{
    QStringList terms;
    for (int i = 1; i <= 32; ++i)
        terms.append(QString::number(i) + QStringLiteral(" FT TO IN"));
    return terms.join(QStringLiteral(" + "));
}

static void RewriteLine(benchmark::State& state, const QString& line)
{
    MainWindow window;
    window.ExpandUnitConversions(line); // the catalogue and its patterns are built on first use
    for (auto _ : state)
        benchmark::DoNotOptimize(window.ExpandUnitConversions(line));
}

static void BM_ExpandOneConversion(benchmark::State& state)
{
    RewriteLine(state, QStringLiteral("12 IN TO CM"));
}
BENCHMARK(BM_ExpandOneConversion)->Unit(benchmark::kMicrosecond);

static void BM_ExpandMultiWordConversion(benchmark::State& state)
{
    RewriteLine(state, QStringLiteral("2 * (3 + 4) CUBIC FEET PER MINUTE TO LITERS PER SECOND"));
}
BENCHMARK(BM_ExpandMultiWordConversion)->Unit(benchmark::kMicrosecond);

static void BM_Expand32Conversions(benchmark::State& state)
{
    RewriteLine(state, ThirtyTwoConversions());
}
BENCHMARK(BM_Expand32Conversions)->Unit(benchmark::kMillisecond);

static void BM_ExpandLineWithoutTo(benchmark::State& state)
{
    RewriteLine(state, QStringLiteral("SQRT(2) * (3 + 4) / 7 - SIN(PI / 6)"));
}
BENCHMARK(BM_ExpandLineWithoutTo)->Unit(benchmark::kMicrosecond);

// Both sides of one TO, looked up by the character next to it (the program's
// catalogue) or by trying every alias (any other catalogue, here a copy).
static void FindBothSides(benchmark::State& state, const QList<UnitDefinition>& units)
{
    const QString line = QStringLiteral("12 IN TO CM");
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindSourceUnitMatches(line, 5, units));
        benchmark::DoNotOptimize(FindTargetUnitMatches(line, 7, units));
    }
}

static void BM_FindUnitMatchesIndexed(benchmark::State& state)
{
    FindBothSides(state, UnitCatalogue());
}
BENCHMARK(BM_FindUnitMatchesIndexed)->Unit(benchmark::kMicrosecond);

static void BM_FindUnitMatchesEveryAlias(benchmark::State& state)
{
    const QList<UnitDefinition> copy = BuildUnitDefinitions();
    FindSourceUnitMatches(QStringLiteral("1 M"), 3, copy); // compiles the patterns once
    FindBothSides(state, copy);
}
BENCHMARK(BM_FindUnitMatchesEveryAlias)->Unit(benchmark::kMicrosecond);

// The word operators look for multi-word unit names on every line they see.
static void BM_WordOperatorsWithUnitName(benchmark::State& state)
{
    const QString line = QStringLiteral("two plus three inches of mercury to millimeters of mercury");
    for (auto _ : state)
        benchmark::DoNotOptimize(MainWindow::WordOp(line));
}
BENCHMARK(BM_WordOperatorsWithUnitName)->Unit(benchmark::kMicrosecond);

// Built once per process; measured here from the catalogue each time.
static void BM_BuildConversionVocabulary(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildConversionVocabulary(UnitCatalogue()));
}
BENCHMARK(BM_BuildConversionVocabulary)->Unit(benchmark::kMillisecond);

static void BM_BuildUnitDefinitions(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildUnitDefinitions());
}
BENCHMARK(BM_BuildUnitDefinitions)->Unit(benchmark::kMicrosecond);

SUMVELLE_BENCHMARK_MAIN()
