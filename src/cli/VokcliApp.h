#pragma once
// vokcli's command line: every registered command as a subcommand of one parser.
#include <memory>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "CliCommands.h"

namespace vok::cli {

struct VokcliApp {
    CLI::App app{"vokcli: the batch companion of Vok Tool. Prepares sprite frame pictures without a window.",
                 "vokcli"};
    std::vector<std::pair<CLI::App*, RunCommand>> runs;
    int jobs = 0;  // --jobs; 0: VOK_JOBS or the number of cores
};

std::unique_ptr<VokcliApp> BuildVokcliApp();

// Parses the command line and runs the chosen command: 0 done, 1 failed, 2 wrong usage.
int RunVokcli(int argc, char** argv);

}  // namespace vok::cli
