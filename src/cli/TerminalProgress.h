#pragma once
// Progress of a vokcli command on the terminal: "frames N of M" on one line of stderr,
// only when stderr is a terminal and --quiet was not given.
#include <string>

#include "support/Progress.h"

namespace CLI {
class App;
}

namespace vok::cli {

// Declares --quiet, which keeps the progress off the terminal.
void DeclareQuiet(CLI::App& app, bool& quiet);

class TerminalProgress : public IProgress {
public:
    TerminalProgress(std::string what, bool quiet);
    ~TerminalProgress() override;
    bool Step(int done, int total) override;

private:
    std::string what_;
    bool shown_;
    bool drawn_ = false;
};

}  // namespace vok::cli
