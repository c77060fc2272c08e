#include "benchsupport.h"

#include "pad/mainwindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <vector>

// The pad under load: pads of 10, 1,000 and 10,000 lines of questions and
// answers, measuring what a user waits for: one typed character, one Up or
// Down, one Enter with its answer, one Undo; the live preview on its own,
// for each kind of line; and the undo snapshot alone up to a million lines.

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
        const QString answer =
            line % 10 == 5 ? QStringLiteral("-Cannot Solve-") : QString::number((line - 1) * 3 + (line - 1) % 7);
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

// One kind of keystroke, again and again, on a pad that keeps its size.
// Typing: one character in the last line, in the middle of a run of typing,
// so the undo transaction is open and every handler of a keystroke runs, the
// live preview included. Moving: Up and Down in turn between the last
// question and its answer, each move previewing the line it reaches.
class KeystrokeLoop
{
public:
    enum Kind { TypeCharacter = 0, MoveCursor = 1 };

    KeystrokeLoop(int lines, Kind keystroke) : fixture(lines), kind(keystroke)
    {
        if (kind == MoveCursor) {
            fixture.Key(Qt::Key_Up);
            fixture.Key(Qt::Key_Up);
        } else {
            fixture.Type(QStringLiteral("12"));
        }
        base = fixture.Length();
    }

    // Whether Tidy must run, outside the timing, before the next Press.
    bool NeedsTidying() const { return kind == TypeCharacter && typed == 40; }
    void Tidy()
    {
        fixture.CutBackTo(base);
        typed = 0;
    }

    void Press()
    {
        if (kind == MoveCursor) {
            fixture.Key(down ? Qt::Key_Down : Qt::Key_Up);
            down = !down;
        } else {
            fixture.Key(Qt::Key_7, QStringLiteral("7"));
            ++typed;
        }
    }

private:
    PadFixture fixture;
    Kind kind;
    int base = 0;
    int typed = 0;
    bool down = true;
};

void RunKeystrokes(benchmark::State& state, KeystrokeLoop::Kind kind)
{
    KeystrokeLoop loop(int(state.range(0)), kind);
    for (auto _ : state) {
        if (loop.NeedsTidying()) {
            state.PauseTiming();
            loop.Tidy();
            state.ResumeTiming();
        }
        loop.Press();
    }
}

// (a) One character typed in the last line.
void BM_TypeCharacter(benchmark::State& state)
{
    RunKeystrokes(state, KeystrokeLoop::TypeCharacter);
}
BENCHMARK(BM_TypeCharacter)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// (a') One Up or Down.
void BM_CursorMove(benchmark::State& state)
{
    RunKeystrokes(state, KeystrokeLoop::MoveCursor);
}
BENCHMARK(BM_CursorMove)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

