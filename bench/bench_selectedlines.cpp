#include "benchsupport.h"

#include "pad/mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

// Running 10,000 selected one-line units: the whole run (goal under 5 s),
// each unit against one Enter at the end of a pad of that size, and the
// longest stretch without a repaint of the status line (goal at most
// 100 ms, plus the one unit that was running).

namespace {

constexpr int Units = 10000;
constexpr double GoalSeconds = 5.0;

QString Lines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("%1*3+%2\n").arg(i).arg(i % 7);
    text.chop(1);
    return text;
}

// Records when the status line was painted.
class PaintClock : public QObject
{
public:
    explicit PaintClock(QLabel* label)
    {
        label->installEventFilter(this);
        clock.start();
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const qint64 now = clock.elapsed();
            longestGap = std::max(longestGap, now - last);
            last = now;
        }
        return false;
    }
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestGap = 0;
};

void BM_ExecuteSelectedLines(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = TestSupport::createWindow();
        window->show();
        auto* pad = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        pad->setPlainText(Lines(Units));
        pad->selectAll();
        window->RefreshMenus();
        QCoreApplication::processEvents();
        PaintClock paints(window->findChild<QLabel*>(QStringLiteral("Label1")));
        QElapsedTimer run;
        run.start();
        window->findChild<QAction*>(QStringLiteral("actionExecuteSelectedLines"))->trigger();
        const double seconds = run.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        state.counters["seconds"] = seconds;
        state.counters["goal_ratio"] = seconds / GoalSeconds;
        state.counters["ms_per_unit"] = seconds * 1000.0 / Units;
        state.counters["longest_paint_gap_ms"] = double(paints.longestGap);

        // One Enter at the end of the pad the run left behind.
        pad->moveCursor(QTextCursor::End);
        QTest::keyClicks(pad, QStringLiteral("5*5"));
        QElapsedTimer enter;
        enter.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(pad, &press);
        state.counters["ms_per_enter"] = enter.nsecsElapsed() / 1e6;
    }
}
BENCHMARK(BM_ExecuteSelectedLines)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
