#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "pad/mainwindow.h"

// Defines count user functions, USERFN0 and up, that no corpus line calls,
// as the user would with CREATE FUNCTION.
inline void DefineUnusedFunctions(MainWindow& window, int count)
{
    for (int i = 0; i < count; ++i)
        window.HandleCustomFunctionCommand(QStringLiteral("CREATE FUNCTION USERFN%1(X, Y) = X*Y + 1").arg(i));
}

// Benchmarks need a QApplication for the main window; they run offscreen with
// Qt's test paths, so they never touch the user's settings, and their windows
// start without the release check, so they never reach the network.
#define SUMVELLE_BENCHMARK_MAIN()                                   \
    int main(int argc, char** argv)                                 \
    {                                                               \
        QTemporaryDir home;                                         \
        qputenv("HOME", home.path().toUtf8());                      \
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());           \
        qputenv("XDG_DATA_HOME", home.path().toUtf8());             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))         \
            qputenv("QT_QPA_PLATFORM", "offscreen");                \
        QStandardPaths::setTestModeEnabled(true);                   \
        QApplication app(argc, argv);                               \
        MainWindow::SetReleaseCheckEnabled(false);                  \
        benchmark::Initialize(&argc, argv);                         \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))     \
            return 1;                                               \
        benchmark::RunSpecifiedBenchmarks();                        \
        benchmark::Shutdown();                                      \
        return 0;                                                   \
    }
