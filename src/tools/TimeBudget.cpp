#include "tools/TimeBudget.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>

#include <memory>

namespace {

// Outlives the caller when the time runs out: the parts still hold it.
struct BudgetedRun
{
    std::function<void(int, const std::atomic<bool>&)> work;
    std::atomic<bool> abandoned{false};
    QMutex mutex;
    QWaitCondition finishedCondition;
    int running = 0;
};

} // namespace

bool RunWithinTimeBudget(int budgetMs, int partCount,
                         const std::function<void(int part, const std::atomic<bool>& abandoned)>& work)
{
    if (partCount < 1)
        return true;
    auto run = std::make_shared<BudgetedRun>();
    run->work = work;
    run->running = partCount;

    const QDeadlineTimer deadline(budgetMs);
    QThreadPool* pool = QThreadPool::globalInstance();
    for (int part = 0; part < partCount; ++part) {
        // A reserved thread starts at once, even while abandoned runs still
        // occupy the pool.
        pool->reserveThread();
        pool->startOnReservedThread([run, part]() {
            run->work(part, run->abandoned);
            QMutexLocker locker(&run->mutex);
            if (--run->running == 0)
                run->finishedCondition.wakeAll();
        });
    }

    QMutexLocker locker(&run->mutex);
    while (run->running > 0) {
        if (!run->finishedCondition.wait(&run->mutex, deadline))
            break;
    }
    if (run->running > 0) {
        run->abandoned = true;
        return false;
    }
    return true;
}
