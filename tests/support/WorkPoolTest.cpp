// The parallel loop: which failure is raised, which items write, and stopping.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

#include "support/WorkPool.h"
#include "support/WorkerCount.h"

namespace vok {
namespace {

TEST(WorkPool, TheFirstFailureInOrderIsRaisedAndNoLaterItemWrites) {
    for (const int threads : {1, 2, 8}) {
        test::WorkerCountFor count(threads);
        std::vector<std::atomic<int>> wrote(64);
        try {
            ParallelFor(wrote.size(), [&](const WorkItem& item) {
                // The later failure comes first in time.
                if (item.index() == 40) throw Exception("bad 40");
                if (item.index() == 20) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    throw Exception("bad 20");
                }
                if (item.readyToWrite()) ++wrote[item.index()];
            });
            ADD_FAILURE() << threads;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "bad 20") << threads;
        }
        for (std::size_t i = 0; i < wrote.size(); ++i) EXPECT_EQ(wrote[i], i < 20 ? 1 : 0) << threads << " " << i;
    }
}

TEST(WorkPool, AForkedChildRunsLoopsOnThreadsOfItsOwn) {
    // The parent's threads are running; the child has none of them and must not wait for them.
    test::WorkerCountFor count(4);
    std::atomic<int> items{0};
    ParallelFor(8, [&](const WorkItem&) { ++items; });
    // Only once they wait for work: the sanitizers' allocator of GCC 12 is not safe to fork
    // while another thread is inside it, and the child would wait on its lock instead.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::alarm(20);
        std::atomic<int> done{0};
        ParallelFor(64, [&](const WorkItem&) { ++done; });
        ::_exit(done == 64 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    EXPECT_EQ(items, 8);
}

TEST(WorkPool, StoppingWritesNothingMoreAndRaisesCancelled) {
    struct StopAtThree : IProgress {
        std::atomic<int>* written;
        int writtenAtStop = -1;
        bool Step(int done, int) override {
            if (done < 3) return true;
            if (writtenAtStop < 0) writtenAtStop = *written;
            return false;
        }
    };
    for (const int threads : {1, 2, 8}) {
        test::WorkerCountFor count(threads);
        std::atomic<int> written{0};
        StopAtThree progress;
        progress.written = &written;
        EXPECT_THROW(ParallelFor(
                         100,
                         [&](const WorkItem& item) {
                             std::this_thread::sleep_for(std::chrono::milliseconds(2));
                             if (item.readyToWrite()) ++written;
                         },
                         &progress),
                     ECancelled);
        // Only items already past their gate when the stop came may finish writing.
        EXPECT_LE(written, progress.writtenAtStop + threads) << threads;
        EXPECT_LT(written, 100) << threads;
    }
}

TEST(WorkPool, RangesCoverEachIndexOnceWhateverTheThreads) {
    for (const int threads : {1, 3}) {
        test::WorkerCountFor count(threads);
        std::vector<int> seen(1000, 0);
        std::vector<std::size_t> firsts(7, 0);
        EXPECT_EQ(ParallelRanges(seen.size(), 7, [&](std::size_t r, std::size_t first, std::size_t last) {
                      firsts[r] = first;
                      for (std::size_t i = first; i < last; ++i) ++seen[i];
                  }),
                  7u);
        EXPECT_EQ(seen, std::vector<int>(1000, 1));
        EXPECT_EQ(firsts, (std::vector<std::size_t>{0, 142, 285, 428, 571, 714, 857}));
    }
}

}  // namespace
}  // namespace vok
