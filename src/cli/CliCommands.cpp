#include "CliCommands.h"

#include "support/Errors.h"
#include "support/ZqStrUtils.h"

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

CliRegistrar::CliRegistrar(std::string name, std::string usage, std::function<int(const Args&)> run) {
    Commands().push_back({std::move(name), std::move(usage), std::move(run)});
}

std::string ArgReader::next() {
    if (done()) throw UsageError("missing argument");
    return args_[pos_++];
}

bool ArgReader::atOption() const {
    if (done()) return false;
    const std::string& a = args_[pos_];
    return a == "-o" || (a.size() > 2 && a.compare(0, 2, "--") == 0);
}

std::string ArgReader::value(const std::string& option) {
    if (done()) throw UsageError(option + " needs a value");
    return args_[pos_++];
}

int ArgReader::intValue(const std::string& option) {
    std::int32_t v = 0;
    if (!TryTextToInt(value(option), v)) throw UsageError(option + " needs a whole number");
    return v;
}

}  // namespace vok::cli
