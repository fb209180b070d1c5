// vokcli: the command-line companion of Vok Tool for batch work.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "CliCommands.h"

namespace {

void PrintUsage() {
    std::fprintf(stderr, "usage: vokcli COMMAND ARGS...\n");
    auto commands = vok::cli::Commands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& c : commands) std::fprintf(stderr, "  vokcli %s %s\n", c.name.c_str(), c.usage.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const std::string name = argv[1];
    for (const auto& command : vok::cli::Commands()) {
        if (command.name != name) continue;
        try {
            return command.run(vok::cli::Args(argv + 2, argv + argc));
        } catch (const vok::cli::UsageError& e) {
            std::fprintf(stderr, "vokcli %s: %s\nusage: vokcli %s %s\n", name.c_str(), e.what(), name.c_str(),
                         command.usage.c_str());
            return 2;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", vok::cli::FailureText(e).c_str());
            return 1;
        }
    }
    std::fprintf(stderr, "vokcli: unknown command \"%s\"\n", name.c_str());
    PrintUsage();
    return 2;
}
