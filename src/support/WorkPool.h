#pragma once
// The program's one pool of worker threads and the parallel loop over frames that every
// batch command uses. Items start in index order; each writes only its own results, so
// the output never depends on how many threads run.
#include <cstddef>
#include <functional>

#include "support/Progress.h"

namespace vok {

// Threads parallel work may use: set by `vokcli --jobs` or VOK_JOBS, else the number of cores.
int WorkerCount();
// 0 or less: the number of cores again.
void SetWorkerCount(int count);
// VOK_JOBS as a thread count, or 0 when it is unset or not a positive number.
int WorkerCountFromEnvironment();

struct WorkLoop;

// What a running item may ask of its loop.
class WorkItem {
public:
    WorkItem(std::size_t index, WorkLoop* loop) : index_(index), loop_(loop) {}
    std::size_t index() const { return index_; }
    // Call when the item has done all but writing: waits until every earlier item has come
    // as far, and says whether to write. False once the loop stopped, so a file whose turn
    // comes after a failed (or cancelled) one stays untouched, as if the items ran in turn.
    bool readyToWrite() const;

private:
    std::size_t index_;
    WorkLoop* loop_;  // null on one thread: nothing to wait for
};

// Runs work(item) for every index below `count` on up to WorkerCount() threads. The
// progress hears "done of count" on the calling thread only (so a window's dialog is
// served on its own thread), as items finish in any order. When it asks to stop, no
// further item starts and running ones write nothing more; the loop then raises ECancelled.
// When items fail, no item after the first failure starts, and the failure of the
// lowest index is raised once every running item has ended. Called from inside an item,
// the loop runs on that item's thread.
void ParallelFor(std::size_t count, const std::function<void(const WorkItem&)>& work, IProgress* progress = nullptr);

// Splits [0, count) into `ranges` runs of consecutive indexes (fewer when count is smaller)
// and runs work(range, first, last) for each on the pool. The split does not depend on the
// thread count, so results combined in range order afterwards come out the same on any
// machine. Returns the number of runs.
std::size_t ParallelRanges(std::size_t count, std::size_t ranges,
                           const std::function<void(std::size_t range, std::size_t first, std::size_t last)>& work);

}  // namespace vok
