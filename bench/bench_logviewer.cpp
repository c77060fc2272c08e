#include "benchsupport.h"

#include "corpus.h"
#include "tools/LogViewer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <sys/resource.h>

// The log viewer over a generated calculator log of 100 MB, about 3,000 days
// of sessions. Measured: opening it (read, group, list, first preview; goal
// under 2 s, with the process's peak memory growing by under three times the
// file's size) and one search keystroke over every day (goal under 0.5 s).
// Then one key typed into a search that already highlights, on a log of one
// day of 10,000 lines (goal under 100 ms) and of one day of 50 MB (goal under
// 500 ms): there the preview and its highlights dominate.

namespace {

constexpr qint64 LogBytes = qint64(100) << 20;
constexpr int Days = 3000;

qint64 PeakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

qint64 CurrentResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * 4096 : 0;
}

// Written day by day, two records a day, so that making it holds little.
const QString& LogPath()
{
    static QTemporaryDir directory;
    static const QString path = [] {
        const QString file = directory.filePath(QStringLiteral("Sumvelle.log"));
        QFile log(file);
        if (!log.open(QIODevice::WriteOnly))
            return file;
        const QStringList& lines = TypicalLines();
        const qint64 perRecord = LogBytes / Days / 2;
        const QDateTime start(QDate(2017, 1, 1), QTime(9, 30));
        const QString rule = QStringLiteral("--------------------");
        for (int day = 0; day < Days; ++day) {
            for (int record = 0; record < 2; ++record) {
                QString text = rule + start.addDays(day).addSecs(record * 3600 * 8).toString(Qt::TextDate) + rule
                    + QLatin1Char('\n');
                for (int i = 0; text.size() < perRecord; ++i)
                    text += lines.at((day + i) % lines.size()) + QStringLiteral("\n%1\n").arg(day * 31 + i);
                log.write(text.toUtf8());
            }
        }
        return file;
    }();
    return path;
}

// A log of a single day of records, about the given size, written once.
QString WriteSingleDayLog(QTemporaryDir& directory, qint64 bytes)
{
    const QString file = directory.filePath(QStringLiteral("Sumvelle.log"));
    QFile log(file);
    if (!log.open(QIODevice::WriteOnly))
        return file;
    const QStringList& lines = TypicalLines();
    const QString rule = QStringLiteral("--------------------");
    const QDateTime start(QDate(2024, 3, 5), QTime(9, 30));
    qint64 written = 0;
    for (int record = 0; written < bytes; ++record) {
        QString text = rule + start.addSecs(record).toString(Qt::TextDate) + rule + QLatin1Char('\n');
        for (int i = 0; i < 500; ++i)
            text += lines.at((record + i) % lines.size()) + QLatin1Char('\n');
        const QByteArray encoded = text.toUtf8();
        log.write(encoded);
        written += encoded.size();
    }
    return file;
}

// About 10,000 lines: 20 records of 500 pad lines.
const QString& TenThousandLineDayPath()
{
    static QTemporaryDir directory;
    static const QString path = WriteSingleDayLog(directory, 20 * 500 * 24);
    return path;
}

const QString& FiftyMegabyteDayPath()
{
    static QTemporaryDir directory;
    static const QString path = WriteSingleDayLog(directory, qint64(50) << 20);
    return path;
}

void BM_OpenLog(benchmark::State& state)
{
    const QString path = LogPath();
    const qint64 fileBytes = QFileInfo(path).size();
    for (auto _ : state) {
        LogViewer viewer;
        const qint64 before = CurrentResidentBytes();
        QElapsedTimer timer;
        timer.start();
        viewer.OpenLogFile(path);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        state.counters["days"] = viewer.findChild<QListWidget*>(QStringLiteral("ListLogDays"))->count();
        state.counters["file_MB"] = double(fileBytes) / (1 << 20);
        state.counters["peak_growth_per_file_size"] = double(PeakResidentBytes() - before) / double(fileBytes);
    }
    state.SetLabel("goal < 2 s, peak growth < 3x the file's size");
}

// Until the search that a key started has shown its days.
void Settle(const LogViewer& viewer)
{
    while (viewer.SearchRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The search field holds before, untimed, and then becomes search: one key,
// timed until its days and highlights are shown.
void RunKeystroke(benchmark::State& state, const QString& search, bool regularExpression,
                  const QString& path = LogPath(), const QString& before = QString(),
                  const char* goal = "goal < 0.5 s: ")
{
    LogViewer viewer;
    viewer.OpenLogFile(path);
    viewer.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))->setChecked(regularExpression);
    auto* field = viewer.findChild<QLineEdit*>(QStringLiteral("TextSearch"));
    for (auto _ : state) {
        field->setText(before);
        Settle(viewer);
        QElapsedTimer timer;
        timer.start();
        field->setText(search);
        Settle(viewer);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["highlights"] =
        double(viewer.findChild<QPlainTextEdit*>(QStringLiteral("TextLogPreview"))->extraSelections().size());
    state.SetLabel(goal + viewer.findChild<QLabel*>(QStringLiteral("LabelLogStatus"))->text().toStdString());
}

// The word occurs nowhere, so every day is searched to its end.
void BM_KeystrokeAbsentWord(benchmark::State& state)
{
    RunKeystroke(state, QStringLiteral("mortgage"), false);
}
void BM_KeystrokeWordAndExclusion(benchmark::State& state)
{
    RunKeystroke(state, QStringLiteral("sqrt -mortgage"), false);
}
void BM_KeystrokeWildcard(benchmark::State& state)
{
    RunKeystroke(state, QStringLiteral("rate*##99"), false);
}
void BM_KeystrokeRegularExpression(benchmark::State& state)
{
    RunKeystroke(state, QStringLiteral("\\d{7}"), true);
}

// "SQRT" occurs on one line in sixteen; the key turns "sqr" into "sqrt".
void BM_KeyOnTenThousandLineDay(benchmark::State& state)
{
    RunKeystroke(state, QStringLiteral("sqrt"), false, TenThousandLineDayPath(), QStringLiteral("sqr"),
                 "goal < 100 ms: ");
}
void BM_KeyOnFiftyMegabyteDay(benchmark::State& state)
{
    RunKeystroke(state, QStringLiteral("sqrt"), false, FiftyMegabyteDayPath(), QStringLiteral("sqr"),
                 "goal < 500 ms: ");
}

} // namespace

BENCHMARK(BM_OpenLog)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_KeystrokeAbsentWord)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_KeystrokeWordAndExclusion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_KeystrokeWildcard)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_KeystrokeRegularExpression)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_KeyOnTenThousandLineDay)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_KeyOnFiftyMegabyteDay)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

SUMVELLE_BENCHMARK_MAIN()
