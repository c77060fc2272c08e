#include "benchsupport.h"

#include "pad/mainwindow.h"

#include <QList>
#include <QString>

// The function families over long lists and through the rate solver. One
// iteration is one call of the family.

namespace {

// 1,000 values in a scrambled order, 997 of them distinct, so that MODE has
// an answer.
QList<double> ThousandValues()
{
    QList<double> values;
    values.reserve(1000);
    for (int i = 0; i < 1000; ++i)
        values.append(double((i * 7919) % 997) / 10.0 + 0.5);
    return values;
}

// An investment of 1,000 repaid by 999 payments of 2.
QList<double> ThousandCashFlows()
{
    QList<double> flows{-1000};
    flows.append(QList<double>(999, 2.0));
    return flows;
}

void RunStatistics(benchmark::State& state, const QString& name)
{
    MainWindow window;
    const QList<double> values = ThousandValues();
    for (auto _ : state) {
        bool ok = false;
        bool handled = false;
        benchmark::DoNotOptimize(window.RunStatisticsFunction(name, values, ok, handled));
        if (!ok)
            state.SkipWithError("the call failed");
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}

void RunFinancial(benchmark::State& state, const QString& name, const QList<double>& arguments, bool expectOk)
{
    MainWindow window;
    for (auto _ : state) {
        bool ok = false;
        bool handled = false;
        benchmark::DoNotOptimize(window.RunFinancialFunction(name, arguments, ok, handled));
        if (ok != expectOk)
            state.SkipWithError(expectOk ? "the call failed" : "the call found a rate");
    }
}

} // namespace

// clang-format off
static void BM_Sum1000(benchmark::State& state) { RunStatistics(state, QStringLiteral("SUM")); }
BENCHMARK(BM_Sum1000);
static void BM_Stdev1000(benchmark::State& state) { RunStatistics(state, QStringLiteral("STDEV")); }
BENCHMARK(BM_Stdev1000);
static void BM_Median1000(benchmark::State& state) { RunStatistics(state, QStringLiteral("MEDIAN")); }
BENCHMARK(BM_Median1000);
static void BM_Mode1000(benchmark::State& state) { RunStatistics(state, QStringLiteral("MODE")); }
BENCHMARK(BM_Mode1000);
static void BM_Kurtosis1000(benchmark::State& state) { RunStatistics(state, QStringLiteral("KURTOSIS")); }
BENCHMARK(BM_Kurtosis1000);
// clang-format on

static void BM_Npv1000(benchmark::State& state)
{
    RunFinancial(state, QStringLiteral("NPV"), QList<double>{0.001} + ThousandCashFlows(), true);
}
BENCHMARK(BM_Npv1000);

static void BM_IrrNewton1000(benchmark::State& state)
{
    // -1000 now, then 999 payments of 120: about 12% a period, reached from the first start value.
    QList<double> flows{-1000};
    flows.append(QList<double>(999, 120.0));
    RunFinancial(state, QStringLiteral("IRR"), flows, true);
}
BENCHMARK(BM_IrrNewton1000);

static void BM_IrrLongNewtonWalk1000(benchmark::State& state)
{
    // About 0.16% a period: the first start overshoots below -100%, the second
    // needs some 35 Newton steps.
    RunFinancial(state, QStringLiteral("IRR"), ThousandCashFlows(), true);
}
BENCHMARK(BM_IrrLongNewtonWalk1000)->Unit(benchmark::kMillisecond);

static void BM_IrrConverging(benchmark::State& state)
{
    RunFinancial(state, QStringLiteral("IRR"), {-1000, 300, 400, 500}, true);
}
BENCHMARK(BM_IrrConverging);

static void BM_RateConverging(benchmark::State& state)
{
    RunFinancial(state, QStringLiteral("RATE"), {360, 1798.6515754582572, 300000}, true);
}
BENCHMARK(BM_RateConverging);

static void BM_IrrWithoutRoot(benchmark::State& state)
{
    // -1 + v - v^2 < 0 for every discount factor v: no rate gives zero.
    RunFinancial(state, QStringLiteral("IRR"), {-1, 1, -1}, false);
}
BENCHMARK(BM_IrrWithoutRoot)->Unit(benchmark::kMillisecond);

static void BM_IrrWithoutRoot1000(benchmark::State& state)
{
    // The rootless flows followed by 997 zeros: the full scan at 1,000 terms a trial.
    QList<double> flows{-1, 1, -1};
    flows.append(QList<double>(997, 0.0));
    RunFinancial(state, QStringLiteral("IRR"), flows, false);
}
BENCHMARK(BM_IrrWithoutRoot1000)->Unit(benchmark::kMillisecond);

static void BM_RateWithoutRoot(benchmark::State& state)
{
    // Nothing borrowed: no rate makes the payment 100.
    RunFinancial(state, QStringLiteral("RATE"), {12, 100, 0}, false);
}
BENCHMARK(BM_RateWithoutRoot)->Unit(benchmark::kMillisecond);

SUMVELLE_BENCHMARK_MAIN()
