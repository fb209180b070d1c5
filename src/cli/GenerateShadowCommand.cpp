// vokcli generate-shadow: what the generator window's OK does, without the window.
#include <cstdio>
#include <memory>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "TerminalProgress.h"
#include "shadow/ShadowJob.h"

namespace vok::cli {
namespace {

struct GenerateArgs {
    bool quiet = false;
    std::string listFile;
    int baseLine = 0;
};

RunCommand DeclareGenerate(CLI::App& app) {
    auto a = std::make_shared<GenerateArgs>();
    DeclareQuiet(app, a->quiet);
    app.add_option("--base-line", a->baseLine,
                   "The row the figure stands on (default: the list's setting, or found from the frames)")
        ->type_name("N");
    app.add_option("LIST", a->listFile, "The VokList (.txl) whose frames get their shadows")->required();
    return [a, &app] {
        TShadowJob job;
        job.Open(a->listFile);
        if (app.count("--base-line") > 0) job.SetBaseLine(a->baseLine);
        TerminalProgress progress("frames written", a->quiet);
        job.Save(&progress);
        std::printf("%d\n", int(job.BaseLine()));
        return 0;
    };
}

const CliRegistrar generateShadowRegistrar({"generate-shadow",
                              "Draw the shadow and selection outline of every frame of a VokList and save the "
                              "frames; prints the base line used",
                              "vokcli generate-shadow --base-line 260 knight.txl", DeclareGenerate});

}  // namespace
}  // namespace vok::cli
