#include "benchsupport.h"

#include "support/mainwindowtestaccess.h"

#include "help/HelpWindow.h"

#include <QLineEdit>
#include <QSplitter>

// The help window's two costs the user feels: refitting the banners of the
// complete manual when the window or the splitter moves (goal under 50 ms at
// 1,920 px), and one keystroke of the search filter over every topic (goal
// under 10 ms).

namespace {

using Access = MainWindowTestAccess;

// The help window of a main window, shown on the complete manual with
// 1,920 px of the text view's width available to the text, plus `extra`.
HelpWindow* ShowManual(MainWindow& window)
{
    QString text;
    window.HandleHelpCommand(QStringLiteral("HELP /ALL"), text);
    window.InsertFormattedHelpText(text);
    HelpWindow* help = Access::helpWindow(window);
    help->resize(2200, 900);
    QApplication::processEvents();
    auto* splitter = help->findChild<QSplitter*>(QStringLiteral("helpSplitter"));
    auto* view = help->findChild<QWidget*>(QStringLiteral("helpText"));
    const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
    const int viewWidth = 1920 + view->width() - Access::availableTextWidth(*help);
    splitter->setSizes({total - viewWidth, viewWidth});
    QApplication::processEvents();
    return help;
}

void BM_RefitCompleteManual(benchmark::State& state)
{
    auto window = TestSupport::createWindow();
    HelpWindow* help = ShowManual(*window);
    auto* splitter = help->findChild<QSplitter*>(QStringLiteral("helpSplitter"));
    const QList<int> sizes = splitter->sizes();
    // Alternate the view's width by one pixel, so that every move refits.
    int step = 0;
    for (auto _ : state) {
        ++step;
        splitter->setSizes({sizes[0] + step % 2, sizes[1] - step % 2});
        QApplication::sendPostedEvents();
        Access::refreshHelpText(*help);
    }
    state.counters["width_px"] = Access::availableTextWidth(*help);
    state.counters["lines"] = Access::currentHelpText(*help).count(QLatin1Char('\n')) + 1;
    state.SetLabel("goal < 50 ms");
}
BENCHMARK(BM_RefitCompleteManual)->Unit(benchmark::kMillisecond);

// Only the formatting, without the text view's own relayout.
void BM_FormatCompleteManual(benchmark::State& state)
{
    auto window = TestSupport::createWindow();
    HelpWindow* help = ShowManual(*window);
    const QString manual = Access::currentHelpText(*help);
    for (auto _ : state)
        benchmark::DoNotOptimize(Access::formatForCurrentWidth(*help, manual));
    state.SetLabel("part of the refit");
}
BENCHMARK(BM_FormatCompleteManual)->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke(benchmark::State& state)
{
    auto window = TestSupport::createWindow();
    HelpWindow* help = ShowManual(*window);
    auto* search = help->findChild<QLineEdit*>(QStringLiteral("searchEdit"));
    int step = 0;
    for (auto _ : state) {
        // Typing and taking back the last letter: each is one keystroke.
        search->setText(++step % 2 ? QStringLiteral("interes") : QStringLiteral("interest"));
    }
    state.SetLabel("goal < 10 ms");
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
