#include "benchsupport.h"

#include "pad/mainwindow.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <chrono>
#include <vector>

// Predictive text on every keystroke: one refresh of the popup and the hint
// with the full vocabulary (the catalogue, the conversion phrases and some
// variables and user functions), and one typed character on a large pad
// that opens the popup. Each prints its median beside the goal.

namespace {

constexpr double RefreshGoalMs = 0.5;
constexpr double KeystrokeGoalMs = 2.0;

QPlainTextEdit* PadOf(MainWindow& window)
{
    return window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}

void SendKey(QPlainTextEdit* pad, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(pad, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(pad, &release);
}

// A pad of the given number of question lines, with 50 variables and 20 user
// functions, so that every part of the vocabulary is there.
void PreparePad(MainWindow& window, int lines)
{
    MainWindow::UndoState state;
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("%1*3+%2\n").arg(i).arg(i % 7);
    state.text = text;
    state.cursorPosition = int(text.size());
    state.anchor = state.cursorPosition;
    for (int i = 0; i < 50; ++i)
        state.variables.insert(QStringLiteral("VALUE%1").arg(i), double(i));
    window.RestoreUndoState(state);
    DefineUnusedFunctions(window, 20);
    PadOf(window)->moveCursor(QTextCursor::End);
}

void ReportMedian(benchmark::State& state, std::vector<double>& samples, double goalMs)
{
    if (samples.empty())
        return;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    const double medianMs = samples.at(samples.size() / 2) * 1e3;
    state.counters["median_ms"] = medianMs;
    state.counters["goal_ms"] = goalMs;
    state.counters["x_goal"] = medianMs / goalMs;
}

// The lines a refresh meets: a function name, a unit with many phrases, a
// conversion phrase, a call with its hint and a line that offers nothing.
const char* const RefreshLines[] = {"2*si", "12 in", "12 inch to c", "MAX(1, SIN(2), ", "1+2*3"};

// (a) One refresh of the popup and the hint, model and width included.
void BM_Refresh(benchmark::State& state)
{
    MainWindow window;
    PreparePad(window, 10);
    QPlainTextEdit* pad = PadOf(window);
    pad->insertPlainText(QString::fromLatin1(RefreshLines[state.range(0)]));
    window.UpdatePredictiveText(); // the vocabulary is made once, before the timing

    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.UpdatePredictiveText();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
    }
    ReportMedian(state, samples, RefreshGoalMs);
    if (const QCompleter* completer = window.findChild<QCompleter*>())
        state.counters["rows"] = completer->popup()->isVisible() ? completer->completionCount() : 0;
    state.SetLabel(RefreshLines[state.range(0)]);
}
BENCHMARK(BM_Refresh)->DenseRange(0, 4)->UseManualTime()->Unit(benchmark::kMicrosecond);

// (b) One typed character on a pad of 10,000 lines, the popup showing: the
// letters of "sin" typed again and again at the end of the pad.
void BM_TypeCharacterWithPopup(benchmark::State& state)
{
    MainWindow window;
    const int lines = int(state.range(0));
    PreparePad(window, lines);
    QPlainTextEdit* pad = PadOf(window);
    SendKey(pad, Qt::Key_2, QStringLiteral("2"));
    SendKey(pad, Qt::Key_Asterisk, QStringLiteral("*"));
    const int base = pad->document()->characterCount() - 1;
    const QString word = QStringLiteral("si");
    int typed = 0;

    std::vector<double> samples;
    for (auto _ : state) {
        if (typed == int(word.size())) {
            state.PauseTiming();
            QTextCursor cursor(pad->document());
            cursor.setPosition(base);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            pad->moveCursor(QTextCursor::End);
            typed = 0;
            state.ResumeTiming();
        }
        const QChar c = word.at(typed++);
        const auto start = std::chrono::steady_clock::now();
        SendKey(pad, Qt::Key_A + (c.unicode() - 'a'), QString(c));
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
    }
    ReportMedian(state, samples, KeystrokeGoalMs);
}
BENCHMARK(BM_TypeCharacterWithPopup)->Arg(10)->Arg(10000)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
