#pragma once
// The commands of vokcli. Each command file registers itself with a static CliRegistrar that
// declares its options once: the parser, the option checks and the help all come from it.
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace vok::cli {

// Runs a command whose options have been parsed; returns the exit code, failures throw.
using RunCommand = std::function<int()>;

struct CliCommand {
    std::string name;
    std::string summary;  // what the command does
    std::string example;  // one command line, shown under the help
    // Declares the command's options and arguments on its subcommand; the returned function
    // runs the command once they are parsed.
    std::function<RunCommand(CLI::App&)> declare;
};

std::vector<CliCommand>& Commands();

// The text a failure is reported with: the file it concerns first ("FILE: message"),
// unless the message already names it.
std::string FailureText(const std::exception& failure);

struct CliRegistrar {
    explicit CliRegistrar(CliCommand command);
};

}  // namespace vok::cli
