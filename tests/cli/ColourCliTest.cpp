#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "colours/ColourTestPictures.h"
#include "pictures/BmpCodec.h"
#include "support/RunVokcli.h"
#include "support/TempFolder.h"

namespace vok {

using namespace vok::test;

namespace {

}  // namespace

TEST(VokcliColours, CombineWritesThePictureAndItsRecord) {
    TempFolder dir;
    SaveBitmapToFile(Paletted(5, 3, PlainColors()), dir / "b.bmp");
    SaveBitmapToFile(Paletted(4, 6, PlainColors()), dir / "A.bmp");
    const VokcliResult run = RunVokcliWords({"combine", "--no-standard-colors", "-o", dir / "All.bmp", dir / "b.bmp", dir / "A.bmp"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(dir / "All.bmp.parts"), "4 6 A.bmp\r\n5 3 b.bmp\r\n");
    const Bitmap combined = LoadBitmapFromFile(dir / "All.bmp");
    EXPECT_EQ(combined.width(), 9 + 200);
    EXPECT_EQ(combined.height(), 6);
}

TEST(VokcliColours, SplitWritesIntoTheRecordsFolderByDefault) {
    TempFolder dir;
    Bitmap reduced = Paletted(8, 2, PlainColors(), 20);
    reduced.colorTable()[30] = ToQuad(RGB(255, 0, 253));  // the shadow, moved a little
    SetIndex(reduced, 5, 1, 30);
    SaveBitmapToFile(reduced, dir / "reduced.bmp");
    WriteBytes(dir / "All.bmp.parts", "3 2 one.bmp\r\n5 2 two.bmp\r\n");
    const VokcliResult run = RunVokcliWords({"split", "--tolerance", "3", "--parts", dir / "All.bmp.parts", dir / "reduced.bmp"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Bitmap two = LoadBitmapFromFile(dir / "two.bmp");
    EXPECT_EQ(two.width(), 5);
    EXPECT_EQ(IndexAt(two, 2, 1), 4);
    EXPECT_EQ(two.colorAt(2, 1), RGB(255, 0, 255));

    TempFolder other;
    ASSERT_EQ(RunVokcliWords({"split", "--parts", dir / "All.bmp.parts", "-o", other.Path(), dir / "reduced.bmp"}).exitCode, 0);
    EXPECT_EQ(other.Names(), (std::vector<std::string>{"one.bmp", "two.bmp"}));
    // Tolerance 0: the moved shadow colour is a figure colour and stays at its index.
    EXPECT_EQ(IndexAt(LoadBitmapFromFile(other / "two.bmp"), 2, 1), 30);
}

TEST(VokcliColours, ShadowCommandsWithAColourList) {
    TempFolder dir;
    WriteBytes(dir / "colors.txt", "FFFF00\r\n\r\n\r\n\r\nFF00FF\r\n");  // background and shadow body only
    SaveBitmapToFile(Paletted(3, 1, PlainColors(), 4), dir / "source.bmp");
    Bitmap target = Paletted(3, 1, PlainColors(), 20);
    SetIndex(target, 0, 0, 1);
    SaveBitmapToFile(target, dir / "target.bmp");
    VokcliResult run = RunVokcliWords({"copy-shadows", "--colors", dir / "colors.txt", "--dx", "1", "--no-overwrite", "--sources",
                           dir / "source.bmp", "--targets", dir / "target.bmp"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Bitmap after = LoadBitmapFromFile(dir / "target.bmp");
    EXPECT_EQ(IndexAt(after, 0, 0), 1);   // column 0 stays
    EXPECT_EQ(IndexAt(after, 1, 0), 1);   // former column 0; not background, so no shadow over it
    EXPECT_EQ(IndexAt(after, 2, 0), 20);

    run = RunVokcliWords({"delete-shadows", "--colors", dir / "colors.txt", dir / "target.bmp", dir / "source.bmp"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(IndexAt(LoadBitmapFromFile(dir / "target.bmp"), 0, 0), 1);  // position 1 is not special in this list
    EXPECT_EQ(IndexAt(LoadBitmapFromFile(dir / "source.bmp"), 0, 0), 0);
}

TEST(VokcliColours, FailuresAndUsage) {
    TempFolder dir;
    WriteBytes(dir / "bad.bmp", "nothing");
    SaveBitmapToFile(Paletted(2, 2, PlainColors()), dir / "a.bmp");
    VokcliResult run = RunVokcliWords({"combine", "-o", dir / "All.bmp", dir / "a.bmp", dir / "bad.bmp"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, dir / "bad.bmp" + ": Bitmap image is not valid\n");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.bmp", "bad.bmp"}));

    run = RunVokcliWords({"copy-shadows", "--sources", dir / "a.bmp", dir / "a.bmp", "--targets", dir / "a.bmp"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Different number of pictures\n");

    EXPECT_EQ(RunVokcliWords({"combine", dir / "a.bmp"}).exitCode, 2);  // no -o
    EXPECT_EQ(RunVokcliWords({"split", dir / "a.bmp"}).exitCode, 2);    // no --parts
    EXPECT_EQ(RunVokcliWords({"split", "--tolerance", "445", "--parts", "x", dir / "a.bmp"}).exitCode, 2);
    EXPECT_EQ(RunVokcliWords({"delete-shadows"}).exitCode, 2);
    EXPECT_EQ(RunVokcliWords({"delete-shadows", "--no-background", dir / "a.bmp"}).exitCode, 2);
}

TEST(VokcliColours, ANewPictureNeverStandsBesideAnOldRecord) {
    TempFolder dir;
    SaveBitmapToFile(Paletted(2, 2, PlainColors()), dir / "a.bmp");
    WriteBytes(dir / "All.bmp.parts", "9 9 old.bmp\r\n");
    // The picture cannot be saved (a folder stands there): the old record is gone already.
    std::filesystem::create_directories(dir / "All.bmp/inside");
    VokcliResult run = RunVokcliWords({"combine", "-o", dir / "All.bmp", dir / "a.bmp"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "All.bmp.parts"));
    // Split without a record says which record it misses.
    run = RunVokcliWords({"split", "--parts", dir / "All.bmp.parts", dir / "a.bmp"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("\"" + dir / "All.bmp.parts" + "\" does not exist"), std::string::npos) << run.err;
}

TEST(VokcliColours, AZeroSizedFrameInTheRecordWritesNothing) {
    TempFolder dir;
    SaveBitmapToFile(Paletted(4, 2, PlainColors(), 20), dir / "reduced.bmp");
    SaveBitmapToFile(Paletted(3, 2, PlainColors()), dir / "one.bmp");
    const std::string before = ReadBytes(dir / "one.bmp");
    for (const char* record : {"0 2 one.bmp\r\n", "3 0 one.bmp\r\n", "1 2 two.bmp\r\n3 0 one.bmp\r\n"}) {
        WriteBytes(dir / "All.bmp.parts", record);
        const VokcliResult run = RunVokcliWords({"split", "--parts", dir / "All.bmp.parts", dir / "reduced.bmp"});
        EXPECT_EQ(run.exitCode, 1) << record;
        EXPECT_NE(run.err.find("\"" + dir / "All.bmp.parts" + "\""), std::string::npos) << run.err;
        EXPECT_EQ(ReadBytes(dir / "one.bmp"), before);
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"All.bmp.parts", "one.bmp", "reduced.bmp"}));
    }
}

}  // namespace vok
