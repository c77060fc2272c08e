#include "benchsupport.h"

#include "pad/StoragePaths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

// Documents of the largest size Open accepts, of short lines. Open is
// measured beside the editor's own setPlainText of the same text, since that
// part is Qt's and not ours.

namespace {

QByteArray LargeDocument()
{
    QByteArray bytes;
    bytes.reserve(MainWindow::MaximumDocumentBytes);
    int i = 0;
    while (bytes.size() < MainWindow::MaximumDocumentBytes - 64) {
        switch (i % 3) {
        case 0:
            bytes += "price = " + QByteArray::number(i) + " * 1.075 + 12\n";
            break;
        case 1:
            bytes += "  " + QByteArray::number(i * 1.075 + 12, 'f', 3) + "          \n";
            break;
        default:
            bytes += "sqrt(price) + LOG(" + QByteArray::number(i % 97) + ")\n";
            break;
        }
        ++i;
    }
    return bytes;
}

// The large document, written once for every benchmark of the run.
const QString& LargeDocumentPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString filePath = dir.filePath(QStringLiteral("large.txt"));
        const QByteArray bytes = LargeDocument();
        QFile file(filePath);
        if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return filePath;
    }();
    return path;
}

double Seconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e9;
}

void BM_OpenBeyondSetPlainText(benchmark::State& state)
{
    const QString& path = LargeDocumentPath();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("cannot write the document");
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    for (auto _ : state) {
        QPlainTextEdit editor;
        QElapsedTimer timer;
        timer.start();
        editor.setPlainText(text);
        const double editorOnly = Seconds(timer);

        MainWindow window;
        timer.restart();
        window.OpenDocumentFromPath(path);
        const double open = Seconds(timer);

        state.SetIterationTime(open);
        state.counters["setPlainText_s"] = editorOnly;
        state.counters["open_s"] = open;
        state.counters["beyond_s"] = open - editorOnly;
        state.counters["goal_beyond_s"] = 1.0;
        state.counters["lines"] = text.count(QLatin1Char('\n'));
    }
}

void BM_SaveLargeDocument(benchmark::State& state)
{
    const QString& source = LargeDocumentPath();
    if (source.isEmpty()) {
        state.SkipWithError("cannot write the document");
        return;
    }
    QTemporaryDir dir;
    MainWindow window;
    window.OpenDocumentFromPath(source);
    const QString target = dir.filePath(QStringLiteral("saved.txt"));
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const bool saved = window.WriteDocumentFile(target);
        const double seconds = Seconds(timer);
        state.SetIterationTime(seconds);
        state.counters["save_s"] = seconds;
        state.counters["goal_s"] = 2.0;
        state.counters["ratio_to_goal"] = seconds / 2.0;
        if (!saved)
            state.SkipWithError("save failed");
    }
}

// The log is only ever appended to: its size must not matter.
void BM_WriteLogToLargeLog(benchmark::State& state)
{
    MainWindow window;
    QString pad;
    for (int i = 0; i < 10000; ++i)
        pad += QStringLiteral("%1 * 3 + 7\n").arg(i);
    window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(pad);

    const QString logPath = StoragePaths::LogFilePath();
    QDir().mkpath(StoragePaths::DataDirectory());
    {
        QFile log(logPath);
        if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            state.SkipWithError("cannot make the log");
            return;
        }
        const QByteArray line(99, 'l');
        for (int i = 0; i < 1024 * 1024; ++i)
            log.write(line + '\n');
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        window.WriteLog();
        const double milliseconds = timer.nsecsElapsed() / 1e6;
        state.SetIterationTime(milliseconds / 1000.0);
        state.counters["writelog_ms"] = milliseconds;
        state.counters["goal_ms"] = 50;
    }
    QFile::remove(logPath);
}

} // namespace

BENCHMARK(BM_OpenBeyondSetPlainText)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLargeDocument)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLogToLargeLog)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

SUMVELLE_BENCHMARK_MAIN()
