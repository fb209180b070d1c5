// vokcli shift --dx N --dy N FRAME...: moves every frame file once by (N, N) inside
// its own size, the uncovered part taking the top-left pixel, and saves it in place.
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "TerminalProgress.h"
#include "move/FrameShift.h"

namespace vok::cli {

namespace {

struct ShiftArgs {
    bool quiet = false;
    int dx = 0, dy = 0;
    std::vector<std::string> frames;
};

RunCommand DeclareShift(CLI::App& app) {
    auto a = std::make_shared<ShiftArgs>();
    DeclareQuiet(app, a->quiet);
    app.add_option("--dx", a->dx, "Pixels to the right (negative: to the left)")->type_name("N");
    app.add_option("--dy", a->dy, "Pixels down (negative: up)")->type_name("N");
    app.add_option("FRAME", a->frames, "The frames to shift, each file once, saved in place")->required();
    return [a] {
        TFrameShifter shifter;
        shifter.SetFileNames(a->frames);
        // Every frame loads before the first is written: a bad one leaves all files as they were.
        shifter.LoadAll();
        shifter.ShiftAll(a->dx, a->dy);
        TerminalProgress progress("frames written", a->quiet);
        shifter.Save(&progress);
        return 0;
    };
}

const CliRegistrar shiftRegistrar({"shift",
                              "Shift frames by whole pixels inside their own size, as the Move Monster window's "
                              "OK does in Move All mode",
                              "vokcli shift --dx 3 --dy -2 frames/*.bmp", DeclareShift});

}  // namespace

}  // namespace vok::cli
