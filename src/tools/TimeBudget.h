#pragma once

#include <QDeadlineTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QObject;

// When a search that the user waits for must stop: at the end of its time
// budget, or at once when it is cancelled because a newer search replaces it.
// The regular expression engine looks at it while it works (LimitedPattern),
// so even a single match that backtracks for minutes ends moments after the
// stop, and no search goes on once its caller has given it up.
class SearchLimit
{
public:
    explicit SearchLimit(int budgetMs) : deadline(budgetMs) {}
    SearchLimit(const SearchLimit&) = delete;
    SearchLimit& operator=(const SearchLimit&) = delete;

    void Cancel() { cancelled = true; }
    // A new budget for the next stage of the same search; a cancel stays.
    // Only the thread that searches may call it, between its matches.
    void RestartBudget(int budgetMs) { deadline = QDeadlineTimer(budgetMs); }
    bool Cancelled() const { return cancelled.load(std::memory_order_relaxed); }
    bool Stopped() const { return Cancelled() || deadline.hasExpired(); }

private:
    QDeadlineTimer deadline;
    std::atomic<bool> cancelled{false};
};

// Runs work(0) ... work(partCount - 1) at once, the first on the calling
// thread and each other on a thread of its own, and returns when every part
// has ended: true when all of them completed,
// false when any gave up (its work returned false). Each part must end soon
// after the limit stops; since the call waits for them, the parts may use the
// caller's data.
bool RunSearchParts(int partCount, const std::function<bool(int part)>& work);

// One search, or other slow work, run on a thread of its own, so that the
// window keeps taking keys while it works. When work has returned, done (if
// any) runs on the receiver's thread, unless this object was destroyed first:
// destroying it cancels the search and waits for its thread, which the limit
// ends moments later. So a newer search replaces an older one by destroying
// it, and no thread outlives its owner. work gets its own copies of what it
// reads.
class BackgroundTask
{
public:
    BackgroundTask(QObject* receiver, int budgetMs, std::function<void(SearchLimit& limit)> work,
                   std::function<void()> done);
    ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Waits for work to return; done is then left to the caller.
    void Wait();

private:
    SearchLimit limit;
    // Lives as long as this object: a done posted after it no longer runs.
    std::shared_ptr<char> alive;
    std::thread thread;
};
