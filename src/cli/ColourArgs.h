#pragma once
// Options shared by the colour commands of vokcli.
#include <string>

#include "colours/ColourOptions.h"
#include "colours/StandardColors.h"

namespace CLI {
class App;
}

namespace vok::cli {

struct ColourArgs {
    std::string colorsFile;  // empty: the eight defaults
    ColourOptions options;

    // Declares --colors FILE and, with the modes, --no-standard-colors and --no-background.
    void declare(CLI::App& app, bool withModes);
    StandardColorTable colors() const;
};

}  // namespace vok::cli
