// vokcli delete-shadows and copy-shadows: the special pixels of frames, changed in place.
#include <memory>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "TerminalProgress.h"
#include "ColourArgs.h"
#include "colours/ColourFiles.h"

namespace vok::cli {

namespace {

struct DeleteArgs {
    bool quiet = false;
    ColourArgs colour;
    std::vector<std::string> frames;
};

RunCommand DeclareDelete(CLI::App& app) {
    auto a = std::make_shared<DeleteArgs>();
    DeclareQuiet(app, a->quiet);
    a->colour.declare(app, false);
    app.add_option("FRAME", a->frames, "The frames to clean, saved in place")->required();
    return [a] {
        TerminalProgress progress("frames written", a->quiet);
        DeleteShadowsInFiles(a->frames, a->colour.colors(), &progress);
        return 0;
    };
}

struct CopyArgs {
    bool quiet = false;
    ColourArgs colour;
    ShadowCopySettings settings;
    std::vector<std::string> sources, targets;
};

RunCommand DeclareCopy(CLI::App& app) {
    auto a = std::make_shared<CopyArgs>();
    DeclareQuiet(app, a->quiet);
    a->colour.declare(app, false);
    app.add_flag("--no-overwrite", [a](std::int64_t) { a->settings.overwrite = false; },
                 "Copy special pixels only where the target has background");
    app.add_flag("--no-copy-background", [a](std::int64_t) { a->settings.copyBackground = false; },
                 "Do not copy the source's background pixels");
    app.add_option("--dx", a->settings.dx, "Shift the target's own pixels right by N, 8-bit pairs only (negative: left)")->type_name("N");
    app.add_option("--dy", a->settings.dy, "Shift the target's own pixels down by N, 8-bit pairs only (negative: up)")->type_name("N");
    app.add_option("--sources", a->sources, "The frames whose shadows and selections are copied")
        ->type_name("S...")
        ->required();
    app.add_option("--targets", a->targets, "The frames they are copied onto, as many as sources, paired in name order and saved in place")
        ->type_name("T...")
        ->required();
    return [a] {
        TerminalProgress progress("frames written", a->quiet);
        CopyShadowsInFiles(a->sources, a->targets, a->colour.colors(), a->settings, &progress);
        return 0;
    };
}

const CliRegistrar deleteRegistrar({"delete-shadows", "Remove shadows and selections from frames",
                                    "vokcli delete-shadows frames/*.bmp", DeclareDelete});
const CliRegistrar copyRegistrar({"copy-shadows",
                                  "Copy shadows and selections from each source frame to its target frame",
                                  "vokcli copy-shadows --dx 2 --sources old/*.bmp --targets new/*.bmp",
                                  DeclareCopy});

}  // namespace

}  // namespace vok::cli
