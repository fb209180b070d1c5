#include "TerminalProgress.h"

#include <unistd.h>

#include <cstdio>

#include <CLI/CLI.hpp>

namespace vok::cli {

void DeclareQuiet(CLI::App& app, bool& quiet) {
    app.add_flag("--quiet", quiet, "Show no progress (it is shown only when stderr is a terminal)");
}

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
