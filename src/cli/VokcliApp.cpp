#include "VokcliApp.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "PngReadingArgs.h"
#include "support/Version.h"
#include "support/WorkPool.h"

namespace vok::cli {

std::unique_ptr<VokcliApp> BuildVokcliApp() {
    auto cli = std::make_unique<VokcliApp>();
    cli->app.set_version_flag("--version", VokVersion);
    cli->app.require_subcommand(1);
    cli->app
        .add_option("--jobs", cli->jobs,
                    "Threads that load, compute and save frames side by side (default: VOK_JOBS, else the "
                    "number of cores); the files written are the same for any number")
        ->type_name("N")
        ->check(CLI::Range(1, 1024));
    cli->app.footer("Run 'vokcli COMMAND --help' for a command's options and an example.");
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const CliCommand& command : commands) {
        CLI::App* sub = cli->app.add_subcommand(command.name, command.summary);
        sub->footer("Example:\n  " + command.example);
        // --jobs may stand after the command too: "vokcli prepare --jobs 2 ...".
        sub->fallthrough();
        RunCommand run = command.declare(*sub);
        const ApplyPngReading applyPngReading = DeclarePngReading(*sub);
        cli->runs.emplace_back(sub, [sub, run, applyPngReading] {
            applyPngReading(*sub);
            return run();
        });
    }
    return cli;
}

int RunVokcli(int argc, char** argv) {
    const auto cli = BuildVokcliApp();
    try {
        cli->app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return cli->app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return cli->app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return cli->app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr,
                     "vokcli: %s\nusage: vokcli COMMAND [OPTIONS] ARGS...; 'vokcli --help' lists the commands, "
                     "'vokcli COMMAND --help' a command's options.\n",
                     e.what());
        return 2;
    }
    SetWorkerCount(cli->jobs);
    for (const auto& [sub, run] : cli->runs) {
        if (!sub->parsed()) continue;
        try {
            return run();
        } catch (const std::exception& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s\n", FailureText(e).c_str());
            return 1;
        }
    }
    return 2;
}

}  // namespace vok::cli
