// vokcli prepare: reduce, the list copy with ".bmp" names and generate-shadow in one step.
#include <cstdio>
#include <memory>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "ColourArgs.h"
#include "TerminalProgress.h"
#include "shadow/PrepareList.h"

namespace vok::cli {

namespace {

struct PrepareArgs {
    bool quiet = false;
    ColourArgs colour;
    std::string folder, listFile, dither = "none";
    int baseLine = 0;
};

RunCommand DeclarePrepare(CLI::App& app) {
    auto a = std::make_shared<PrepareArgs>();
    DeclareQuiet(app, a->quiet);
    a->colour.declare(app, true);
    app.add_option("--dither", a->dither, "none (the default, for sprite art) or fs (Floyd-Steinberg)")
        ->check(CLI::IsMember({"none", "fs"}));
    app.add_option("--base-line", a->baseLine,
                   "The row the figure stands on (default: the list's setting, or found from the frames)")
        ->type_name("N");
    app.add_option("-o", a->folder, "The folder the frames and the list go to; it may hold none of the sources")
        ->type_name("FOLDER")
        ->required();
    app.add_option("LIST", a->listFile, "The VokList (.txl) naming the renders (BMP, PCX or PNG)")->required();
    return [a, &app] {
        PrepareSettings settings;
        settings.reduce.dither = a->dither == "fs";
        settings.reduce.options = a->colour.options;
        if (app.count("--base-line") > 0) settings.baseLine = a->baseLine;
        TerminalProgress progress("frames written", a->quiet);
        const PrepareSummary summary = PrepareList(a->listFile, a->folder, a->colour.colors(), settings, &progress);
        std::fputs(PrepareSummaryText(summary).c_str(), stdout);
        return 0;
    };
}

const CliRegistrar prepareRegistrar({"prepare",
                              "Turn a VokList of renders into game-ready frames: reduce --to bmp --reserve 2,3,8 "
                              "into FOLDER, the list copied there with .bmp names, then generate-shadow on the copy",
                              "vokcli prepare -o ready knight.txl", DeclarePrepare});

}  // namespace

}  // namespace vok::cli
