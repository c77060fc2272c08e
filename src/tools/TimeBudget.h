#pragma once

#include <QDeadlineTimer>

#include <atomic>
#include <functional>

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
