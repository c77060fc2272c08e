#pragma once

#include <atomic>
#include <functional>

// Searches that the user waits for run here: one match call of the regular
// expression engine cannot be interrupted, so the work goes to pool threads
// and the caller waits for it only so long.
//
// Runs work(0) ... work(partCount - 1) at once, each on a thread of its own,
// and returns true when all of them finished within budgetMs. Otherwise it
// raises the flag that every part is given, returns false at once and the
// parts end at their next look at the flag; whatever they still produce must
// be dropped, so they should read and write only data that they share-own,
// never the caller's locals or objects by reference.
bool RunWithinTimeBudget(int budgetMs, int partCount,
                         const std::function<void(int part, const std::atomic<bool>& abandoned)>& work);
