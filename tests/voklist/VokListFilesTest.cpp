#include <gtest/gtest.h>

#include <filesystem>

#include "support/Errors.h"
#include "support/TempFolder.h"
#include "voklist/MoveFrameList.h"
#include "voklist/VokList.h"
#include "VokListTestText.h"

namespace vok {
namespace {

namespace fs = std::filesystem;
using test::CrLfLines;
using test::Header;

class VokListFiles : public ::testing::Test {
protected:
    test::TempFolder folder;
    // Writes the file, making its folders first; gives its full name.
    std::string Put(const std::string& name, const std::string& bytes) {
        const std::string path = folder / name;
        fs::create_directories(fs::path(path).parent_path());
        test::WriteBytes(path, bytes);
        return path;
    }
};

TEST_F(VokListFiles, SavedListReadsBackAndRewritesByteForByte) {
    const std::string text = Header("1", "5") + CrLfLines({"a.bmp", "b.bmp  0+", "c.bmp  9+"});
    const std::string path = Put("imp.txl", text);
    TVokListDocument doc;
    const auto lines = ReadVokList(path, doc);
    EXPECT_EQ(lines.size(), 18u);
    EXPECT_EQ(doc.TypeIndex, 4);

    const std::string copy = folder / "new/copy.txl";
    WriteVokList(copy, doc);
    EXPECT_EQ(test::ReadBytes(copy), text);
    WriteVokList(path, doc);
    EXPECT_EQ(test::ReadBytes(path), text);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"imp.txl", "new"}));
}

TEST_F(VokListFiles, MalformedListsFailAndLeaveTheFileAlone) {
    const std::string bad = Header() + CrLfLines({"a.bmp  0+", "b.bmp3+"});
    const std::string path = Put("bad.txl", bad);
    TVokListDocument doc;
    EXPECT_THROW(ReadVokList(path, doc), EAssertionFailed);
    EXPECT_EQ(test::ReadBytes(path), bad);
    EXPECT_TRUE(doc.Groups[0].empty());
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"bad.txl"});
}

TEST_F(VokListFiles, HugeFilesAreRefusedUnread) {
    const std::string path = Put("huge.txl", Header());
    fs::resize_file(path, kMaxVokListBytes + 1);  // sparse: costs no disk
    TVokListDocument doc;
    try {
        ReadVokList(path, doc);
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(), "File invalid or corrupt (Unit5.cpp, line 201)");
    }
    std::vector<std::string> names;
    EXPECT_THROW(ReadVokListFrameNames(path, names), EAssertionFailed);
    EXPECT_TRUE(names.empty());
}

TEST_F(VokListFiles, MissingFileAndFailedWriteReportTheSystemError) {
    TVokListDocument doc;
    EXPECT_THROW(ReadVokList(folder / "missing.txl", doc), EOSError);
    std::vector<std::string> names;
    EXPECT_THROW(ReadVokListFrameNames(folder / "missing.txl", names), EOSError);

    // A folder standing where the list should go cannot be replaced.
    fs::create_directory(folder / "taken.txl");
    InitNewVokList(doc);
    EXPECT_THROW(WriteVokList(folder / "taken.txl", doc), EOSError);
    EXPECT_TRUE(fs::is_directory(folder / "taken.txl"));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"taken.txl"});
}

TEST_F(VokListFiles, MoveFrameListReadsTheChosenLists) {
    const std::string list = Put("imp/a.txl", Header() + CrLfLines({"s1.bmp", "s2.bmp  0+", "sub\\w.bmp  1+"}));
    const std::string picture = Put("imp/b.bmp", "x");
    const std::string base = folder / "imp/";
    EXPECT_EQ(BuildMoveFrameList({picture, list}),
              (std::vector<std::string>{base + "s1.bmp", base + "s2.bmp", base + "sub/w.bmp", picture}));
}

}  // namespace
}  // namespace vok
