#include "CliCommands.h"

namespace vok::cli {

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

CliRegistrar::CliRegistrar(CliCommand command) { Commands().push_back(std::move(command)); }

}  // namespace vok::cli
