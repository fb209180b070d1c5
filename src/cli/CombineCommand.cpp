// vokcli combine: frames side by side with the standard-colour strips, plus the record for split.
#include <memory>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "TerminalProgress.h"
#include "ColourArgs.h"
#include "colours/ColourFiles.h"

namespace vok::cli {

namespace {

struct CombineArgs {
    bool quiet = false;
    ColourArgs colour;
    std::string out;
    std::vector<std::string> frames;
};

RunCommand DeclareCombine(CLI::App& app) {
    auto a = std::make_shared<CombineArgs>();
    DeclareQuiet(app, a->quiet);
    a->colour.declare(app, true);
    app.add_option("-o", a->out, "The combined 24-bit picture to write; its record for split is OUT.parts")
        ->type_name("OUT")
        ->required();
    app.add_option("FRAME", a->frames, "The frame pictures, joined side by side in name order")->required();
    return [a] {
        TerminalProgress progress("frames read", a->quiet);
        const SplitRecord record =
            CombineFiles(a->frames, a->out, a->colour.colors(), a->colour.options, &progress);
        SaveSplitRecord(record, SplitRecordFileName(a->out));
        return 0;
    };
}

const CliRegistrar combineRegistrar({"combine",
                              "Join frames into one 24-bit picture with a strip of every standard colour, for "
                              "reducing to one palette in a paint program",
                              "vokcli combine -o work/All.bmp frames/*.bmp", DeclareCombine});

}  // namespace

}  // namespace vok::cli
