#pragma once
// How a batch command reports how far it has come, and how the user stops it: the command
// calls Step before each file it writes; false stops it there, so every file written before
// stays complete and nothing after it is touched.
namespace vok {

class IProgress {
public:
    virtual ~IProgress() = default;
    // `done` of `total` steps are finished; false: stop before the next one.
    virtual bool Step(int done, int total) = 0;
};

// Asks the optional progress; no progress means go on.
inline bool ProgressGoesOn(IProgress* progress, int done, int total) {
    return progress == nullptr || progress->Step(done, total);
}

}  // namespace vok
