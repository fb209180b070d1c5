#include "TerminalProgress.h"

#include <unistd.h>

#include <cstdio>

namespace vok::cli {

TerminalProgress::TerminalProgress(std::string what, bool quiet)
    : what_(std::move(what)), shown_(!quiet && isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() {
    if (drawn_) std::fputc('\n', stderr);
}

bool TerminalProgress::Step(int done, int total) {
    if (shown_) {
        std::fprintf(stderr, "\r%s %d of %d", what_.c_str(), done, total);
        std::fflush(stderr);
        drawn_ = true;
    }
    return true;
}

}  // namespace vok::cli
