#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colours/ColourTestPictures.h"
#include "pictures/BmpCodec.h"
#include "support/RunVokcli.h"
#include "support/TempFolder.h"

namespace vok {

using namespace vok::test;

TEST(VokcliReduce, ReplacesEachFrameOrWritesIntoTheFolder) {
    TempFolder dir;
    Bitmap a = TrueColor(4, 3, 0xFFFF00);  // background
    a.fillRect(1, 1, 3, 2, RGB(10, 20, 30));
    SaveBitmapToFile(a, dir / "a.bmp");
    SaveBitmapToFile(Paletted(2, 5, {RGB(1, 2, 3), RGB(250, 0, 0)}, 1), dir / "B.bmp");

    TempFolder out;
    VokcliResult run = RunVokcliWords({"reduce", "-o", out.Path(), dir / "a.bmp", dir / "B.bmp"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"B.bmp", "a.bmp"}));
    EXPECT_EQ(LoadBitmapFromFile(dir / "a.bmp"), a);  // the frames stay as they were

    run = RunVokcliWords({"reduce", "--dither", "fs", dir / "a.bmp", dir / "B.bmp"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Bitmap reduced = LoadBitmapFromFile(dir / "a.bmp");
    EXPECT_EQ(reduced.pixelFormat(), PixelFormat::Bits8);
    EXPECT_EQ(IndexAt(reduced, 0, 0), 0);
    EXPECT_EQ(reduced.colorAt(2, 1), RGB(10, 20, 30));
    EXPECT_EQ(LoadBitmapFromFile(dir / "B.bmp").colorAt(1, 4), RGB(250, 0, 0));
    EXPECT_EQ(ReadBytes(dir / "a.bmp"), ReadBytes(out / "a.bmp"));  // one palette, whatever the folder
}

TEST(VokcliReduce, ABadFrameStopsItBeforeAnythingIsWritten) {
    TempFolder dir;
    SaveBitmapToFile(TrueColor(3, 3, RGB(9, 9, 9)), dir / "a.bmp");
    WriteBytes(dir / "b.bmp", "not a picture");
    const std::string before = ReadBytes(dir / "a.bmp");
    const VokcliResult run = RunVokcliWords({"reduce", dir / "a.bmp", dir / "b.bmp"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "\"" + (dir / "b.bmp") + "\": Bitmap image is not valid\n");
    EXPECT_EQ(ReadBytes(dir / "a.bmp"), before);
    EXPECT_EQ(RunVokcliWords({"reduce", "--dither", "yes", dir / "a.bmp"}).exitCode, 2);
    EXPECT_EQ(RunVokcliWords({"reduce"}).exitCode, 2);
}

}  // namespace vok
