#include <gtest/gtest.h>

#include "FramePictures.h"
#include "ShadowFiles.h"
#include "pictures/BmpCodec.h"
#include "shadow/ShadowGenerator.h"
#include "support/RunVokcli.h"

namespace vok {
namespace {

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

    test::VokcliResult r = test::RunVokcli("generate-shadow '" + (folder / "list.txl") + "'");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "260\n");
    Bitmap expected = Figure();
    GenerateShadow(expected, 260, ShadowKind::Creature, false);  // the range starts after the first group
    EXPECT_EQ(LoadBitmapFromFile(folder / "a.bmp"), expected);
    EXPECT_EQ(test::ReadBytes(folder / "list.txl"), test::ListHeader("7", "Auto 260") + rest);

    SaveBitmapToFile(Figure(), folder / "a.bmp");
    r = test::RunVokcli("generate-shadow --base-line 200 '" + (folder / "list.txl") + "'");
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
    test::VokcliResult r = test::RunVokcli("generate-shadow '" + (folder / "bad.txl") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, folder / "bad.txl" + ": File invalid or corrupt (Unit3.cpp, line 162)\n");
    EXPECT_EQ(test::ReadBytes(folder / "bad.txl"), bad);

    EXPECT_EQ(test::RunVokcli("generate-shadow").exitCode, 2);
    EXPECT_EQ(test::RunVokcli("generate-shadow --base-line x a.txl").exitCode, 2);
    EXPECT_EQ(test::RunVokcli("generate-shadow --frames a.txl").exitCode, 2);
    EXPECT_EQ(test::RunVokcli("generate-shadow a.txl b.txl").exitCode, 2);
}

}  // namespace
}  // namespace vok
