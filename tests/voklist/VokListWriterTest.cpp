#include <gtest/gtest.h>

#include "voklist/VokList.h"
#include "VokListTestText.h"

namespace vok {
namespace {

using test::CrLfLines;
using test::Header;

TEST(VokListWriter, NewListWithoutNamesIsTheFifteenHeaderLines) {
    TVokListDocument doc;
    InitNewVokList(doc);
    EXPECT_EQ(VokListText(doc), Header("0", "7"));
}

TEST(VokListWriter, ListWithoutHeaderAndNamesIsEmpty) {
    TVokListDocument doc;
    EXPECT_EQ(VokListText(doc), "");
}

TEST(VokListWriter, WritesGroupsInOrderWithExplicitNumbersAndSkipsEmptyOnes) {
    TVokListDocument doc;
    InitNewVokList(doc);
    doc.Groups[4] = {"w1.bmp", "w2.bmp"};
    doc.Groups[0] = {"s.bmp"};
    EXPECT_EQ(VokListText(doc), Header() + CrLfLines({"s.bmp  0+", "w1.bmp", "w2.bmp  4+"}));
}

TEST(VokListWriter, WritesOnlyGroupsUpToTheBoundOfTheType) {
    TVokListDocument doc;
    InitNewVokList(doc);
    doc.Groups[0] = {"a.bmp"};
    doc.Groups[9] = {"b.bmp"};
    doc.Groups[12] = {"c.bmp"};
    doc.TypeIndex = 4;  // hero: groups 0 to 9
    EXPECT_EQ(VokListText(doc), Header("0", "5") + CrLfLines({"a.bmp  0+", "b.bmp  9+"}));
    doc.TypeIndex = 5;  // terrain: group 0 only
    EXPECT_EQ(VokListText(doc), Header("0", "4") + CrLfLines({"a.bmp  0+"}));
    doc.TypeIndex = 2;
    EXPECT_EQ(VokListText(doc), Header("0", "7") + CrLfLines({"a.bmp  0+", "b.bmp  9+", "c.bmp  12+"}));
}

TEST(VokListWriter, GivesEveryNameTheBmpExtension) {
    TVokListDocument doc;
    doc.Groups[0] = {"frame.pcx", "frame", "FRAME.BMP", "dir.v2\\frame", "dir.v2/frame", "a.b.c"};
    EXPECT_EQ(VokListText(doc), CrLfLines({"frame.bmp", "frame.bmp", "FRAME.bmp", "dir.v2\\frame.bmp",
                                           "dir.v2/frame.bmp", "a.b.bmp  0+"}));
}

TEST(VokListWriter, RoundTripKeepsHeaderBytesAndTakesTheTypeAtSavingTime) {
    // Odd but legal settings: a lone CR and trailing blanks stay as they are.
    const std::string header =
        CrLfLines({"", "7", "My.vok", "a\rb", "FALSE ", "TRUE", "1", "2", "", "", "x", "y", "z", "Auto", ""});
    const std::string frames = CrLfLines({"m1.bmp", "m2.bmp  0+", "s1.bmp  2+", "d.bmp  21+"});
    TVokListDocument doc;
    ParseVokListText(header + frames, doc);
    EXPECT_EQ(VokListText(doc), header + frames);

    doc.TypeIndex = 0;  // spells: type value 9, group 0 only
    std::string expected = header;
    expected.replace(2, 1, "9");
    EXPECT_EQ(VokListText(doc), expected + CrLfLines({"m1.bmp", "m2.bmp  0+"}));
}

TEST(VokListWriter, ReadingWhatWasWrittenGivesTheSameDocument) {
    TVokListDocument doc;
    InitNewVokList(doc);
    doc.Groups[0] = {"a.bmp", "b.bmp"};
    doc.Groups[6] = {"six.bmp"};
    doc.Groups[21] = {"last.bmp"};
    TVokListDocument back;
    ParseVokListText(VokListText(doc), back);
    EXPECT_EQ(back, doc);
}

}  // namespace
}  // namespace vok
