// vokcli delete-shadows and copy-shadows: the special pixels of frames, changed in place.
#include "CliCommands.h"
#include "ColourArgs.h"
#include "colours/ColourFiles.h"

namespace vok::cli {

namespace {

int RunDelete(const Args& args) {
    ArgReader reader(args);
    ColourArgs colour;
    std::vector<std::string> frames;
    colour.readAll(reader, false, [&](const std::string& file) { frames.push_back(file); });
    if (frames.empty()) throw UsageError("no frames given");
    DeleteShadowsInFiles(frames, colour.colors());
    return 0;
}

int RunCopy(const Args& args) {
    ArgReader reader(args);
    ColourArgs colour;
    ShadowCopySettings settings;
    std::vector<std::string> sources, targets;
    std::vector<std::string>* list = nullptr;
    const auto file = [&](const std::string& name) {
        if (!list) throw UsageError("files must follow --sources or --targets");
        list->push_back(name);
    };
    colour.readAll(reader, false, file, [&](const std::string& option, ArgReader& r) {
        if (option == "--sources") list = &sources;
        else if (option == "--targets") list = &targets;
        else if (option == "--no-overwrite") settings.overwrite = false;
        else if (option == "--no-copy-background") settings.copyBackground = false;
        else if (option == "--dx") settings.dx = r.intValue(option);
        else if (option == "--dy") settings.dy = r.intValue(option);
        else return false;
        return true;
    });
    if (sources.empty() || targets.empty()) throw UsageError("--sources and --targets need files");
    CopyShadowsInFiles(sources, targets, colour.colors(), settings);
    return 0;
}

const CliRegistrar deleteRegistrar("delete-shadows", "[--colors FILE] FRAME...", RunDelete);
const CliRegistrar copyRegistrar("copy-shadows",
                                 "[--colors FILE] [--no-overwrite] [--no-copy-background] [--dx N] [--dy N] "
                                 "--sources S1 [S2 ...] --targets T1 [T2 ...]",
                                 RunCopy);

}  // namespace

}  // namespace vok::cli
