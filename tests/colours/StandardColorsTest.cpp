#include <gtest/gtest.h>

#include "colours/StandardColors.h"

namespace vok {
namespace {

TEST(StandardColorLine, AcceptsBareHexDigitsOnly) {
    EXPECT_EQ(ParseStandardColorLine("ff00ff"), 0xFF00FF);
    EXPECT_EQ(ParseStandardColorLine("FF00FF"), 0xFF00FF);
    EXPECT_EQ(ParseStandardColorLine("0"), 0);  // black is a colour
    EXPECT_EQ(ParseStandardColorLine("7FFFFFFF"), 0x7FFFFFFF);
    for (const char* bad : {"", "$ff00ff", " ff00ff", "ff00ff ", "0xFF", "-1", "+5", "x5", "FF00FG", "ff\r"})
        EXPECT_EQ(ParseStandardColorLine(bad), -1) << '"' << bad << '"';
}

TEST(StandardColorLine, HighPatternsAndOverflowAreEmpty) {
    EXPECT_LT(ParseStandardColorLine("80000000"), 0);
    EXPECT_EQ(ParseStandardColorLine("FFFFFFFF"), -1);
    EXPECT_EQ(ParseStandardColorLine("100000000"), -1);
    EXPECT_EQ(ParseStandardColorLine("00000000FF"), 0xFF);  // leading zeros do not overflow
}

TEST(StandardColorTable, OnlyTheFirst256LinesCount) {
    std::vector<std::string> lines(300, "12");
    lines[255] = "ABC";
    const StandardColorTable table = ParseStandardColors(lines);
    EXPECT_EQ(table[0], 0x12);
    EXPECT_EQ(table[255], 0xABC);

    const StandardColorTable shortTable = ParseStandardColors({"FFFF00", "junk", ""});
    EXPECT_EQ(shortTable[0], 0xFFFF00);
    EXPECT_EQ(shortTable[1], -1);
    EXPECT_EQ(shortTable[2], -1);
    EXPECT_EQ(shortTable[3], -1);
    EXPECT_EQ(shortTable[255], -1);
}

TEST(StandardColorTable, DefaultsMatchTheirTextForm) {
    const std::vector<std::string> expected = {"FFFF00", "FF96FF", "FF64FF", "FF32FF",
                                               "FF00FF", "00FFFF", "FF00B4", "00FF00"};
    const StandardColorTable table = DefaultStandardColors();
    EXPECT_EQ(StandardColorLines(table), expected);
    EXPECT_EQ(ParseStandardColors(expected), table);
    EXPECT_EQ(RedOf(table[0]), 0);  // background is cyan: red in the low byte
    EXPECT_EQ(BlueOf(table[0]), 255);
}

TEST(StandardColorText, PadsToSixUpperCaseDigits) {
    EXPECT_EQ(StandardColorText(0xFF), "0000FF");
    EXPECT_EQ(StandardColorText(0), "000000");
    EXPECT_EQ(StandardColorText(0x7ABCDEF0), "7ABCDEF0");
}

TEST(StandardColorLines, GapsBecomeEmptyLinesAndTheTailIsDropped) {
    StandardColorTable table = EmptyStandardColors();
    table[0] = 0x1;
    table[3] = 0x12345678;  // only the low 24 bits are written
    EXPECT_EQ(StandardColorLines(table), (std::vector<std::string>{"000001", "", "", "345678"}));
    EXPECT_TRUE(StandardColorLines(EmptyStandardColors()).empty());
}

TEST(ReducedPaletteSize, CountsEmptyPositionsAndTheBackground) {
    const StandardColorTable defaults = DefaultStandardColors();
    EXPECT_EQ(ReducedPaletteSize(defaults, false, false), 256);
    EXPECT_EQ(ReducedPaletteSize(defaults, false, true), 256);
    EXPECT_EQ(ReducedPaletteSize(defaults, true, false), 249);
    EXPECT_EQ(ReducedPaletteSize(defaults, true, true), 248);
    const StandardColorTable empty = EmptyStandardColors();
    EXPECT_EQ(ReducedPaletteSize(empty, true, false), 256);  // no background to count
    EXPECT_EQ(ReducedPaletteSize(empty, true, true), 256);
}

}  // namespace
}  // namespace vok
