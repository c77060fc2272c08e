#include "benchsupport.h"

#include "tools/searchdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <sys/resource.h>

// One Find Next over a 10,000-line pad: every Find rebuilds all matches from
// the whole text, so this is what the user waits for at each F3.

namespace {

QString MakePad(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i) {
        if (i % 3 == 0)
            text += QStringLiteral("total = %1 * 3.25\n").arg(i);
        else if (i % 3 == 1)
            text += QStringLiteral("%1\n").arg(i * 3.25);
        else
            text += QStringLiteral("sqrt(%1) + memo_%2\n").arg(i).arg(i % 7);
    }
    return text;
}

void RunFind(benchmark::State& state, const QString& findWhat, bool regularExpression, const QString& pad)
{
    QPlainTextEdit editor;
    editor.setPlainText(pad);
    SearchDialog dialog(&editor);
    dialog.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(findWhat);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))->setChecked(regularExpression);
    auto* status = dialog.findChild<QLabel*>(QStringLiteral("LabelSearchStatus"));
    for (auto _ : state) {
        dialog.FindNext();
        benchmark::DoNotOptimize(status->text());
    }
    state.SetLabel(status->text().left(60).toStdString());
}

void BM_FindCommonWord(benchmark::State& state)
{
    RunFind(state, QStringLiteral("total"), false, MakePad(10000));
}
void BM_FindWildcard(benchmark::State& state)
{
    RunFind(state, QStringLiteral("memo_#"), false, MakePad(10000));
}
void BM_FindWithExclusion(benchmark::State& state)
{
    RunFind(state, QStringLiteral("total -absent"), false, MakePad(10000));
}
void BM_FindRegexEmptyMatches(benchmark::State& state)
{
    RunFind(state, QStringLiteral("x*"), true, MakePad(10000));
}

// Ends in "Search too complex" once the time budget runs out.
void BM_FindPathological(benchmark::State& state)
{
    QString pad;
    for (int i = 0; i < 150; ++i)
        pad += QString(30, QLatin1Char('a')) + QLatin1Char('\n');
    RunFind(state, QStringLiteral("(a|aa)*\\d"), true, pad);
}

// CPU time of the whole process, every thread included.
double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A pattern that backtracks on every start of every line: three presses of
// Find Next, each given up after the time budget. What counts is the CPU the
// process spends on them, and that none of it goes on afterwards.
void BM_FindHostileThreePresses(benchmark::State& state)
{
    QString pad;
    for (int i = 0; i < 300; ++i)
        pad += QString(32, QLatin1Char('a')) + QStringLiteral("!\n");
    QPlainTextEdit editor;
    editor.setPlainText(pad);
    SearchDialog dialog(&editor);
    dialog.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(QStringLiteral("(a|aa)+$"));
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))->setChecked(true);
    auto* status = dialog.findChild<QLabel*>(QStringLiteral("LabelSearchStatus"));
    for (auto _ : state) {
        const double before = ProcessCpuSeconds();
        for (int press = 0; press < 3; ++press)
            dialog.FindNext();
        state.counters["cpu_s"] = ProcessCpuSeconds() - before;
    }
    state.SetLabel("goal cpu_s < 3.5: " + status->text().toStdString());
}

} // namespace

BENCHMARK(BM_FindCommonWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWildcard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWithExclusion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRegexEmptyMatches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindPathological)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FindHostileThreePresses)->Unit(benchmark::kMillisecond)->Iterations(1);

SUMVELLE_BENCHMARK_MAIN()
