#include <gtest/gtest.h>

#include "FrameFolderTest.h"
#include "ShadowFiles.h"
#include "shadow/ShadowList.h"
#include "support/Errors.h"
#include "voklist/VokList.h"

namespace vok {
namespace {

using test::Lines;
using test::ListHeader;

class ShadowListTest : public test::FrameFolderTest {
protected:
    TShadowList Read(const std::string& text) { return ReadShadowList(List(text)); }
    std::string ErrorOf(const std::string& text) {
        try {
            Read(text);
        } catch (const Exception& e) {
            return e.what();
        }
        return "no error";
    }
};

const std::string kSep = kGroupSeparatorRow;

TEST_F(ShadowListTest, CreatureGroupsOneAndTwoGetTheOutline) {
    const TShadowList list =
        Read(ListHeader("7") + Lines({"stand.bmp  0+", "walk1.bmp", "walk2.bmp  1+", "hit.bmp  2+", "die.bmp  3+"}));
    EXPECT_TRUE(list.HasHeader);
    const std::vector<std::string> names = {"stand.bmp", "", "walk1.bmp", "walk2.bmp", "", "hit.bmp", "", "die.bmp", ""};
    EXPECT_EQ(list.Names, names);
    const std::vector<std::string> rows = {"stand.bmp", kSep, "walk1.bmp", "walk2.bmp", kSep, "hit.bmp", kSep, "die.bmp", kSep};
    EXPECT_EQ(list.Rows, rows);
    EXPECT_EQ(kSep.size(), 36u);
    EXPECT_EQ(kSep[0], '\x97');
    EXPECT_EQ(list.SelectionFirst, 2);
    EXPECT_EQ(list.SelectionEnd, 7);
    EXPECT_FALSE(list.SelectionAt(0));
    EXPECT_FALSE(list.SelectionAt(1));
    EXPECT_TRUE(list.SelectionAt(2));
    EXPECT_TRUE(list.SelectionAt(6));
    EXPECT_FALSE(list.SelectionAt(7));
}

TEST_F(ShadowListTest, OtherTypesAndHigherGroupsGetNone) {
    EXPECT_FALSE(Read(ListHeader("5") + Lines({"a.bmp  0+", "b.bmp  1+"})).HasSelection());
    EXPECT_FALSE(Read(ListHeader("07") + Lines({"a.bmp  0+", "b.bmp  1+"})).HasSelection());
    EXPECT_FALSE(Read(ListHeader("7") + Lines({"a.bmp  3+", "b.bmp  4+"})).HasSelection());
}

TEST_F(ShadowListTest, ZeroNumberedGroupsCountUp) {
    // 0, 0, 0 become 0, 1, 2; a fourth becomes 3 and lies outside the range.
    const TShadowList list = Read(ListHeader() + Lines({"a.bmp  0+", "b.bmp  0+", "c.bmp  0+", "d.bmp  0+"}));
    EXPECT_EQ(list.SelectionFirst, 2);
    EXPECT_EQ(list.SelectionEnd, 6);
}

TEST_F(ShadowListTest, BaseLineLine) {
    TShadowList list = Read(ListHeader("7", "Auto 250"));
    EXPECT_EQ(list.BaseLine, 250);
    EXPECT_EQ(list.BaseLineText, "Auto");
    list = Read(ListHeader("7", "aUTO 17"));
    EXPECT_EQ(list.BaseLine, 17);
    EXPECT_EQ(list.BaseLineText, "Auto");
    list = Read(ListHeader("7", "Auto"));
    EXPECT_EQ(list.BaseLine, kUnset);
    EXPECT_EQ(list.BaseLineText, "Auto");
    for (const char* other : {"auto", "Manual", "Auto_250", "250", ""}) {
        list = Read(ListHeader("7", other));
        EXPECT_EQ(list.BaseLine, kUnset) << other;
        EXPECT_EQ(list.BaseLineText, other);
    }
    EXPECT_EQ(ErrorOf(ListHeader("7", "Auto 2x")), "'2x' is not a valid integer value");
}

TEST_F(ShadowListTest, TextAroundLine14IsKeptByteForByte) {
    const std::string frames = Lines({"a.bmp", "b.bmp  0+", "", ""}) + "tail";
    const std::string text = ListHeader("7", "Auto 9") + frames;
    const TShadowList list = Read(text);
    EXPECT_EQ(list.HeaderText + "Auto 9" + list.RestText, text);
    EXPECT_EQ(list.RestText, "\r\n" + frames);
    // A bare LF is a line break, kept as CR LF; a lone CR is no line break at all.
    EXPECT_EQ(Read(text + "\nmore").RestText, "\r\n" + frames + "\r\nmore");
    EXPECT_EQ(ErrorOf(text + "\rmore"), "File invalid or corrupt (Unit3.cpp, line 162)");
    // Without the final line break there is nothing after line 14.
    std::string bare = ListHeader("7", "Auto 9");
    bare.resize(bare.size() - 2);
    const TShadowList short15 = Read(bare);
    EXPECT_EQ(short15.RestText, "");
    EXPECT_TRUE(short15.Names.empty());
}

TEST_F(ShadowListTest, ListWithoutHeader) {
    const std::string text = Lines({"frame1.bmp", "frame2.bmp  0+", "", ""});
    const TShadowList list = Read(text);
    EXPECT_FALSE(list.HasHeader);
    EXPECT_EQ(list.HeaderText, "");
    EXPECT_EQ(list.BaseLineText, "");
    EXPECT_EQ(list.RestText, text);
    EXPECT_EQ(list.Names, (std::vector<std::string>{"frame1.bmp", "frame2.bmp", ""}));
    EXPECT_EQ(list.SelectionFirst, 3);
}

TEST_F(ShadowListTest, NamesAndTheirShownParts) {
    const TShadowList list = Read(ListHeader("4") + Lines({"sub\\dir\\one.bmp", "/abs/two.bmp", "C:three.bmp",
                                                            "my frame.bmp", "my frame.bmp  1+", "x.bmp 2+", ""}) +
                                  Lines({"last.bmp"}));
    // The empty line names no picture and shows no row.
    EXPECT_EQ(list.Names, (std::vector<std::string>{"sub\\dir\\one.bmp", "/abs/two.bmp", "C:three.bmp", "my frame.bmp",
                                                     "m", "", "x.bm", "", "last.bmp"}));
    EXPECT_EQ(list.Rows[0], "one.bmp");
    EXPECT_EQ(list.Rows[1], "two.bmp");
    EXPECT_EQ(list.Rows[2], "three.bmp");
    EXPECT_EQ(list.Rows[3], "my frame.bmp");
}

TEST_F(ShadowListTest, MalformedLists) {
    const std::string corrupt = "File invalid or corrupt (Unit3.cpp, line 162)";
    EXPECT_EQ(ErrorOf(ListHeader() + Lines({"a.bmp", "b.bmp+"})), corrupt);
    EXPECT_EQ(ErrorOf(ListHeader() + Lines({"+"})), corrupt);
    EXPECT_EQ(ErrorOf(ListHeader() + Lines({" 1+"})), corrupt);
    EXPECT_EQ(ErrorOf(ListHeader() + Lines({"a.bmp  x+"})), "'x' is not a valid integer value");
    EXPECT_EQ(ErrorOf(ListHeader() + Lines({"a.bmp  +"})), "'' is not a valid integer value");
    // A header cut short.
    EXPECT_EQ(ErrorOf(Lines({"0", "7", "Temp.vok"})), corrupt);
    EXPECT_EQ(ErrorOf(""), corrupt);
    EXPECT_THROW(ReadShadowList(folder / "missing.txl"), Exception);
}

TEST_F(ShadowListTest, AllListReadersTakeBareLfLinesAlike) {
    std::string text;
    for (const char* line : {"0", "7", "T.vok", "FALSE", "FALSE", "TRUE", "450", "400", "", "0", "FALSE", "FALSE",
                             "FALSE", "Auto", "Auto 5", "walk1.bmp", "", "walk2.bmp  0+", ""})
        text += std::string(line) + "\n";
    const TShadowList list = Read(text);
    EXPECT_TRUE(list.HasHeader);
    EXPECT_EQ(list.Names, (std::vector<std::string>{"walk1.bmp", "walk2.bmp", ""}));
    EXPECT_EQ(list.BaseLine, 5);
    EXPECT_EQ(list.HeaderText.find("0\r\n7\r\nT.vok\r\n"), 0u);

    TVokListDocument doc;
    ParseVokListText(text, doc);
    EXPECT_EQ(doc.Groups[0], (TMyStrArray{"walk1.bmp", "walk2.bmp"}));
    const std::string written = VokListText(doc);
    EXPECT_EQ(written.find("0\r\n7\r\nT.vok\r\n"), 0u);
    for (std::size_t i = 0; i < written.size(); ++i)
        if (written[i] == '\n') {
            ASSERT_TRUE(i > 0 && written[i - 1] == '\r') << "bare LF written at " << i;
        }

    std::vector<std::string> names;
    AppendVokListFrameNames(text, names);
    EXPECT_EQ(names, (std::vector<std::string>{"walk1.bmp", "walk2.bmp"}));
}

}  // namespace
}  // namespace vok
