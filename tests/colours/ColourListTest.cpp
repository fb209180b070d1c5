#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colours/SplitRecord.h"
#include "colours/ColourListText.h"
#include "support/Errors.h"

namespace vok {

TEST(ColourListText, LinesOfCrLfOrLfText) {
    EXPECT_EQ(TextLines("FFFF00\r\n\r\nff\nzz\n"), (std::vector<std::string>{"FFFF00", "", "ff", "zz"}));
    EXPECT_EQ(TextLines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(TextLines("").empty());
    const StandardColorTable t = StandardColorsFromText("FFFF00\r\n\r\nff\n$ff\n");
    EXPECT_EQ(t[0], 0xFFFF00);
    EXPECT_LT(t[1], 0);
    EXPECT_EQ(t[2], 0xFF);
    EXPECT_LT(t[3], 0);
    EXPECT_LT(t[4], 0);
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
