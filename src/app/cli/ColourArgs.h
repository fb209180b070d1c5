#pragma once
// Options shared by the colour commands of vokcli.
#include <string>

#include "CliCommands.h"
#include "app/ColourOptions.h"
#include "app/StandardColors.h"

namespace vok::cli {

struct ColourArgs {
    std::string colorsFile;  // empty: the eight defaults
    ColourOptions options;

    // Takes --colors FILE, --no-standard-colors and --no-background; false for any other option.
    bool take(const std::string& option, ArgReader& reader, bool withModes);
    StandardColorTable colors() const;
};

}  // namespace vok::cli
