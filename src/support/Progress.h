#pragma once
// How a batch command reports how far it has come, and how the user stops it: the command
// asks before each file it writes; a stop ends it there with ECancelled, so every file
// written before stays complete and nothing after it is touched.
#include "support/Errors.h"

namespace vok {

class IProgress {
public:
    virtual ~IProgress() = default;
    // `done` of `total` steps are finished; false: stop before the next one.
    virtual bool Step(int done, int total) = 0;
};

// The user stopped a command. Not a failure: the windows report nothing for it.
class ECancelled : public Exception {
public:
    ECancelled() : Exception("Cancelled") {}
};

// Tells the optional progress how far the command is; ECancelled when the user stopped it.
inline void CheckProgress(IProgress* progress, int done, int total) {
    if (progress != nullptr && !progress->Step(done, total)) throw ECancelled();
}

// Tells the optional progress that all `total` steps are done.
inline void FinishProgress(IProgress* progress, int total) {
    if (progress != nullptr) progress->Step(total, total);
}

}  // namespace vok
