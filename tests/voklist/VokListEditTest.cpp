#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "VokListTestText.h"
#include "support/Errors.h"
#include "support/TempFolder.h"
#include "voklist/VokList.h"
#include "voklist/VokListEdit.h"
#include "voklist/VokListFolder.h"
#include "voklist/VokListUndo.h"

namespace vok {
namespace {

using test::CrLfLines;
using test::Header;

TEST(VokListRootFolder, ComesFromTheFirstFrameLineOrTheListFolder) {
    const std::vector<std::string> headerOnly = {"0", "7", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"};
    EXPECT_EQ(RootFolderOfList("/lists/x.txl", headerOnly), "/lists/");
    auto withFrame = [&](const std::string& frame) {
        auto lines = headerOnly;
        lines.push_back(frame);
        return RootFolderOfList("/lists/x.txl", lines);
    };
    EXPECT_EQ(withFrame("a.bmp"), "/lists/");
    EXPECT_EQ(withFrame("frames\\walk\\a.bmp"), "/lists/frames/walk/");
    EXPECT_EQ(withFrame("/frames/a.bmp  0+"), "/frames/");
    EXPECT_EQ(withFrame("C:\\frames\\a.bmp"), "C:/frames/");
    // Without header the first frame line is line 0.
    EXPECT_EQ(RootFolderOfList("/lists/x.txl", {"sub/abcd.bmp", "b.bmp  0+"}), "/lists/sub/");
}

TEST(VokListFolderEntries, FoldersFirstThenFilesIgnoringCase) {
    test::TempFolder dir;
    std::filesystem::create_directories(dir / "zeta");
    std::filesystem::create_directories(dir / "Alpha");
    for (const char* name : {"b.bmp", "A.bmp", "c.txt"}) test::WriteBytes(dir / name, "x");
    const std::vector<FolderEntry> expected = {
        {"Alpha", true}, {"zeta", true}, {"A.bmp", false}, {"b.bmp", false}, {"c.txt", false}};
    EXPECT_EQ(ListFolderEntries(dir.Path()), expected);
    EXPECT_TRUE(ListFolderEntries(dir / "gone").empty());
}

TEST(VokListEdit, OnlyFilesDirectlyInTheRootFolderJoin) {
    test::TempFolder dir;
    std::filesystem::create_directories(dir / "sub");
    test::WriteBytes(dir / "a.bmp", "x");
    test::WriteBytes(dir / "sub/a.bmp", "x");
    TVokListEdit edit;
    edit.NewList(dir / "a.bmp");
    EXPECT_TRUE(edit.CanAdd(dir / "a.bmp"));
    // A file of the same name in a subfolder is another file.
    EXPECT_FALSE(edit.CanAdd(dir / "sub/a.bmp"));
    EXPECT_FALSE(edit.CanAdd(dir / "sub"));
    EXPECT_FALSE(edit.CanAdd(dir / "missing.bmp"));
}

TEST(VokListEdit, GroupsAboveTheTypesBoundStayInMemoryButAreNotSaved) {
    test::TempFolder dir;
    TVokListEdit edit;
    edit.NewList(dir / "a.bmp");
    edit.ShowGroup(12);
    edit.Names = {"hit.bmp"};
    edit.SetType(4);  // hero: groups 0 to 9
    EXPECT_EQ(edit.CurrentGroup, 9);
    EXPECT_EQ(edit.GroupLabel(), "9  Move Down:");
    edit.SaveList(dir / "hero.txl");
    EXPECT_EQ(test::ReadBytes(dir / "hero.txl"), Header("0", "5"));
    edit.SetType(2);
    edit.ShowGroup(12);
    EXPECT_EQ(edit.Names, TMyStrArray{"hit.bmp"});
    edit.SaveList(dir / "creature.txl");
    EXPECT_EQ(test::ReadBytes(dir / "creature.txl"), Header() + CrLfLines({"hit.bmp  12+"}));
}

TEST(VokListEdit, ABadListLeavesTheEditorAsItWas) {
    test::TempFolder dir;
    test::WriteBytes(dir / "bad.txl", Header() + CrLfLines({"a.bmp", "+"}));
    TVokListEdit edit;
    edit.NewList(dir / "a.bmp");
    edit.Names = {"kept.bmp"};
    edit.Modified = true;
    EXPECT_THROW(edit.OpenList(dir / "bad.txl"), EAssertionFailed);
    EXPECT_EQ(edit.Names, TMyStrArray{"kept.bmp"});
    EXPECT_TRUE(edit.Modified);
    EXPECT_EQ(edit.RootFolder, dir.Dir());
}

TEST(VokListEdit, AFailedSaveKeepsTheListAndItsChanges) {
    test::TempFolder dir;
    test::WriteBytes(dir / "file", "x");
    TVokListEdit edit;
    edit.NewList(dir / "a.bmp");
    edit.Add(dir / "a.bmp");
    // A file where a folder should be: no one may write there, whoever runs the test.
    EXPECT_THROW(edit.SaveList(dir / "file/list.txl"), EOSError);
    EXPECT_TRUE(edit.Modified);
    EXPECT_EQ(edit.Doc.Groups[0], TMyStrArray{"a.bmp"});
}

TEST(VokListEdit, UndoGoesBackToTheGroupOfTheChangeAndLeavesLaterGroupsAlone) {
    TVokListEdit edit;
    auto change = [&](const std::function<void()>& make) {
        const TVokListSnapshot before = SnapshotOf(edit);
        make();
        return TVokListChange::Between(before, SnapshotOf(edit));
    };
    edit.Names = {"a.bmp"};
    const TVokListChange first = change([&] { edit.Names.push_back("b.bmp"); });
    edit.ShowGroup(3);
    EXPECT_TRUE(change([&] { edit.ShowGroup(5); }).Empty());
    const TVokListChange second = change([&] { edit.Names = {"c.bmp"}; });
    const TVokListChange hero = change([&] { edit.SetType(4); });
    hero.Undo(edit);
    second.Undo(edit);
    EXPECT_EQ(edit.CurrentGroup, 5);
    EXPECT_TRUE(edit.Names.empty());
    first.Undo(edit);
    EXPECT_EQ(edit.CurrentGroup, 0);
    EXPECT_EQ(edit.Names, TMyStrArray{"a.bmp"});
    second.Redo(edit);
    hero.Redo(edit);
    EXPECT_EQ(edit.Doc.TypeIndex, 4);
    edit.ShowGroup(5);
    EXPECT_EQ(edit.Names, TMyStrArray{"c.bmp"});
    EXPECT_EQ(edit.Doc.Groups[0], TMyStrArray{"a.bmp"});
}

}  // namespace
}  // namespace vok
