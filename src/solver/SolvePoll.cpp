#include "solver/SolvePoll.h"

#include "pad/mainwindow.h"

#include <QCoreApplication>

SolvePoll::SolvePoll(MainWindow& owner, const bool& cancelRequested) : window(owner), requested(cancelRequested)
{
    clock.start();
}

bool SolvePoll::Cancelled()
{
    if (clock.elapsed() < nextPoll)
        return false;
    dots = dots >= 3 ? 1 : dots + 1;
    window.ShowStatus(QStringLiteral("(Type to Cancel) Solving") + QString(dots, QLatin1Char('.')));
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (requested)
        return true;
    nextPoll += PeriodMs;
    return false;
}
