// The window-handle commands. This program has no way to reach another
// program's windows, and must never try: the words are recognised, the
// handle is checked, and every operation reports that it did nothing.

#include "pad/mainwindow.h"

namespace {

// The first run of decimal digits in the text, any script's digits included;
// whatever stands before it (a sign, a word) is skipped, and the first
// character after it ends the run.
quint64 GetHandleFromText(const QString& text, bool& ok)
{
    ok = false;
    qsizetype start = 0;
    while (start < text.size() && !text.at(start).isDigit())
        ++start;
    qsizetype end = start;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    if (end == start)
        return 0;
    const quint64 handle = text.mid(start, end - start).toULongLong(&ok, 10);
    return ok ? handle : 0;
}

} // namespace

bool MainWindow::HandleWindowsCommand(QString command, QString& result)
{
    command = command.trimmed();
    QString rest;
    if (MatchCommand(command, QStringLiteral("HANDLE"), rest)) {
        result = WindowsHandleList(rest);
        return true;
    }

    // Each word with the operation it runs on a valid handle.
    static const struct
    {
        const char* word;
        bool (*run)(MainWindow& window, quint64 handle);
    } handleWords[] = {
        {"SETNOTTOPMOST", [](MainWindow& window, quint64 handle) { return window.WindowsSetTopMost(handle, false); }},
        {"SETTOPMOST", [](MainWindow& window, quint64 handle) { return window.WindowsSetTopMost(handle, true); }},
        {"DISABLE", [](MainWindow& window, quint64 handle) { return window.WindowsDisableWindow(handle); }},
        {"ENABLE", [](MainWindow& window, quint64 handle) { return window.WindowsEnableWindow(handle); }},
        {"SHOW", [](MainWindow& window, quint64 handle) { return window.WindowsShowWindow(handle); }},
        {"HIDE", [](MainWindow& window, quint64 handle) { return window.WindowsHideWindow(handle); }},
    };
    for (const auto& entry : handleWords) {
        if (!MatchCommand(command, QLatin1String(entry.word), rest))
            continue;
        bool ok = false;
        const quint64 handle = GetHandleFromText(rest, ok);
        if (!ok) {
            result = QStringLiteral("Invalid Handle");
            return true;
        }
        const bool done = entry.run(*this, handle);
        result = done ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    }
    return false;
}

QString MainWindow::WindowsHandleList(QString)
{
    return QStringLiteral("Windows handle tools are only available on Windows.");
}

bool MainWindow::WindowsSetTopMost(quint64, bool)
{
    return false;
}

bool MainWindow::WindowsShowWindow(quint64)
{
    return false;
}

bool MainWindow::WindowsHideWindow(quint64)
{
    return false;
}

bool MainWindow::WindowsEnableWindow(quint64)
{
    return false;
}

bool MainWindow::WindowsDisableWindow(quint64)
{
    return false;
}
