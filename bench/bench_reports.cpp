#include "benchsupport.h"

#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"

#include <QFile>
#include <QPlainTextEdit>

// FRACTION's worst cases, values with no simpler fraction below one million
// and a table of six rows, and the INFO report over a 50 MB document,
// whose file is compared with what a save would write.

namespace {

// No simpler fraction: the search runs to q = 999,999 and the table to six
// digits. The last one is so small that every rounded numerator is 0.
const char* const WorstFractionLines[] = {
    "FRACTION(PI)",
    "FRACTION(SQRT(2))",
    "FRACTION(-EXP(1))",
    "FRACTION(1.23456789012e-07)",
};

void BM_FractionWorstCase(benchmark::State& state)
{
    MainWindow window;
    QPlainTextEdit* pad = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    const QString line = QString::fromLatin1(WorstFractionLines[state.range(0)]);
    state.SetLabel(line.toStdString());
    for (auto _ : state) {
        if (!window.HandleFractionFunction(line))
            state.SkipWithError("FRACTION did not claim its line");
        state.PauseTiming();
        pad->clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FractionWorstCase)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A pad of about 1.8 million short lines, 50 MB as UTF-8, saved to a file.
struct LargeDocument
{
    LargeDocument()
    {
        QString text;
        text.reserve(52'000'000);
        int line = 0;
        while (text.size() < 50'000'000) {
            text += QStringLiteral("%1 * 3 + %2 = unit %3\n").arg(line, 7).arg(line % 97, 3).arg(line % 13);
            ++line;
        }
        pad = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        pad->setPlainText(text);
        path = directory.filePath(QStringLiteral("large.txt"));
        MainWindowTestAccess::setDocumentPath(window, path);
        lines = line;
    }

    void Save(qint64 changedFromEnd) const
    {
        QByteArray bytes = window.DocumentBytes();
        if (changedFromEnd > 0)
            bytes[bytes.size() - changedFromEnd] = '#';
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir directory;
    MainWindow window;
    QPlainTextEdit* pad = nullptr;
    QString path;
    int lines = 0;
};

// Built once, on first use, and kept until the program ends: making the
// pad costs far more than any report over it.
LargeDocument& Document()
{
    static LargeDocument* document = new LargeDocument;
    return *document;
}

// Arg 0: the file holds what a save writes, so every byte is compared.
// Arg 1: the last line differs; every byte is read as well.
// Arg 2: the file has one byte more at its end.
void BM_InfoLargeDocument(benchmark::State& state)
{
    LargeDocument& document = Document();
    const qint64 variant = state.range(0);
    document.Save(variant == 1 ? 2 : 0);
    if (variant == 2) {
        QFile file(document.path);
        if (file.open(QIODevice::Append))
            file.write("\n");
    }
    const QString expected = variant == 0 ? QStringLiteral("NO") : QStringLiteral("YES");
    for (auto _ : state) {
        const QString report = document.window.BuildInfoText();
        if (!report.endsWith(QStringLiteral("Modified:             ") + expected))
            state.SkipWithError("the report compared the document wrongly");
    }
    state.counters["lines"] = document.lines;
}
BENCHMARK(BM_InfoLargeDocument)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
