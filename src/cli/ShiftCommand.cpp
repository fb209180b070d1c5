// vokcli shift --dx N --dy N FRAME...: moves every frame file once by (N, N) inside
// its own size, the uncovered part taking the top-left pixel, and saves it in place.
#include <string>
#include <vector>

#include "CliCommands.h"
#include "move/FrameShift.h"

namespace vok::cli {

namespace {

int RunShift(const Args& args) {
    ArgReader reader(args);
    std::vector<std::string> frames;
    int dx = 0;
    int dy = 0;
    while (!reader.done()) {
        if (reader.atOption()) {
            const std::string option = reader.next();
            if (option == "--dx")
                dx = reader.intValue(option);
            else if (option == "--dy")
                dy = reader.intValue(option);
            else
                throw UsageError("unknown option " + option);
        } else {
            frames.push_back(reader.next());
        }
    }
    if (frames.empty()) throw UsageError("no frames given");
    TFrameShifter shifter;
    shifter.SetFileNames(frames);
    // Every frame loads before the first is written: a bad one leaves all files as they were.
    shifter.LoadAll();
    shifter.ShiftAll(dx, dy);
    shifter.Save();
    return 0;
}

const CliRegistrar registrar("shift", "--dx N --dy N FRAME...", RunShift);

}  // namespace

}  // namespace vok::cli
