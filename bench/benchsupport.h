#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include "pad/mainwindow.h"
#include "support/testsupport.h"

// Defines count user functions, USERFN0 and up, that no corpus line calls,
// as the user would with CREATE FUNCTION.
inline void DefineUnusedFunctions(MainWindow& window, int count)
{
    for (int i = 0; i < count; ++i)
        window.HandleCustomFunctionCommand(QStringLiteral("CREATE FUNCTION USERFN%1(X, Y) = X*Y + 1").arg(i));
}

// Benchmarks need a QApplication for the main window; they run in the tests'
// environment (offscreen, a temporary home, Qt's test paths), so they never
// touch the user's settings, and their windows start without the release
// check, so they never reach the network.
#define SUMVELLE_BENCHMARK_MAIN()                               \
    int main(int argc, char** argv)                             \
    {                                                           \
        TestSupport::prepareEnvironment();                      \
        QApplication app(argc, argv);                           \
        MainWindow::SetReleaseCheckEnabled(false);              \
        benchmark::Initialize(&argc, argv);                     \
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) \
            return 1;                                           \
        benchmark::RunSpecifiedBenchmarks();                    \
        benchmark::Shutdown();                                  \
        return 0;                                               \
    }
