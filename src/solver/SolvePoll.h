#pragma once

#include <QElapsedTimer>

class MainWindow;

// Keeps the window alive during a long solve: once per period it shows
// "(Type to Cancel) Solving" with one to three dots, lets events run and
// tells whether the user typed to cancel. The schedule grows by the period,
// not from the current time, so a slow step is followed by polls until it
// has caught up.
class SolvePoll
{
public:
    SolvePoll(MainWindow& window, const bool& cancelRequested);

    // True when the user asked to stop; polls only when one is due.
    bool Cancelled();

    static constexpr qint64 PeriodMs = 100;

private:
    MainWindow& window;
    const bool& requested;
    QElapsedTimer clock;
    qint64 nextPoll = PeriodMs;
    int dots = 0;
};