double SecondsOf(KeystrokeLoop& loop)
{
    if (loop.NeedsTidying())
        loop.Tidy();
    const auto start = std::chrono::steady_clock::now();
    loop.Press();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// (a'') The same keystroke on a 10,000-line pad and on a 10-line pad, taken
// in turns so that both meet the same machine. The time is the large pad's;
// "pad10_us" is the small pad's mean and "x_pad10" the ratio of the two.
void BM_KeystrokeAgainstSmallPad(benchmark::State& state)
{
    const auto kind = KeystrokeLoop::Kind(state.range(0));
    KeystrokeLoop large(10000, kind);
    KeystrokeLoop small(10, kind);
    double largeTotal = 0.0;
    double smallTotal = 0.0;
    for (auto _ : state) {
        const double largeSeconds = SecondsOf(large);
        smallTotal += SecondsOf(small);
        largeTotal += largeSeconds;
        state.SetIterationTime(largeSeconds);
    }
    if (state.iterations() > 0 && smallTotal > 0.0) {
        state.counters["pad10_us"] = smallTotal * 1e6 / double(state.iterations());
        state.counters["x_pad10"] = largeTotal / smallTotal;
    }
}
BENCHMARK(BM_KeystrokeAgainstSmallPad)
    ->ArgName("move")
    ->Arg(KeystrokeLoop::TypeCharacter)
    ->Arg(KeystrokeLoop::MoveCursor)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

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

// The live preview alone, for one line of each kind, typical and about 1,000
// characters long. X is a stored variable. "median_us" is the median of the
// single calls; the label shows what the preview said, to prove it did the
// work of that kind of line.
struct PreviewCase
{
    const char* kind;
    QString typical;
    QString long1000;
};

// "term+term+...+term", at least length characters long.
QString LongSum(const QString& term, int length)
{
    QString sum = term;
    while (sum.size() < length)
        sum += QLatin1Char('+') + term;
    return sum;
}

const std::vector<PreviewCase>& PreviewCases()
{
    const QString term = QStringLiteral("12.5*4");
    static const std::vector<PreviewCase> cases = {
        {"expression", QStringLiteral("(12.5*4+3)/2 + x"), LongSum(term, 1000)},
        {"assignment", QStringLiteral("total = 0.05*12 + x"), QStringLiteral("total = ") + LongSum(term, 992)},
        {"comparison", QStringLiteral("0.1 + 0.2 = 0.3 < x"),
         LongSum(term, 495) + QStringLiteral(" < ") + LongSum(term, 495) + QStringLiteral("+1")},
        {"date", QStringLiteral("DATE(\"3/5/2024\") + 30"),
         QStringLiteral("DATE(\"3/5/2024\") + (") + LongSum(term, 975) + QStringLiteral(")*0+30")},
        {"create function", QStringLiteral("CREATE FUNCTION AREA(w, h) = w*h"),
         QStringLiteral("CREATE FUNCTION F(a) = ") + LongSum(QStringLiteral("a*4"), 977)},
    };
    return cases;
}

void BM_Preview(benchmark::State& state)
{
    const PreviewCase& previewCase = PreviewCases().at(size_t(state.range(0)));
    const QString& line = state.range(1) == 0 ? previewCase.typical : previewCase.long1000;

    MainWindow window;
    MainWindow::UndoState padState;
    padState.variables.insert(QStringLiteral("X"), 4.0);
    window.RestoreUndoState(padState);
    const QLabel* status = window.findChild<QLabel*>(QStringLiteral("Label1"));

    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.UpdateRealtimePreview(line, 0);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
    }
    if (!samples.empty()) {
        std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
        state.counters["median_us"] = samples.at(samples.size() / 2) * 1e6;
    }
    state.counters["characters"] = double(line.size());
    state.SetLabel(
        QStringLiteral("%1: %2").arg(QLatin1String(previewCase.kind), status->text().left(40)).toStdString());
}
BENCHMARK(BM_Preview)
    ->ArgNames({"kind", "long"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// (e) Enter on a FALSE chain of 100 terms: the report of 100 lines of 100
// parts each, with the snapshot and the submission.
void BM_FalseReport(benchmark::State& state)
{
    const int terms = int(state.range(0));
    QStringList parts;
    for (int i = 1; i < terms; ++i)
        parts.append(QString::number(i));
    parts.append(QStringLiteral("0"));
    const QString chain = parts.join(QLatin1Char('<'));

    PadFixture fixture(10);
    const int base = fixture.Length();
    for (auto _ : state) {
        state.PauseTiming();
        fixture.CutBackTo(base);
        fixture.pad->textCursor().insertText(chain);
        fixture.pad->moveCursor(QTextCursor::End);
        state.ResumeTiming();
        fixture.Key(Qt::Key_Return, QStringLiteral("\r"));
    }
    state.SetLabel(fixture.pad->document()->lastBlock().previous().text().right(20).toStdString());
}
BENCHMARK(BM_FalseReport)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// (f) The undo snapshot alone, as each Enter takes it, on pads of 10,000 and
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

// (g) One Undo after a one-line edit in the middle of pads of 10,000, 100,000
// and 1,000,000 lines. "first_undo_ms" is the first one after the pad was
// built whole, and "edit_after_undo_ms" the snapshot that the next edit
// takes right after an Undo. Goals: 2, 20 and 200 ms.
void BM_UndoOneLineEdit(benchmark::State& state)
{
    const int lines = int(state.range(0));
    PadFixture fixture(lines);
    QTextCursor middle(fixture.pad->document()->findBlockByNumber(lines / 2));
    middle.movePosition(QTextCursor::EndOfBlock);
    const int editAt = middle.position();
    const auto edit = [&fixture, editAt] {
        fixture.window.SaveUndoState();
        QTextCursor cursor(fixture.pad->document());
        cursor.setPosition(editAt);
        cursor.insertText(QStringLiteral("7"));
    };
    using Clock = std::chrono::steady_clock;
    const auto millisecondsSince = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };

    edit();
    auto start = Clock::now();
    fixture.window.UndoPadState();
    const double firstUndo = millisecondsSince(start);
    double editsAfterUndo = 0.0;
    for (auto _ : state) {
        start = Clock::now();
        edit();
        const double editMs = millisecondsSince(start);
        editsAfterUndo += editMs;
        start = Clock::now();
        fixture.window.UndoPadState();
        state.SetIterationTime(millisecondsSince(start) / 1000.0);
    }
    const double goal = lines <= 10000 ? 2.0 : lines <= 100000 ? 20.0 : 200.0;
    state.counters["goal_ms"] = goal;
    state.counters["first_undo_ms"] = firstUndo;
    if (state.iterations() > 0)
        state.counters["edit_after_undo_ms"] = editsAfterUndo / double(state.iterations());
}
BENCHMARK(BM_UndoOneLineEdit)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// "term+term+...", or "term term ...", at least length characters long.
QString LongLine(const QString& term, int length)
{
    QString line = term;
    while (line.size() < length)
        line += term;
    return line;
}

// (h) One character typed at the end of a long line, the whole keystroke
// with its live preview, in a shown window: a line of about 10 KB of unit
// conversions (goal 20 ms) and one of 200 KB without a blank (goal 50 ms).
void BM_LongLineKey(benchmark::State& state)
{
    const bool conversions = state.range(0) == 0;
    const QString line = conversions ? LongLine(QStringLiteral("5 km to m + 12 ft to in + "), 10000)
                                     : LongLine(QStringLiteral("12*3+4/5-"), 200000);
    PadFixture fixture(10);
    fixture.window.resize(800, 600);
    fixture.window.show();
    fixture.pad->textCursor().insertText(line + QStringLiteral("1"));
    fixture.pad->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    const int base = fixture.Length();
    int typed = 0;
    for (auto _ : state) {
        if (typed == 20) {
            state.PauseTiming();
            fixture.CutBackTo(base);
            typed = 0;
            state.ResumeTiming();
        }
        fixture.Key(Qt::Key_7, QStringLiteral("7"));
        ++typed;
        QCoreApplication::processEvents();
    }
    state.counters["goal_ms"] = conversions ? 20.0 : 50.0;
    state.counters["characters"] = double(line.size());
    state.SetLabel(conversions ? "10 KB of conversions" : "200 KB without a blank");
}
BENCHMARK(BM_LongLineKey)->ArgName("unbroken")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
