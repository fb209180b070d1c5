// vokcli shift, and convert and info with PCX files, run as the built program.
#include <gtest/gtest.h>

#include "pcx/PictureFiles.h"
#include "pictures/BmpCodec.h"
#include "support/RunVokcli.h"

namespace vok {
namespace {

Bitmap Frame8() {
    Bitmap b(5, 4, PixelFormat::Bits8);
    std::vector<RgbQuad> colors(256);
    for (int i = 0; i < 256; ++i) colors[std::size_t(i)] = RgbQuad{std::uint8_t(i), std::uint8_t(i / 2), 9, 0};
    b.setColorTable(colors);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) b.scanLine(y)[x] = std::uint8_t(1 + 5 * y + x);
    return b;
}

TEST(VokcliShift, ShiftsEachDistinctFileOnceInItsOwnFormat) {
    test::TempFolder folder;
    SaveBitmapToFile(Frame8(), folder / "a.bmp");
    SavePicture(Frame8(), folder / "b.PCX");
    const test::VokcliResult r = test::RunVokcliWords(
        {"shift", "--dx", "2", "--dy", "-1", folder / "a.bmp", folder / "b.PCX", folder / "./a.bmp"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const std::string name : {"a.bmp", "b.PCX"}) {
        const Bitmap b = LoadPicture(folder / name);
        EXPECT_EQ(b.colorTable(), Frame8().colorTable());
        EXPECT_EQ(b.scanLine(0)[2], 6) << name;   // (0, 1) moved to (2, 0), once
        EXPECT_EQ(b.scanLine(3)[4], 1) << name;   // the uncovered strip: the top-left index
        EXPECT_EQ(b.scanLine(0)[1], 1) << name;
    }
}

TEST(VokcliShift, ABadFrameStopsBeforeAnyFileIsWritten) {
    test::TempFolder folder;
    SaveBitmapToFile(Frame8(), folder / "a.bmp");
    const std::string before = test::ReadBytes(folder / "a.bmp");
    test::WriteBytes(folder / "bad.pcx", "not a picture");
    const test::VokcliResult r = test::RunVokcliWords({"shift", "--dx", "1", folder / "a.bmp", folder / "bad.pcx"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("PCX: Invalid PCX file"), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadBytes(folder / "a.bmp"), before);
    EXPECT_EQ(test::RunVokcliWords({"shift", "--dx", "1"}).exitCode, 2);
}

TEST(VokcliConvert, ChoosesEachSideByItsExtensionAndRefusesOthers) {
    test::TempFolder folder;
    SaveBitmapToFile(Frame8(), folder / "in.bmp");
    test::VokcliResult r = test::RunVokcliWords({"convert", folder / "in.bmp", folder / "out.Pcx"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(folder / "out.Pcx")[0], '\x0a');
    r = test::RunVokcliWords({"convert", folder / "out.Pcx", folder / "back", "--bits", "24"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Bitmap back = LoadBitmapFromFile(folder / "back");
    EXPECT_EQ(back.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(back.colorAt(4, 3), Frame8().colorAt(4, 3));

    r = test::RunVokcliWords({"convert", folder / "in.bmp", folder / "c.gif"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("\".gif\""), std::string::npos) << r.err;
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"back", "in.bmp", "out.Pcx"}));

    r = test::RunVokcliWords({"info", folder / "out.Pcx"});
    EXPECT_EQ(r.out, folder / "out.Pcx" + ": width=5 height=4 bits=8 palette=256\n");
}

}  // namespace
}  // namespace vok
