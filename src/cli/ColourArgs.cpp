#include "ColourArgs.h"

#include <CLI/CLI.hpp>

#include "colours/ColourFiles.h"

namespace vok::cli {

void ColourArgs::declare(CLI::App& app, bool withModes) {
    app.add_option("--colors", colorsFile,
                   "The standard colours: one hexadecimal colour 0xBBGGRR a line, an empty line for an empty "
                   "position (default: the eight default colours)")
        ->type_name("FILE");
    if (!withModes) return;
    app.add_flag("--no-standard-colors", options.noStandardColors,
                 "Keep the picture's own colours at the low positions instead of the standard colours");
    app.add_flag("--no-background", options.noBackground, "Leave position 0 to the picture instead of the background");
}

StandardColorTable ColourArgs::colors() const {
    return colorsFile.empty() ? DefaultStandardColors() : LoadStandardColors(colorsFile);
}

}  // namespace vok::cli
