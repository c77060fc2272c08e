#pragma once

// The window's private state as tests and benchmarks reach it: one friend of
// MainWindow for all of them.

#include "help/HelpWindow.h"
#include "pad/mainwindow.h"
#include "tools/TravokMonetization.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

struct MainWindowTestAccess
{
    // Gives the window the state of reference, a new window; see
    // TestSupport::resetWindow.
    static void resetToNew(MainWindow& window, const MainWindow& reference);

    // ---- Answers, variables and the number format ----
    static double ans(const MainWindow& window) { return window.ans; }
    static double& ans(MainWindow& window) { return window.ans; }
    static QString ansText(const MainWindow& window) { return window.ansText; }
    static QString& ansText(MainWindow& window) { return window.ansText; }
    static bool ansIsDateTime(const MainWindow& window) { return window.ansIsDateTime; }
    static bool& ansIsDateTime(MainWindow& window) { return window.ansIsDateTime; }
    static void setAns(MainWindow& window, double value) { window.ans = value; }
    static void setAns(MainWindow& window, double ans, const QString& ansText, bool ansIsDateTime)
    {
        window.ans = ans;
        window.ansText = ansText;
        window.ansIsDateTime = ansIsDateTime;
    }
    static void setDateTimeAnswer(MainWindow& window, const QString& text)
    {
        window.ansText = text;
        window.ansIsDateTime = true;
    }
    static QMap<QString, double>& variables(MainWindow& window) { return window.variables; }
    static void setVariable(MainWindow& window, const QString& name, double value)
    {
        window.variables.insert(name, value);
    }
    // Variables whose names look like numbers or constants, and an ANS, for
    // the pipeline's benchmarks and tests.
    static void prepare(MainWindow& window)
    {
        window.variables.insert(QStringLiteral("X"), 3.0);
        window.variables.insert(QStringLiteral("RATE"), 0.05);
        window.variables.insert(QStringLiteral("PRICE"), 19.99);
        window.variables.insert(QStringLiteral("E3"), 7.0);
        window.ans = 42.0;
    }
    static QString numberFormat(const MainWindow& window) { return window.numberFormat; }
    static QString& numberFormat(MainWindow& window) { return window.numberFormat; }
    static void setNumberFormat(MainWindow& window, const QString& format) { window.numberFormat = format; }

    // ---- User-defined functions ----
    static void define(MainWindow& window, const QString& name, const QStringList& parameters,
                       const QString& expression)
    {
        window.customFunctions.insert(name, {name, parameters, expression});
    }
    // A function of one parameter that doubles it.
    static void addCustomFunction(MainWindow& window, const QString& name,
                                  const QString& parameter = QStringLiteral("X"))
    {
        window.customFunctions.insert(name, {name, {parameter}, parameter + QStringLiteral("*2")});
    }
    static QMap<QString, MainWindow::CustomFunctionDefinition>& customFunctions(MainWindow& window)
    {
        return window.customFunctions;
    }

    // ---- Undo history ----
    static QList<MainWindow::UndoState>& undoStack(MainWindow& window) { return window.undoStack; }
    static QList<MainWindow::UndoState>& redoStack(MainWindow& window) { return window.redoStack; }
    static qsizetype undoSteps(const MainWindow& window) { return window.undoStack.size(); }
    static qsizetype redoSteps(const MainWindow& window) { return window.redoStack.size(); }
    static QString oldestUndoText(const MainWindow& window)
    {
        return window.undoStack.isEmpty() ? QString() : window.undoStack.first().text;
    }
    // Puts a snapshot back by building the whole pad anew.
    static void restoreInFull(MainWindow& window, const MainWindow::UndoState& state)
    {
        window.RestoreUndoState(state, MainWindow::PadRestore::InFull);
    }

