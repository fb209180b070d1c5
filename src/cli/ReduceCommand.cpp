// vokcli reduce: frames to 8-bit frames with one shared palette, the standard colours at their positions.
#include <memory>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "TerminalProgress.h"
#include "ColourArgs.h"
#include "colours/ReduceFrames.h"

namespace vok::cli {

namespace {

struct ReduceArgs {
    bool quiet = false;
    ColourArgs colour;
    ReduceSettings settings;
    std::string folder, dither = "none", to;
    std::vector<std::string> frames;
};

RunCommand DeclareReduce(CLI::App& app) {
    auto a = std::make_shared<ReduceArgs>();
    DeclareQuiet(app, a->quiet);
    a->colour.declare(app, true);
    app.add_option("--dither", a->dither, "none (the default, for sprite art) or fs (Floyd-Steinberg)")
        ->check(CLI::IsMember({"none", "fs"}));
    app.add_option("--to", a->to, "Write every frame under its name with this extension, in that format "
                                  "(default: under its own name and format)")
        ->check(CLI::IsMember({"bmp", "pcx", "png"}));
    app.add_option("--reserve", a->settings.reserve,
                   "Palette positions kept free of the pictures' colours, comma-separated (e.g. 2,3,8: positions "
                   "the shadow generator treats as special)")
        ->type_name("POSITIONS")
        ->delimiter(',')
        ->check(CLI::Range(0, 255));
    app.add_option("-o", a->folder, "The folder the 8-bit frames go to (default: over each frame)")
        ->type_name("FOLDER")
        ->check([](const std::string& folder) { return folder.empty() ? "-o needs a folder" : ""; });
    app.add_option("FRAME", a->frames, "The frames, in any depth; they share the palette")->required();
    return [a] {
        a->settings.dither = a->dither == "fs";
        a->settings.options = a->colour.options;
        if (!a->to.empty()) a->settings.extension = "." + a->to;
        TerminalProgress progress("frames written", a->quiet);
        ReduceFiles(a->frames, a->folder, a->colour.colors(), a->settings, &progress);
        return 0;
    };
}

const CliRegistrar reduceRegistrar({"reduce",
                              "Reduce frames to 8-bit frames with one shared palette, the standard colours at their "
                              "positions: combine, a colour reduction and split in one step",
                              "vokcli reduce --to bmp -o ready renders/*.png", DeclareReduce});

}  // namespace

}  // namespace vok::cli
