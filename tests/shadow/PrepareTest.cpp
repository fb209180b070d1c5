#include <gtest/gtest.h>

#include <filesystem>

#include "ShadowFiles.h"
#include "pcx/PictureFiles.h"
#include "pictures/BmpCodec.h"
#include "support/RunVokcli.h"

namespace vok {
namespace {

// A render: background around a disc of more colours than the palette holds.
Bitmap Render(int seed) {
    Bitmap b(64, 60, PixelFormat::Bits24);
    b.fill(0xFFFF00);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 64; ++x)
            if ((x - 32) * (x - 32) + (y - 30) * (y - 30) < 500)
                b.fillRect(x, y, x + 1, y + 1, RGB(std::uint8_t(x * 4 + seed), std::uint8_t(y * 4), std::uint8_t(seed * 3 + x)));
    return b;
}

struct PreparedFolder {
    test::TempFolder src;
    std::string rest = test::Lines({"a.png", "sub\\b.bmp  0+", "c.PNG", "a.png  1+"});
    PreparedFolder() {
        std::filesystem::create_directory(src / "sub");
        SavePicture(Render(0), src / "a.png");
        SavePicture(Render(70), src / "sub/b.bmp");
        SavePicture(Render(140), src / "c.PNG");
        test::WriteBytes(src / "list.txl", test::ListHeader("7", "Auto") + rest);
    }
};

TEST(Prepare, GivesByteForByteWhatReduceTheListCopyAndGenerateShadowGive) {
    PreparedFolder f;
    test::TempFolder one, three;
    const test::VokcliResult run = test::RunVokcliWords({"prepare", "--quiet", "--jobs", "3", "-o", one.Path(), f.src / "list.txl"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("4 frames, 3 distinct"), std::string::npos) << run.out;

    ASSERT_EQ(test::RunVokcliWords({"reduce", "--quiet", "--to", "bmp", "--reserve", "2,3,8", "-o", three.Path(),
                                    f.src / "a.png", f.src / "sub/b.bmp", f.src / "c.PNG"})
                  .exitCode,
              0);
    std::filesystem::create_directory(three / "sub");
    std::filesystem::rename(three / "b.bmp", three / "sub/b.bmp");
    test::WriteBytes(three / "list.txl",
                     test::ListHeader("7", "Auto") + test::Lines({"a.bmp", "sub\\b.bmp  0+", "c.bmp", "a.bmp  1+"}));
    ASSERT_EQ(test::RunVokcliWords({"generate-shadow", "--quiet", three / "list.txl"}).exitCode, 0);

    for (const char* name : {"a.bmp", "sub/b.bmp", "c.bmp", "list.txl"}) EXPECT_EQ(test::ReadBytes(one / name), test::ReadBytes(three / name)) << name;
    EXPECT_EQ(one.Names(), three.Names());
    // No pixel of a prepared frame stands at a position the generator treats as special.
    for (const char* name : {"a.bmp", "sub/b.bmp", "c.bmp"}) {
        const Bitmap frame = LoadBitmapFromFile(one / name);
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const int index = frame.scanLine(y)[x];
                ASSERT_TRUE(index != 2 && index != 3 && index != 8) << name << " " << x << "," << y;
            }
    }
    // Without the reserve the frames do use position 8.
    test::TempFolder plain;
    ASSERT_EQ(test::RunVokcliWords({"reduce", "--quiet", "--to", "bmp", "-o", plain.Path(), f.src / "a.png", f.src / "c.PNG"}).exitCode, 0);
    const Bitmap a = LoadBitmapFromFile(plain / "a.bmp"), c = LoadBitmapFromFile(plain / "c.bmp");
    bool eight = false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) eight = eight || a.scanLine(y)[x] == 8 || c.scanLine(y)[x] == 8;
    EXPECT_TRUE(eight);
}

TEST(Prepare, WritesNothingForAMissingFrameOrAnOutputFolderHoldingTheSources) {
    PreparedFolder f;
    test::TempFolder out;
    test::WriteBytes(f.src / "missing.txl", test::ListHeader("7", "Auto") + f.rest + test::Lines({"gone.png  2+"}));
    test::VokcliResult run = test::RunVokcliWords({"prepare", "-o", out.Path(), f.src / "missing.txl"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("gone.png"), std::string::npos) << run.err;
    EXPECT_TRUE(out.Names().empty());

    const std::vector<std::string> before = f.src.Names();
    run = test::RunVokcliWords({"prepare", "-o", f.src.Path(), f.src / "list.txl"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("choose another folder"), std::string::npos) << run.err;
    EXPECT_EQ(f.src.Names(), before);
    EXPECT_EQ(test::ReadBytes(f.src / "list.txl"), test::ListHeader("7", "Auto") + f.rest);
}

}  // namespace
}  // namespace vok
