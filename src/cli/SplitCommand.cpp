// vokcli split: cuts a reduced combined picture back into the frames its record names.
#include "CliCommands.h"
#include "ColourArgs.h"
#include "colours/ColourFiles.h"
#include "colours/Split.h"
#include "support/ZqSysUtils.h"

namespace vok::cli {

namespace {

int RunSplit(const Args& args) {
    ArgReader reader(args);
    ColourArgs colour;
    std::string parts, folder, combined;
    bool folderGiven = false;
    int tolerance = 0;
    const auto file = [&](const std::string& name) {
        if (!combined.empty()) throw UsageError("one combined picture only");
        combined = name;
    };
    colour.readAll(reader, true, file, [&](const std::string& option, ArgReader& r) {
        if (option == "--parts") {
            parts = r.value(option);
        } else if (option == "-o") {
            folder = r.value(option);
            folderGiven = true;
        } else if (option == "--tolerance") {
            tolerance = r.intValue(option);
            if (tolerance < 0 || tolerance > kMaxTolerance)
                throw UsageError("--tolerance takes 0 to " + std::to_string(kMaxTolerance));
        } else {
            return false;
        }
        return true;
    });
    if (parts.empty()) throw UsageError("--parts RECORD is required");
    if (combined.empty()) throw UsageError("no combined picture given");
    const StandardColorTable colors = colour.colors();
    const SplitRecord record = LoadSplitRecord(parts);
    SplitFile(combined, record, folderGiven ? folder : ExtractFilePath(parts), colors, tolerance, colour.options);
    return 0;
}

const CliRegistrar registrar("split",
                             "[--colors FILE] [--tolerance T] [--no-standard-colors] [--no-background] "
                             "--parts RECORD [-o FOLDER] COMBINED",
                             RunSplit);

}  // namespace

}  // namespace vok::cli
