#pragma once
// Sets the program's thread count for one test and puts it back afterwards.
#include "support/WorkPool.h"

namespace vok::test {

struct WorkerCountFor {
    explicit WorkerCountFor(int count) { SetWorkerCount(count); }
    ~WorkerCountFor() { SetWorkerCount(0); }
};

}  // namespace vok::test
