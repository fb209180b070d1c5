// Every command's help comes from the same declaration as its parser: walking the command
// table catches an option added without a description.
#include <gtest/gtest.h>

#include "VokcliApp.h"
#include "support/RunVokcli.h"
#include "support/Version.h"

namespace vok {
namespace {

TEST(VokcliHelp, EveryCommandAndOptionIsExplainedAndItsHelpNamesThem) {
    const auto cli = cli::BuildVokcliApp();
    ASSERT_FALSE(cli->runs.empty());
    for (const auto& [sub, run] : cli->runs) {
        SCOPED_TRACE(sub->get_name());
        EXPECT_FALSE(sub->get_description().empty());
        EXPECT_NE(sub->get_footer().find("vokcli " + sub->get_name()), std::string::npos) << "no example";
        const test::VokcliResult help = test::RunVokcli(sub->get_name() + " --help");
        EXPECT_EQ(help.exitCode, 0);
        for (const CLI::Option* option : sub->get_options()) {
            SCOPED_TRACE(option->get_name());
            EXPECT_FALSE(option->get_description().empty());
            const std::string shown = option->get_name(false, true);
            EXPECT_NE(help.out.find(shown.substr(0, shown.find(','))), std::string::npos);
        }
    }
}

TEST(VokcliHelp, VersionHelpAndWrongUsage) {
    test::VokcliResult r = test::RunVokcli("--version");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, std::string(VokVersion) + "\n");

    r = test::RunVokcli("--help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("generate-shadow"), std::string::npos);

    for (const std::string args : {"", "no-such-command", "split --tolerance 445 --parts p c"}) {
        SCOPED_TRACE(args);
        r = test::RunVokcli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find("--help"), std::string::npos);
    }
}

}  // namespace
}  // namespace vok
