#include "CliCommands.h"

#include "support/Errors.h"

namespace vok::cli {

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

std::string FailureText(const std::exception& failure) {
    const std::string message = failure.what();
    const auto* own = dynamic_cast<const Exception*>(&failure);
    if (!own || own->file().empty() || message.find('"' + own->file() + '"') != std::string::npos) return message;
    return own->file() + ": " + message;
}

CliRegistrar::CliRegistrar(CliCommand command) { Commands().push_back(std::move(command)); }

}  // namespace vok::cli
