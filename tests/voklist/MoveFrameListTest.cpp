#include <gtest/gtest.h>

#include <map>

#include "voklist/MoveFrameList.h"

namespace vok {
namespace {

using NameList = std::vector<std::string>;

struct FakeLists {
    std::map<std::string, NameList> files;
    NameList asked;
    FrameNameReader Fn() {
        return [this](const std::string& name, NameList& list) {
            asked.push_back(name);
            for (const auto& frame : files.at(name)) list.push_back(frame);
        };
    }
};

TEST(MoveFrameList, SortsWithoutCaseKeepsEachNameOnceAndExpandsListsInPlace) {
    FakeLists lists;
    lists.files["/d/a.txl"] = {"w1.bmp", "w2.bmp"};
    lists.files["/d/C.TXL"] = {"c.bmp"};
    const NameList result =
        BuildMoveFrameList({"/d/b.bmp", "/d/C.TXL", "/d/a.txl", "/d/b.bmp", "/d/A.bmp", "/d/a.txl.bmp"}, lists.Fn());
    EXPECT_EQ(result, (NameList{"/d/A.bmp", "/d/w1.bmp", "/d/w2.bmp", "/d/a.txl.bmp", "/d/b.bmp", "/d/c.bmp"}));
    EXPECT_EQ(lists.asked, (NameList{"/d/a.txl", "/d/C.TXL"}));
}

TEST(MoveFrameList, NamesDifferingOnlyInCaseAreDifferentFiles) {
    FakeLists lists;
    EXPECT_EQ(BuildMoveFrameList({"/d/b.bmp", "/d/B.bmp", "/d/b.bmp"}, lists.Fn()), (NameList{"/d/B.bmp", "/d/b.bmp"}));
}

TEST(MoveFrameList, TakesTheSameOrderAsTheColourCommands) {
    FakeLists lists;
    EXPECT_EQ(BuildMoveFrameList({"/d/ab.bmp", "/d/a_b.bmp", "/d/A.bmp"}, lists.Fn()),
              (NameList{"/d/A.bmp", "/d/a_b.bmp", "/d/ab.bmp"}));
}

TEST(MoveFrameList, FrameNamesAreTakenRelativeToTheirList) {
    FakeLists lists;
    lists.files["/data/imp/imp.txl"] = {"stand.bmp", "sub\\walk.bmp", "/abs/hit.bmp", "C:\\old\\die.bmp", "stand.bmp"};
    EXPECT_EQ(BuildMoveFrameList({"/data/imp/imp.txl"}, lists.Fn()),
              (NameList{"/data/imp/stand.bmp", "/data/imp/sub/walk.bmp", "/abs/hit.bmp", "C:/old/die.bmp",
                     "/data/imp/stand.bmp"}));
}

TEST(MoveFrameList, NothingChosenGivesNothing) {
    FakeLists lists;
    EXPECT_TRUE(BuildMoveFrameList({}, lists.Fn()).empty());
}

}  // namespace
}  // namespace vok
