// vokcli generate-shadow: what the generator window's OK does, without the window.
#include <cstdio>

#include "CliCommands.h"
#include "shadow/ShadowJob.h"

namespace vok::cli {
namespace {

int Run(const Args& args) {
    ArgReader reader(args);
    bool haveBaseLine = false;
    int baseLine = 0;
    std::string listFile;
    while (!reader.done()) {
        if (reader.atOption()) {
            const std::string option = reader.next();
            if (option != "--base-line") throw UsageError("unknown option " + option);
            baseLine = reader.intValue(option);
            haveBaseLine = true;
        } else {
            if (!listFile.empty()) throw UsageError("only one list file");
            listFile = reader.next();
        }
    }
    if (listFile.empty()) throw UsageError("missing list file");

    TShadowJob job;
    job.Open(listFile);
    if (haveBaseLine) job.SetBaseLine(baseLine);
    job.Save();
    std::printf("%d\n", int(job.BaseLine()));
    return 0;
}

const CliRegistrar registrar("generate-shadow", "[--base-line N] LIST.txl", Run);

}  // namespace
}  // namespace vok::cli
