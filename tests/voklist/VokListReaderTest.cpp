#include <gtest/gtest.h>

#include "support/Errors.h"
#include "voklist/VokList.h"
#include "VokListTestText.h"

namespace vok {
namespace {

using test::CrLfLines;
using test::Header;

TVokListDocument Read(const std::string& text) {
    TVokListDocument doc;
    ParseVokListText(text, doc);
    return doc;
}

TEST(VokListReader, HeaderFieldsAndTypeComeFromTheFirstFifteenLines) {
    const auto doc = Read(Header("ab", "5") + CrLfLines({"w1.bmp", "w2.bmp  0+"}));
    EXPECT_EQ(doc.FirstLineText, "ab\r\n");
    EXPECT_EQ(doc.SettingsBlock, "\r\n" + CrLfLines({"Temp.vok", "FALSE", "FALSE", "TRUE", "450", "400", "", "0",
                                                     "FALSE", "FALSE", "FALSE", "Auto", "Auto"}));
    EXPECT_EQ(doc.TypeIndex, 4);
    EXPECT_EQ(doc.Groups[0], (TMyStrArray{"w1.bmp", "w2.bmp"}));
}

TEST(VokListReader, DropsTheCharacterBeforeTheLastSpaceOfAGroupEnd) {
    auto doc = Read(Header() + CrLfLines({"a.bmp  3+", "b.bmp 4+", "my frame.bmp  5+", "c  6+"}));
    EXPECT_EQ(doc.Groups[3], TMyStrArray{"a.bmp"});
    EXPECT_EQ(doc.Groups[4], TMyStrArray{"b.bm"});
    EXPECT_EQ(doc.Groups[5], TMyStrArray{"my frame.bmp"});
    EXPECT_EQ(doc.Groups[6], TMyStrArray{"c"});
    // A lone space right after the first character leaves no name, only the group end.
    doc = Read(Header() + CrLfLines({"x.bmp", "a 2+"}));
    EXPECT_EQ(doc.Groups[2], TMyStrArray{"x.bmp"});
}

TEST(VokListReader, ZeroNumberedGroupsAreNumberedBySequence) {
    const std::string sevenGroups =
        CrLfLines({"a  0+", "b  0+", "c  0+", "d  0+", "e  0+", "f  0+", "g  0+"});
    const auto creature = Read(Header("0", "7") + sevenGroups);
    const char* expected[] = {"a", "b", "c", "d", "e", "f", nullptr, "g"};
    for (int g = 0; g < 8; ++g) {
        if (expected[g]) {
            EXPECT_EQ(creature.Groups[std::size_t(g)], TMyStrArray{expected[g]}) << g;
        }
        else EXPECT_TRUE(creature.Groups[std::size_t(g)].empty()) << "group 6 is skipped";
    }

    const auto hero = Read(Header("0", "5") + CrLfLines({"a  0+", "b  0+", "c  0+"}));
    EXPECT_EQ(hero.Groups[0], TMyStrArray{"a"});
    EXPECT_EQ(hero.Groups[1], TMyStrArray{"b"});
    EXPECT_EQ(hero.Groups[2], TMyStrArray{"c"});

    // The counter moves on zero-numbered groups only; the later group 1 replaces the earlier.
    const auto mixed = Read(Header("0", "5") + CrLfLines({"a  0+", "b  4+", "c  0+", "d  1+"}));
    EXPECT_EQ(mixed.Groups[0], TMyStrArray{"a"});
    EXPECT_EQ(mixed.Groups[4], TMyStrArray{"b"});
    EXPECT_EQ(mixed.Groups[1], TMyStrArray{"d"});
}

TEST(VokListReader, KeepsOtherSlotsAndDropsNamesAfterTheLastGroup) {
    TVokListDocument doc;
    doc.Groups[9] = {"old.bmp"};
    doc.Groups[2] = {"replaced.bmp"};
    ParseVokListText(Header() + CrLfLines({"a.bmp", "b.bmp  2+", "", "lost.bmp", "", ""}), doc);
    EXPECT_EQ(doc.Groups[9], TMyStrArray{"old.bmp"});
    EXPECT_EQ(doc.Groups[2], (TMyStrArray{"a.bmp", "b.bmp"}));
    for (const auto& group : doc.Groups)
        for (const auto& name : group) EXPECT_NE(name, "lost.bmp");
}

TEST(VokListReader, ReturnsTheLinesUpToTheLastNonEmptyOne) {
    TVokListDocument doc;
    const auto lines = ParseVokListText(Header() + CrLfLines({"sub\\a.bmp  0+", "", ""}), doc);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[15], "sub\\a.bmp  0+");
}

TEST(VokListReader, ListWithoutHeaderIsACreatureListWithoutHeader) {
    auto doc = Read(CrLfLines({"walk1.bmp", "walk2.bmp  0+", "x.bmp  0+", "y.bmp  0+"}));
    EXPECT_FALSE(doc.HasHeader());
    EXPECT_TRUE(doc.SettingsBlock.empty());
    EXPECT_EQ(doc.TypeIndex, kCreatureTypeIndex);
    EXPECT_EQ(doc.Groups[0], (TMyStrArray{"walk1.bmp", "walk2.bmp"}));
    EXPECT_EQ(doc.Groups[2], TMyStrArray{"y.bmp"});

    // What an empty list without header is saved as reads back as one.
    TVokListDocument filled;
    InitNewVokList(filled);
    filled.TypeIndex = 4;
    ParseVokListText("", filled);
    EXPECT_FALSE(filled.HasHeader());
    EXPECT_EQ(filled.TypeIndex, kCreatureTypeIndex);
}

// Each malformed list ends with its message and leaves the document as it was.
struct Malformed {
    const char* what;
    std::string text;
    std::string message;
};

// A case prints as its description in test names and failure messages.
void PrintTo(const Malformed& m, std::ostream* os) { *os << m.what; }

class VokListReaderMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(VokListReaderMalformed, FailsAndChangesNothing) {
    TVokListDocument doc;
    InitNewVokList(doc);
    doc.Groups[1] = {"keep.bmp"};
    const TVokListDocument before = doc;
    try {
        ParseVokListText(GetParam().text, doc);
        FAIL() << GetParam().what << " was accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message) << GetParam().what;
    }
    EXPECT_EQ(doc, before) << GetParam().what;
}

const std::string kCorrupt = "File invalid or corrupt (Unit5.cpp, line 201)";

INSTANTIATE_TEST_SUITE_P(
    Cases, VokListReaderMalformed,
    ::testing::Values(
        Malformed{"no space before the number", Header() + CrLfLines({"a.bmp  0+", "b.bmp3+"}), kCorrupt},
        Malformed{"space only as first character", Header() + CrLfLines({" 3+"}), kCorrupt},
        Malformed{"bare plus", Header() + CrLfLines({"+"}), kCorrupt},
        Malformed{"type not an integer", Header("0", "seven"), "'seven' is not a valid integer value"},
        Malformed{"group not an integer", Header() + CrLfLines({"a.bmp  x+"}), "'x' is not a valid integer value"},
        Malformed{"name with a space, no number", Header() + CrLfLines({"my frame+"}),
                  "'frame' is not a valid integer value"},
        Malformed{"type value above 9", Header("0", "10"), kCorrupt},
        Malformed{"type value below 0", Header("0", "-1"), kCorrupt},
        Malformed{"group above 21", Header() + CrLfLines({"a.bmp  22+"}), kCorrupt},
        Malformed{"negative group", Header() + CrLfLines({"a.bmp  -1+"}), kCorrupt},
        Malformed{"sequence beyond 21",
                  Header("0", "5") + CrLfLines({"a  0+", "a  0+", "a  0+", "a  0+", "a  0+", "a  0+", "a  0+",
                                                "a  0+", "a  0+", "a  0+", "a  0+", "a  0+", "a  0+", "a  0+",
                                                "a  0+", "a  0+", "a  0+", "a  0+", "a  0+", "a  0+", "a  0+",
                                                "a  0+", "a  0+"}),
                  kCorrupt},
        Malformed{"header cut short", CrLfLines({"0", "7", "Temp.vok"}), kCorrupt},
        Malformed{"first line only", "0", kCorrupt},
        Malformed{"lone CR line breaks", "walk1.bmp\rwalk2.bmp  0+\r", kCorrupt},
        Malformed{"bare LF header", "0\n7\nTemp.vok\nFALSE\n", kCorrupt},
        Malformed{"lone CR in a name", Header() + CrLfLines({"a\r.bmp  0+"}), kCorrupt}),
    [](const auto& info) {
        std::string name;
        for (const char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

}  // namespace
}  // namespace vok
