// The worker threads: started on first use, as many as the largest count asked for so
// far, each taking tasks from one queue; they end with the program.
#include "support/WorkPool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <exception>
#include <mutex>
#include <pthread.h>
#include <stop_token>
#include <thread>
#include <vector>

namespace vok {

namespace {

std::atomic<int> g_workerCount{0};  // 0: the number of cores
thread_local bool t_insideItem = false;

class WorkerThreads {
public:
    // The pool of this process. A child forked from a process whose threads had started
    // has none of them: it starts a pool of its own and never touches the parent's copy,
    // whose lock may have been held by a thread that does not exist in the child.
    static WorkerThreads& Shared() {
        static const int forkHandler = ::pthread_atfork(nullptr, nullptr, [] {
            abandoned_ = current_.load();
            current_.store(nullptr);
        });
        (void)forkHandler;
        WorkerThreads* pool = current_.load();
        if (pool == nullptr) {
            auto* fresh = new WorkerThreads;
            if (current_.compare_exchange_strong(pool, fresh))
                pool = fresh;
            else
                delete fresh;
        }
        return *pool;
    }

    // Hands `task` to `copies` threads; the caller learns from the task itself when all are done.
    void start(int copies, const std::function<void()>& task) {
        {
            std::lock_guard lock(mutex_);
            while (int(threads_.size()) < copies) threads_.emplace_back([this](std::stop_token stop) { serve(stop); });
            for (int k = 0; k < copies; ++k) queue_.push_back(task);
        }
        wake_.notify_all();
    }

private:
    void serve(std::stop_token stop) {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, stop, [&] { return !queue_.empty(); });
                if (queue_.empty()) return;
                task = std::move(queue_.front());
                queue_.pop_front();
            }
            task();
        }
    }

    // Never freed: the threads wait for work until the process ends.
    static inline std::atomic<WorkerThreads*> current_{nullptr};
    static inline WorkerThreads* abandoned_ = nullptr;

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::jthread> threads_;
};

}  // namespace

// One loop's shared state.
struct WorkLoop {
    std::size_t count = 0;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> stopFrom{SIZE_MAX};
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t done = 0;
    int running = 0;                // threads still taking items
    std::vector<char> ready;        // items that called readyToWrite
    std::size_t readyPrefix = 0;    // every item below it is ready
    std::vector<std::pair<std::size_t, std::exception_ptr>> failures;

    void stopAt(std::size_t index) {
        std::size_t now = stopFrom.load();
        while (index < now && !stopFrom.compare_exchange_weak(now, index)) {
        }
        std::lock_guard lock(mutex);
        changed.notify_all();
    }

    // Under the mutex.
    void markReady(std::size_t index) {
        ready[index] = 1;
        while (readyPrefix < count && ready[readyPrefix]) ++readyPrefix;
        changed.notify_all();
    }

    bool awaitTurn(std::size_t index) {
        std::unique_lock lock(mutex);
        markReady(index);
        changed.wait(lock, [&] { return readyPrefix >= index || stopFrom.load() <= index; });
        return stopFrom.load() > index;
    }

    void take(const std::function<void(const WorkItem&)>& work) {
        t_insideItem = true;
        for (;;) {
            const std::size_t i = next.fetch_add(1);
            if (i >= count || i >= stopFrom.load()) break;
            try {
                work(WorkItem(i, this));
                // An item that wrote nothing lets the later ones write too.
                std::lock_guard lock(mutex);
                if (!ready[i]) markReady(i);
            } catch (...) {
                {
                    std::lock_guard lock(mutex);
                    failures.emplace_back(i, std::current_exception());
                }
                stopAt(i + 1);
            }
            std::lock_guard lock(mutex);
            ++done;
            changed.notify_all();
        }
        t_insideItem = false;
        std::lock_guard lock(mutex);
        --running;
        changed.notify_all();
    }
};

bool WorkItem::readyToWrite() const { return loop_ == nullptr || loop_->awaitTurn(index_); }

namespace {

void RaiseFirstFailure(std::vector<std::pair<std::size_t, std::exception_ptr>>& failures) {
    if (failures.empty()) return;
    std::sort(failures.begin(), failures.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::rethrow_exception(failures.front().second);
}

}  // namespace

int WorkerCountFromEnvironment() {
    const char* text = std::getenv("VOK_JOBS");
    if (text == nullptr) return 0;
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && n > 0 && n <= 1024 ? int(n) : 0;
}

int WorkerCount() {
    const int set = g_workerCount.load();
    if (set > 0) return set;
    static const int fromEnvironment = WorkerCountFromEnvironment();
    if (fromEnvironment > 0) return fromEnvironment;
    return std::max(1, int(std::thread::hardware_concurrency()));
}

void SetWorkerCount(int count) { g_workerCount = std::max(0, count); }

void ParallelFor(std::size_t count, const std::function<void(const WorkItem&)>& work, IProgress* progress) {
    const int threads = t_insideItem ? 1 : int(std::min<std::size_t>(std::size_t(WorkerCount()), count));
    if (threads <= 1) {
        // One thread: each item in turn, the progress asked before each.
        for (std::size_t i = 0; i < count; ++i) {
            CheckProgress(progress, int(i), int(count));
            work(WorkItem(i, nullptr));
        }
        FinishProgress(progress, int(count));
        return;
    }
    CheckProgress(progress, 0, int(count));
    WorkLoop loop;
    loop.count = count;
    loop.running = threads;
    loop.ready.assign(count, 0);
    bool cancelled = false;
    // The workers take the items; this thread serves the progress until they are through.
    WorkerThreads::Shared().start(threads, [&loop, &work] { loop.take(work); });
    {
        std::unique_lock lock(loop.mutex);
        while (loop.running > 0) {
            loop.changed.wait_for(lock, std::chrono::milliseconds(50));
            if (progress == nullptr || cancelled) continue;
            const std::size_t done = loop.done;
            lock.unlock();
            // Asked on every change and now and then besides, so a dialog's Cancel is served.
            if (!progress->Step(int(done), int(count))) {
                cancelled = true;
                loop.stopAt(0);
            }
            lock.lock();
        }
    }
    RaiseFirstFailure(loop.failures);
    if (cancelled) throw ECancelled();
    FinishProgress(progress, int(count));
}

std::size_t ParallelRanges(std::size_t count, std::size_t ranges,
                           const std::function<void(std::size_t range, std::size_t first, std::size_t last)>& work) {
    ranges = std::max<std::size_t>(1, std::min(ranges, count));
    ParallelFor(ranges, [&](const WorkItem& item) {
        const std::size_t r = item.index();
        work(r, count * r / ranges, count * (r + 1) / ranges);
    });
    return ranges;
}

}  // namespace vok
