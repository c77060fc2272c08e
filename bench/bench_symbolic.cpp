#include "benchsupport.h"

#include "pad/mainwindow.h"
#include "solver/SimplifyRules.h"
#include "solver/SymbolicCommands.h"
#include "solver/SymbolicParser.h"

#include <QElapsedTimer>

// SIMPLIFY of long sums and products (goal: 1,000 terms in under 100 ms) and
// ISOLATE of even powers nested 5 to 12 deep (goal: time in proportion to the
// moves made, never beyond the command's cap).

namespace {

// Terms over half as many names, so that like terms merge: 3*a1 - 2*a2 + ...
QString LongSum(int terms)
{
    QString text;
    for (int i = 0; i < terms; ++i) {
        const int coefficient = 1 + i % 5;
        if (i > 0)
            text += i % 3 == 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
        text += QStringLiteral("%1*a%2").arg(coefficient).arg(i % (terms / 2 + 1));
    }
    return text;
}

// Factors over half as many names, so that equal bases merge into powers.
QString LongProduct(int factors)
{
    QString text = QStringLiteral("2");
    for (int i = 0; i < factors; ++i)
        text += QStringLiteral("*b%1").arg((i * 7) % (factors / 2 + 1));
    return text;
}

QString NestedSquares(int depth)
{
    QString text = QStringLiteral("X");
    for (int i = 0; i < depth; ++i)
        text = QStringLiteral("(") + text + QStringLiteral(")^2+1");
    return QStringLiteral("X, ") + text + QStringLiteral(" = 5");
}

void RunSimplify(benchmark::State& state, const QString& text)
{
    for (auto _ : state) {
        QString output;
        if (!MainWindow::SimplifyText(text, output))
            state.SkipWithError("SIMPLIFY failed");
        benchmark::DoNotOptimize(output);
    }
    state.SetComplexityN(state.range(0));
}

void BM_SimplifySum(benchmark::State& state)
{
    RunSimplify(state, LongSum(int(state.range(0))));
}
BENCHMARK(BM_SimplifySum)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_SimplifyProduct(benchmark::State& state)
{
    RunSimplify(state, LongProduct(int(state.range(0))));
}
BENCHMARK(BM_SimplifyProduct)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

// The moves one ISOLATE command makes, counted the way the command counts them.
int CountMoves(const QString& text)
{
    const QString equation = text.section(QLatin1Char(','), 1).trimmed();
    const int equals = FindTopLevelEquals(equation);
    SymbolicBudget budget;
    SimplifyNodePtr left;
    SimplifyNodePtr right;
    if (!ParseSymbolicExpression(equation.left(equals), left)
        || !ParseSymbolicExpression(equation.mid(equals + 1), right))
        return -1;
    QList<SimplifyNodePtr> answers;
    QString error;
    IsolateNode(SimplifyNodeTree(MakeBinary(SimplifyNodeType::Subtract, left, right), false), MakeNumber(0.0),
                QStringLiteral("X"), answers, error);
    return budget.moves;
}

void BM_IsolateNestedSquares(benchmark::State& state)
{
    const QString text = NestedSquares(int(state.range(0)));
    bool answered = false;
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        QString output;
        answered = MainWindow::IsolateText(text, output);
        benchmark::DoNotOptimize(output);
    }
    const double elapsed = double(timer.nsecsElapsed());
    const int moves = CountMoves(text);
    state.counters["moves"] = moves;
    state.counters["answered"] = answered ? 1 : 0;
    state.counters["us_per_move"] = elapsed / 1000.0 / double(state.iterations()) / moves;
}
BENCHMARK(BM_IsolateNestedSquares)->DenseRange(5, 12)->Unit(benchmark::kMicrosecond);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
