#include <gtest/gtest.h>

#include "voklist/VokList.h"
#include "VokListTestText.h"

namespace vok {
namespace {

using test::CrLfLines;
using test::Header;

std::vector<std::string> Names(const std::string& text) {
    std::vector<std::string> list{"before"};
    AppendVokListFrameNames(text, list);
    return list;
}

TEST(VokListFrameNames, AppendsAllGroupsInFileOrderWithoutMarkers) {
    EXPECT_EQ(Names(Header() + CrLfLines({"b.bmp", "c.bmp  7+", "a.bmp  0+", "my frame.bmp 2+", "", "tail.bmp"})),
              (std::vector<std::string>{"before", "b.bmp", "c.bmp", "a.bmp", "my frame.bm", "tail.bmp"}));
}

TEST(VokListFrameNames, KeepsGroupEndsWithoutASpaceWhole) {
    EXPECT_EQ(Names(Header() + CrLfLines({"a.bmp3+", " 3+", "+"})),
              (std::vector<std::string>{"before", "a.bmp3+", " 3+", "+"}));
}

TEST(VokListFrameNames, ListWithoutHeaderStartsAtLineZero) {
    EXPECT_EQ(Names(CrLfLines({"walk1.bmp", "walk2.bmp  0+"})),
              (std::vector<std::string>{"before", "walk1.bmp", "walk2.bmp"}));
}

TEST(VokListFrameNames, ShortOrEmptyFilesGiveNoNames) {
    EXPECT_EQ(Names(""), std::vector<std::string>{"before"});
    EXPECT_EQ(Names(CrLfLines({"0", "7", "a.bmp  0+"})), std::vector<std::string>{"before"});
    EXPECT_EQ(Names(Header()), std::vector<std::string>{"before"});
}

}  // namespace
}  // namespace vok
