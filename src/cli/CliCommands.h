#pragma once
// The commands of vokcli. Each command file registers itself with a static CliRegistrar.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vok::cli {

using Args = std::vector<std::string>;

// Thrown for wrong arguments: vokcli prints the usage text and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CliCommand {
    std::string name;
    std::string usage;  // the arguments after the name, e.g. "IN OUT [--bits 24]"
    std::function<int(const Args&)> run;  // returns the exit code; failures throw
};

std::vector<CliCommand>& Commands();

// The text a failure is reported with: the file it concerns first ("FILE: message"),
// unless the message already names it.
std::string FailureText(const std::exception& failure);

struct CliRegistrar {
    CliRegistrar(std::string name, std::string usage, std::function<int(const Args&)> run);
};

// Option parsing shared by the commands.
class ArgReader {
public:
    explicit ArgReader(const Args& args) : args_(args) {}
    bool done() const { return pos_ >= args_.size(); }
    const std::string& peek() const { return args_[pos_]; }
    // The next argument; UsageError when there is none.
    std::string next();
    // True when the next argument is an option (starts with "--" or is "-o").
    bool atOption() const;
    // The value after the current option.
    std::string value(const std::string& option);
    int intValue(const std::string& option);

private:
    const Args& args_;
    std::size_t pos_ = 0;
};

}  // namespace vok::cli