    // ---- Run flags ----
    static bool& busy(MainWindow& window) { return window.busy; }
    static bool solveRunning(const MainWindow& window) { return window.solveRunning; }
    static bool& solveRunning(MainWindow& window) { return window.solveRunning; }
    static void setSolveRunning(MainWindow& window, bool running) { window.solveRunning = running; }
    static bool solveCancelRequested(const MainWindow& window) { return window.solveCancelRequested; }
    static bool solveCancelled(const MainWindow& window) { return window.solveCancelled; }
    static bool solveApproximate(const MainWindow& window) { return window.solveApproximate; }

    // ---- Pad and documents ----
    static void setDocumentPath(MainWindow& window, const QString& path) { window.documentPath = path; }
    static bool focusNextPrevChild(MainWindow& window) { return window.focusNextPrevChild(true); }
    // Stand-ins for the completer and the hold-back timer that predictive
    // text makes, wired to the window as it wires its own.
    static QCompleter* installCompleter(MainWindow& window, QPlainTextEdit* editor)
    {
        auto* completer = new QCompleter(QStringList{"SIN", "SQRT", "SUM"}, &window);
        completer->setWidget(editor);
        completer->popup()->installEventFilter(&window);
        window.autoCompleter = completer;
        return completer;
    }
    static QTimer* installHoldBackTimer(MainWindow& window)
    {
        auto* timer = new QTimer(&window);
        timer->setSingleShot(true);
        timer->setInterval(1000);
        window.suggestionSuppressTimer = timer;
        return timer;
    }

    // ---- Release check ----
    static bool releaseCheckDone(const MainWindow& window) { return window.releaseCheckDone; }
    static bool releaseAvailable(const MainWindow& window) { return window.releaseAvailable; }
    static void reportRelease(MainWindow& window, TravokMonetization::ReleaseCheckResult result)
    {
        window.HandleReleaseCheckResult(result, TravokMonetization::ReleaseMetadata(), TravokMonetization::Unknown);
    }

    // Help command and window
    static QString pendingHelpKey(const MainWindow& window) { return window.pendingHelpKey; }
    static void setPendingHelpKey(MainWindow& window, const QString& key) { window.pendingHelpKey = key; }
    static HelpWindow* helpWindow(const MainWindow& window) { return window.helpWindow; }
    static HelpWindow* ensureHelpWindow(MainWindow& window)
    {
        window.EnsureHelpWindow();
        return window.helpWindow;
    }
    // The text on show before its banners were fitted to the view.
    static QString currentHelpText(const HelpWindow& help) { return help.currentText; }
    static QStandardItem* findNavigationItem(const HelpWindow& help, const QString& key)
    {
        return help.FindNavigationItem(key);
    }
    static void showStandaloneText(HelpWindow& help, const QString& text) { help.ShowStandaloneText(text); }
    static int availableTextWidth(const HelpWindow& help) { return help.AvailableTextWidth(); }
    static void refreshHelpText(HelpWindow& help) { help.RefreshDisplayedHelpText(); }
    static QString formatForCurrentWidth(const HelpWindow& help, const QString& text)
    {
        return help.FormatHelpTextForCurrentWidth(text);
    }
    static QString buildTitleLine(const HelpWindow& help, const QString& title, int width)
    {
        return help.BuildTitleLine(title, width);
    }
    static QString buildFullWidthEquals(const HelpWindow& help, int width) { return help.BuildFullWidthEquals(width); }

    // Predictive text
    static QCompleter* completer(MainWindow& window)
    {
        window.MakeCompleter();
        return window.autoCompleter;
    }
    static QLabel* syntaxHint(const MainWindow& window) { return window.syntaxHintLabel; }
    static QTimer* suggestionHoldBack(const MainWindow& window) { return window.suggestionSuppressTimer; }
    static int autoCompletePrefixStart(const MainWindow& window) { return window.autoCompletePrefixStart; }
    static int autoCompletePrefixEnd(const MainWindow& window) { return window.autoCompletePrefixEnd; }
};
