// vokcli combine: frames side by side with the standard-colour strips, plus the record for split.
#include "CliCommands.h"
#include "ColourArgs.h"
#include "colours/ColourFiles.h"

namespace vok::cli {

namespace {

int RunCombine(const Args& args) {
    ArgReader reader(args);
    ColourArgs colour;
    std::string out;
    std::vector<std::string> frames;
    colour.readAll(
        reader, true, [&](const std::string& file) { frames.push_back(file); },
        [&](const std::string& option, ArgReader& r) {
            if (option != "-o") return false;
            out = r.value(option);
            return true;
        });
    if (out.empty()) throw UsageError("-o OUT is required");
    if (frames.empty()) throw UsageError("no frames given");
    const SplitRecord record = CombineFiles(frames, out, colour.colors(), colour.options);
    SaveSplitRecord(record, SplitRecordFileName(out));
    return 0;
}

const CliRegistrar registrar("combine", "[--colors FILE] [--no-standard-colors] [--no-background] -o OUT FRAME...",
                             RunCombine);

}  // namespace

}  // namespace vok::cli
