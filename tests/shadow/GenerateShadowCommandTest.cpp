#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include "FramePictures.h"
#include "ShadowFiles.h"
#include "pictures/BmpCodec.h"
#include "shadow/ShadowGenerator.h"

namespace vok {
namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
};

// Runs vokcli with the arguments; stderr goes into the file given.
RunResult RunVokcli(const std::string& args, const std::string& errFile) {
    const std::string command = std::string(VOK_VOKCLI) + " " + args + " 2>" + errFile;
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) result.out += buffer;
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

Bitmap Figure() {
    Bitmap b = test::Frame8(450, 400);
    test::FillRect(b, 200, 50, 260, 270, 90);
    return b;
}

TEST(GenerateShadowCommand, SavesFramesAndPrintsTheBaseLine) {
    test::TempFolder folder;
    SaveBitmapToFile(Figure(), folder / "a.bmp");
    const std::string rest = test::Lines({"a.bmp  1+"});
    test::WriteBytes(folder / "list.txl", test::ListHeader("7", "Auto") + rest);

    RunResult r = RunVokcli("generate-shadow '" + (folder / "list.txl") + "'", folder / "err.txt");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "260\n");
    Bitmap expected = Figure();
    GenerateShadow(expected, 260, ShadowKind::Creature, false);  // the range starts after the first group
    EXPECT_EQ(LoadBitmapFromFile(folder / "a.bmp"), expected);
    EXPECT_EQ(test::ReadBytes(folder / "list.txl"), test::ListHeader("7", "Auto 260") + rest);

    SaveBitmapToFile(Figure(), folder / "a.bmp");
    r = RunVokcli("generate-shadow --base-line 200 '" + (folder / "list.txl") + "'", folder / "err.txt");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "200\n");
    expected = Figure();
    GenerateShadow(expected, 200, ShadowKind::Creature, false);
    EXPECT_EQ(LoadBitmapFromFile(folder / "a.bmp"), expected);
    EXPECT_EQ(test::ReadBytes(folder / "list.txl"), test::ListHeader("7", "Auto 200") + rest);
}

TEST(GenerateShadowCommand, FailuresAndUsage) {
    test::TempFolder folder;
    const std::string bad = test::ListHeader() + test::Lines({"a.bmp+"});
    test::WriteBytes(folder / "bad.txl", bad);
    RunResult r = RunVokcli("generate-shadow '" + (folder / "bad.txl") + "'", folder / "err.txt");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::ReadBytes(folder / "err.txt"), "File invalid or corrupt (Unit3.cpp, line 162)\n");
    EXPECT_EQ(test::ReadBytes(folder / "bad.txl"), bad);

    EXPECT_EQ(RunVokcli("generate-shadow", folder / "err.txt").exitCode, 2);
    EXPECT_EQ(RunVokcli("generate-shadow --base-line x a.txl", folder / "err.txt").exitCode, 2);
    EXPECT_EQ(RunVokcli("generate-shadow --frames a.txl", folder / "err.txt").exitCode, 2);
    EXPECT_EQ(RunVokcli("generate-shadow a.txl b.txl", folder / "err.txt").exitCode, 2);
}

}  // namespace
}  // namespace vok
