#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SplitRecord.h"
#include "app/StandardColors.h"
#include "support/Errors.h"

namespace vok {

TEST(StandardColors, DefaultsAreTheEightSpecialColours) {
    const std::vector<std::string> lines = {"FFFF00", "FF96FF", "FF64FF", "FF32FF",
                                            "FF00FF", "00FFFF", "FF00B4", "00FF00"};
    EXPECT_EQ(InitialStandardColorLines(), lines);
    const StandardColorTable table = InitialStandardColors();
    EXPECT_EQ(table, ParseStandardColors(lines));
    EXPECT_EQ(table[0], ColorValue(RGB(0, 255, 255)));
    EXPECT_EQ(table[6], ColorValue(RGB(180, 0, 255)));
    for (int i = 8; i < 256; ++i) EXPECT_EQ(table[i], -1) << i;
}

TEST(StandardColors, OnlyBareHexadecimalDigitsMakeAColour) {
    const StandardColorTable t = ParseStandardColors(
        {"ff00ff", "$ff00ff", " ff00ff", "ff00ff ", "0xFF", "0", "", "-1", "7FFFFFFF", "80000000", "FFFFFFFF",
         "100000000", "000000FF00FF", "G0"});
    EXPECT_EQ(t[0], 0xFF00FF);
    for (int i : {1, 2, 3, 4, 6, 7, 9, 10, 11, 13}) EXPECT_EQ(t[i], -1) << i;
    EXPECT_EQ(t[5], 0);  // black is a colour
    EXPECT_EQ(t[8], 0x7FFFFFFF);
    EXPECT_EQ(t[12], 0xFF00FF);
    EXPECT_EQ(t[14], -1);  // after the last line
}

TEST(StandardColors, OnlyTheFirst256LinesCount) {
    std::vector<std::string> lines(300, "123456");
    lines[255] = "ABCDEF";
    const StandardColorTable t = ParseStandardColors(lines);
    EXPECT_EQ(t[255], 0xABCDEF);
    EXPECT_EQ(t[0], 0x123456);
}

TEST(StandardColors, TextOfCrLfOrLfLines) {
    const StandardColorTable t = ParseStandardColorText("FFFF00\r\n\r\nff\nzz\n");
    EXPECT_EQ(t[0], 0xFFFF00);
    EXPECT_EQ(t[1], -1);
    EXPECT_EQ(t[2], 0xFF);
    EXPECT_EQ(t[3], -1);
    EXPECT_EQ(t[4], -1);
    EXPECT_EQ(ParseStandardColorText(""), ParseStandardColors({}));
}

TEST(StandardColors, FormatWritesUpToTheLastSetPosition) {
    StandardColorTable t;
    t.fill(-1);
    t[0] = 0xFF;
    t[3] = 0x7F123456;  // bits above the colour are dropped in the text
    EXPECT_EQ(FormatStandardColors(t), (std::vector<std::string>{"0000FF", "", "", "123456"}));
    t.fill(-1);
    EXPECT_TRUE(FormatStandardColors(t).empty());
    EXPECT_EQ(ParseStandardColors(FormatStandardColors(InitialStandardColors())), InitialStandardColors());
}

TEST(StandardColors, ReducedColorLimit) {
    const StandardColorTable defaults = InitialStandardColors();
    EXPECT_EQ(ReducedColorLimit(defaults, false, false), 256);
    EXPECT_EQ(ReducedColorLimit(defaults, true, false), 249);
    EXPECT_EQ(ReducedColorLimit(defaults, true, true), 248);
    StandardColorTable empty;
    empty.fill(-1);
    EXPECT_EQ(ReducedColorLimit(empty, true, false), 256);
}

TEST(SplitRecordText, RoundTripKeepsNamesWithBlanks) {
    SplitRecord r;
    r.PartWidths = {100, 120};
    r.PartHeights = {80, 90};
    r.PartNames = {"a b.bmp", "C.BMP"};
    const std::string text = FormatSplitRecord(r);
    EXPECT_EQ(text, "100 80 a b.bmp\r\n120 90 C.BMP\r\n");
    EXPECT_EQ(ParseSplitRecord(text, "x.parts"), r);
    EXPECT_EQ(ParseSplitRecord("100 80 a b.bmp\n120 90 C.BMP", "x.parts"), r);
}

TEST(SplitRecordText, RejectsBadLinesAndFolders) {
    for (const char* text : {"100 80\r\n", "-1 80 a.bmp\r\n", "x 80 a.bmp\r\n", "100 80 ../a.bmp\r\n",
                             "100 80 sub\\a.bmp\r\n", "100 80 /tmp/a.bmp\r\n", "100 80 ..\r\n", "",
                             "99999999999 1 a.bmp\r\n"})
        EXPECT_THROW(ParseSplitRecord(text, "x.parts"), Exception) << text;
    try {
        ParseSplitRecord("1 1 a.bmp\r\n1 1 b/c.bmp\r\n", "x.parts");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("Line 2 of \"x.parts\""), std::string::npos) << e.what();
    }
}

}  // namespace vok
