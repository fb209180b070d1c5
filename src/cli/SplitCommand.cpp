// vokcli split: cuts a reduced combined picture back into the frames its record names.
#include <memory>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "TerminalProgress.h"
#include "ColourArgs.h"
#include "colours/ColourFiles.h"
#include "colours/Split.h"
#include "support/ZqSysUtils.h"

namespace vok::cli {

namespace {

struct SplitArgs {
    bool quiet = false;
    ColourArgs colour;
    std::string parts, folder, combined;
    int tolerance = 0;
};

RunCommand DeclareSplit(CLI::App& app) {
    auto a = std::make_shared<SplitArgs>();
    DeclareQuiet(app, a->quiet);
    a->colour.declare(app, true);
    app.add_option("--tolerance", a->tolerance,
                   "How far a reduced colour may lie from a standard colour and still count as it (0 to 444; "
                   "3 suits most paint programs)")
        ->type_name("T")
        ->check(CLI::Range(0, kMaxTolerance));
    app.add_option("--parts", a->parts, "The record combine wrote beside the combined picture")
        ->type_name("RECORD")
        ->required();
    app.add_option("-o", a->folder, "The folder the frames go to (default: the record's folder)")
        ->type_name("FOLDER");
    app.add_option("COMBINED", a->combined, "The combined picture, reduced to 8 bits")->required();
    return [a, &app] {
        const StandardColorTable colors = a->colour.colors();
        const SplitRecord record = LoadSplitRecord(a->parts);
        const bool folderGiven = app.count("-o") > 0;
        TerminalProgress progress("frames written", a->quiet);
        SplitFile(a->combined, record, folderGiven ? a->folder : ExtractFilePath(a->parts), colors, a->tolerance,
                  a->colour.options, &progress);
        return 0;
    };
}

const CliRegistrar splitRegistrar({"split",
                              "Cut a reduced combined picture back into 8-bit frames with the standard colours at "
                              "their palette positions",
                              "vokcli split --tolerance 3 --parts work/All.bmp.parts -o frames work/All.bmp",
                              DeclareSplit});

}  // namespace

}  // namespace vok::cli
