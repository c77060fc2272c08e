#include "tools/TimeBudget.h"

#include <QMetaObject>
#include <QMutex>
#include <QObject>
#include <QThreadPool>
#include <QWaitCondition>

bool RunSearchParts(int partCount, const std::function<bool(int part)>& work)
{
    if (partCount < 1)
        return true;
    if (partCount == 1)
        return work(0);

    QMutex mutex;
    QWaitCondition finishedCondition;
    int running = partCount - 1;
    std::atomic<bool> allCompleted{true};
    QThreadPool* pool = QThreadPool::globalInstance();
    for (int part = 1; part < partCount; ++part) {
        // A reserved thread starts at once, however busy the pool is.
        pool->reserveThread();
        pool->startOnReservedThread([&, part]() {
            if (!work(part))
                allCompleted = false;
            QMutexLocker locker(&mutex);
            if (--running == 0)
                finishedCondition.wakeAll();
        });
    }
    // The calling thread takes the first part itself instead of idling.
    if (!work(0))
        allCompleted = false;

    QMutexLocker locker(&mutex);
    while (running > 0)
        finishedCondition.wait(&mutex);
    return allCompleted.load();
}

BackgroundTask::BackgroundTask(QObject* receiver, int budgetMs, std::function<void(SearchLimit& limit)> work,
                               std::function<void()> done)
    : limit(budgetMs)
    , alive(std::make_shared<char>(0))
{
    const std::weak_ptr<char> owner = alive;
    thread = std::thread([this, receiver, owner, work = std::move(work), done = std::move(done)]() {
        work(limit);
        QMetaObject::invokeMethod(
            receiver,
            [owner, done]() {
                if (done && !owner.expired())
                    done();
            },
            Qt::QueuedConnection);
    });
}

BackgroundTask::~BackgroundTask()
{
    limit.Cancel();
    Wait();
}

void BackgroundTask::Wait()
{
    if (thread.joinable())
        thread.join();
}
