#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "support/Errors.h"
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
    fs::path folder;
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vok-voklist-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    std::string Put(const std::string& name, const std::string& bytes) {
        const fs::path path = folder / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(VokListFiles, SavedListReadsBackAndRewritesByteForByte) {
    const std::string text = Header("1", "5") + CrLfLines({"a.bmp", "b.bmp  0+", "c.bmp  9+"});
    const std::string path = Put("imp.txl", text);
    TVokListDocument doc;
    const auto lines = ReadVokList(path, doc);
    EXPECT_EQ(lines.size(), 18u);
    EXPECT_EQ(doc.TypeIndex, 4);

    const std::string copy = (folder / "new" / "copy.txl").string();
    WriteVokList(copy, doc);
    EXPECT_EQ(Bytes(copy), text);
    WriteVokList(path, doc);
    EXPECT_EQ(Bytes(path), text);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"imp.txl", "new"}));
}

TEST_F(VokListFiles, MalformedListsFailAndLeaveTheFileAlone) {
    const std::string bad = Header() + CrLfLines({"a.bmp  0+", "b.bmp3+"});
    const std::string path = Put("bad.txl", bad);
    TVokListDocument doc;
    EXPECT_THROW(ReadVokList(path, doc), EAssertionFailed);
    EXPECT_EQ(Bytes(path), bad);
    EXPECT_TRUE(doc.Groups[0].empty());
    EXPECT_EQ(Entries(), std::vector<std::string>{"bad.txl"});
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
    EXPECT_THROW(ReadVokList((folder / "missing.txl").string(), doc), EOSError);
    std::vector<std::string> names;
    EXPECT_THROW(ReadVokListFrameNames((folder / "missing.txl").string(), names), EOSError);

    // A folder standing where the list should go cannot be replaced.
    fs::create_directory(folder / "taken.txl");
    InitNewVokList(doc);
    EXPECT_THROW(WriteVokList((folder / "taken.txl").string(), doc), EOSError);
    EXPECT_TRUE(fs::is_directory(folder / "taken.txl"));
    EXPECT_EQ(Entries(), std::vector<std::string>{"taken.txl"});
}

TEST_F(VokListFiles, MoveFrameListReadsTheChosenLists) {
    const std::string list = Put("imp/a.txl", Header() + CrLfLines({"s1.bmp", "s2.bmp  0+", "sub\\w.bmp  1+"}));
    const std::string picture = Put("imp/b.bmp", "x");
    const std::string base = (folder / "imp").string() + "/";
    EXPECT_EQ(BuildMoveFrameList({picture, list}),
              (std::vector<std::string>{base + "s1.bmp", base + "s2.bmp", base + "sub/w.bmp", picture}));
}

}  // namespace
}  // namespace vok
