// vokcli combine: frames side by side with the standard-colour strips, plus the record for split.
#include "CliCommands.h"
#include "ColourArgs.h"
#include "app/ColourFiles.h"

namespace vok::cli {

namespace {

int RunCombine(const Args& args) {
    ArgReader reader(args);
    ColourArgs colour;
    std::string out;
    std::vector<std::string> frames;
    while (!reader.done()) {
        if (!reader.atOption()) {
            frames.push_back(reader.next());
            continue;
        }
        const std::string option = reader.next();
        if (option == "-o") out = reader.value(option);
        else if (!colour.take(option, reader, true)) throw UsageError("unknown option " + option);
    }
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
