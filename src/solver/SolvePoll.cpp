#include "solver/SolvePoll.h"

#include <QCoreApplication>
#include <QLabel>

SolvePoll::SolvePoll(QLabel* status, const bool& cancelRequested) : label(status), requested(cancelRequested)
{
    clock.start();
}

bool SolvePoll::Cancelled()
{
    if (clock.elapsed() < nextPoll)
        return false;
    dots = dots >= 3 ? 1 : dots + 1;
    label->setText(QStringLiteral("(Type to Cancel) Solving") + QString(dots, QLatin1Char('.')));
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (requested)
        return true;
    nextPoll += PeriodMs;
    return false;
}
