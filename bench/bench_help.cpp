#include "benchsupport.h"

#include "help/HelpPages.h"

// Every HELP line builds the catalogue afresh, so what the user waits for is
// the build plus the page: HELP /ALL (the complete manual) and HELP /S with
// two words (a search through every topic). Goal: under 5 ms each.

static void BM_HelpAll(benchmark::State& state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        QList<HelpEntry> entries;
        BuildGeneralHelpEntries(entries);
        const QString manual = BuildFullHelp(entries);
        size = manual.size();
        benchmark::DoNotOptimize(manual.constData());
    }
    state.counters["characters"] = double(size);
    state.SetLabel("goal < 5 ms");
}
BENCHMARK(BM_HelpAll)->Unit(benchmark::kMillisecond);

static void BM_HelpSearchTwoWords(benchmark::State& state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        QList<HelpEntry> entries;
        BuildGeneralHelpEntries(entries);
        const QString page = BuildSearchResults(entries, QStringLiteral("loan payment"), false);
        size = page.size();
        benchmark::DoNotOptimize(page.constData());
    }
    state.counters["characters"] = double(size);
    state.SetLabel("goal < 5 ms");
}
BENCHMARK(BM_HelpSearchTwoWords)->Unit(benchmark::kMillisecond);

SUMVELLE_BENCHMARK_MAIN()
