#pragma once
// Options shared by the colour commands of vokcli.
#include <functional>
#include <string>

#include "CliCommands.h"
#include "colours/ColourOptions.h"
#include "colours/StandardColors.h"

namespace vok::cli {

struct ColourArgs {
    std::string colorsFile;  // empty: the eight defaults
    ColourOptions options;

    // Takes --colors FILE, --no-standard-colors and --no-background; false for any other option.
    bool take(const std::string& option, ArgReader& reader, bool withModes);

    using FileTaker = std::function<void(const std::string& file)>;
    using OptionTaker = std::function<bool(const std::string& option, ArgReader& reader)>;
    // Reads the arguments to the end: each file goes to `file`; each option to `command` first
    // (true when it took it), then to take(); any other option is a UsageError.
    void readAll(ArgReader& reader, bool withModes, const FileTaker& file, const OptionTaker& command = nullptr);
    StandardColorTable colors() const;
};

}  // namespace vok::cli
