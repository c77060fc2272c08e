#include "benchsupport.h"

#include "pad/mainwindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <chrono>

#include <sys/resource.h>

// The pad under load: pads of 10, 1,000 and 10,000 lines of questions and
// answers, measuring what a user waits for: one typed character, one Enter
// with its answer, one Undo; and the undo snapshot alone up to a million
// lines.

namespace {

// A pad of the given number of lines as a user leaves it: expressions with
// their bold answers, a failed line now and then, and small equation blocks.
MainWindow::UndoState MakePad(int lines)
{
    MainWindow::UndoState state;
    QString text;
    int line = 0;
    while (line < lines) {
        if (line % 50 == 48 && line + 4 <= lines) {
            text += QStringLiteral("{\nx+y=3\nx-y=1\n}\n");
            line += 4;
            continue;
        }
        const QString question = QStringLiteral("%1*3+%2").arg(line).arg(line % 7);
        text += question + QLatin1Char('\n');
        ++line;
        if (line >= lines)
            break;
        const QString answer = line % 10 == 5 ? QStringLiteral("-Cannot Solve-") : QString::number((line - 1) * 3 + (line - 1) % 7);
        if (answer.at(0) != QLatin1Char('-'))
            state.boldRanges.append({int(text.size()), int(answer.size())});
        text += answer + QLatin1Char('\n');
        ++line;
    }
    state.text = text;
    state.cursorPosition = int(text.size());
    state.anchor = state.cursorPosition;
    return state;
}

struct PadFixture
{
    explicit PadFixture(int lines)
    {
        window.RestoreUndoState(MakePad(lines));
        pad = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        pad->moveCursor(QTextCursor::End);
    }

    void Key(int key, const QString& text = QString(), Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(pad, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(pad, &release);
    }

    void Type(const QString& text)
    {
        for (const QChar c : text)
            Key(c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_unknown, QString(c));
    }

    // Removes everything after the given length, as a user deleting it would,
    // so that every iteration meets a pad of the same size.
    void CutBackTo(int length)
    {
        QTextCursor cursor(pad->document());
        cursor.setPosition(length);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        pad->moveCursor(QTextCursor::End);
    }

    int Length() const { return pad->document()->characterCount() - 1; }

    MainWindow window;
    QPlainTextEdit* pad = nullptr;
};

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// (a) One character typed in the last line, in the middle of a run of typing:
// the undo transaction is open and every handler of a keystroke runs.
void BM_TypeCharacter(benchmark::State& state)
{
    PadFixture fixture(int(state.range(0)));
    fixture.Type(QStringLiteral("12"));
    const int base = fixture.Length();
    int typed = 0;
    for (auto _ : state) {
        fixture.Key(Qt::Key_7, QStringLiteral("7"));
        if (++typed == 40) {
            state.PauseTiming();
            fixture.CutBackTo(base);
            typed = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_TypeCharacter)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// (b) Enter on a typical line: the snapshot, the submission and the answer.
void BM_EnterLine(benchmark::State& state)
{
    PadFixture fixture(int(state.range(0)));
    const int base = fixture.Length();
    for (auto _ : state) {
        state.PauseTiming();
        fixture.CutBackTo(base);
        fixture.Type(QStringLiteral("(12.5*4+3)/2"));
        state.ResumeTiming();
        fixture.Key(Qt::Key_Return, QStringLiteral("\r"));
    }
}
BENCHMARK(BM_EnterLine)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// (c) One Undo: the current pad is captured for Redo and a snapshot restored.
// With 100 snapshots of the pad held, the process's peak memory is reported
// beside the time.
void BM_Undo(benchmark::State& state)
{
    PadFixture fixture(int(state.range(0)));
    for (int i = 0; i < MainWindow::MaximumUndoStates; ++i) {
        fixture.Type(QStringLiteral("1"));
        fixture.window.SaveUndoState();
    }
    for (auto _ : state) {
        state.PauseTiming();
        fixture.window.SaveUndoState();
        state.ResumeTiming();
        fixture.window.UndoPadState();
    }
    state.counters["peak_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_Undo)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// (d) The undo snapshot alone, as each Enter takes it, on pads of 10,000 and
// 1,000,000 lines: one character is typed between snapshots, as a user
// would. The first snapshot after the whole pad was restored reads every
// block; its time is reported beside.
void BM_UndoSnapshot(benchmark::State& state)
{
    PadFixture fixture(int(state.range(0)));
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(fixture.window.CaptureUndoState());
    const std::chrono::duration<double, std::milli> first = std::chrono::steady_clock::now() - start;
    const int base = fixture.Length();
    int typed = 0;
    qsizetype boldRanges = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Key(Qt::Key_7, QStringLiteral("7"));
        if (++typed == 40) {
            fixture.CutBackTo(base);
            typed = 0;
        }
        state.ResumeTiming();
        boldRanges = fixture.window.CaptureUndoState().boldRanges.size();
    }
    state.counters["first_after_restore_ms"] = first.count();
    state.counters["bold_ranges"] = double(boldRanges);
}
BENCHMARK(BM_UndoSnapshot)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
