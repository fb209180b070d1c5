#pragma once
// Runs the built vokcli (VOK_VOKCLI) and catches what it reports.
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempFolder.h"

namespace vok::test {

struct VokcliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The word in single quotes, for the shell.
inline std::string ShellQuote(std::string_view word) {
    std::string quoted = "'";
    for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs vokcli with the argument text (quoted where needed): its exit code, stdout and stderr.
inline VokcliResult RunVokcli(const std::string& arguments) {
    const TempFolder capture;
    const std::string command = ShellQuote(VOK_VOKCLI) + " " + arguments + " >" + ShellQuote(capture / "out.txt") +
                                " 2>" + ShellQuote(capture / "err.txt");
    const int status = std::system(command.c_str());
    VokcliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadBytes(capture / "out.txt");
    result.err = ReadBytes(capture / "err.txt");
    return result;
}

// Runs vokcli with each word as one argument.
inline VokcliResult RunVokcliWords(const std::vector<std::string>& words) {
    std::string arguments;
    for (const auto& word : words) arguments += (arguments.empty() ? "" : " ") + ShellQuote(word);
    return RunVokcli(arguments);
}

}  // namespace vok::test
