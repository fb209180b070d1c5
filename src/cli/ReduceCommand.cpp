// vokcli reduce: frames to 8-bit frames with one shared palette, the standard colours at their positions.
#include "CliCommands.h"
#include "ColourArgs.h"
#include "colours/ReduceFrames.h"

namespace vok::cli {

namespace {

int RunReduce(const Args& args) {
    ArgReader reader(args);
    ColourArgs colour;
    ReduceSettings settings;
    std::string folder;
    std::vector<std::string> frames;
    colour.readAll(
        reader, true, [&](const std::string& file) { frames.push_back(file); },
        [&](const std::string& option, ArgReader& r) {
            if (option == "-o") {
                folder = r.value(option);
                if (folder.empty()) throw UsageError("-o needs a folder");
            } else if (option == "--dither") {
                const std::string how = r.value(option);
                if (how != "none" && how != "fs") throw UsageError("--dither takes none or fs");
                settings.dither = how == "fs";
            } else {
                return false;
            }
            return true;
        });
    if (frames.empty()) throw UsageError("no frames given");
    settings.options = colour.options;
    ReduceFiles(frames, folder, colour.colors(), settings);
    return 0;
}

const CliRegistrar registrar("reduce",
                             "[--colors FILE] [--no-standard-colors] [--no-background] [--dither none|fs] "
                             "[-o FOLDER] FRAME...",
                             RunReduce);

}  // namespace

}  // namespace vok::cli
