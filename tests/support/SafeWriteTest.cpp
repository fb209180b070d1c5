// WriteFileSafely: the target is replaced whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Errors.h"
#include "support/TempFolder.h"
#include "support/ZqSysUtils.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

class SafeWriteTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_ / name; }
    std::size_t Entries() const { return folder_.Names().size(); }
    test::TempFolder folder_;
};

TEST_F(SafeWriteTest, BackslashesSeparateFoldersAsInTheOtherFileRoutines) {
    WriteFileSafely(Path("sub\\deeper\\f.txl"), "abc", 3);
    EXPECT_EQ(ReadFileText(Path("sub/deeper/f.txl")), "abc");
    EXPECT_EQ(ReadFileText(Path("sub\\deeper\\f.txl")), "abc");
}

TEST_F(SafeWriteTest, CreatesReplacesAndMakesFolders) {
    const std::string data("a\0b\r\n", 5);
    WriteFileSafely(Path("f.bin"), data.data(), data.size());
    EXPECT_EQ(test::ReadBytes(Path("f.bin")), data);
    WriteFileSafely(Path("f.bin"), "xy", 2);
    EXPECT_EQ(test::ReadBytes(Path("f.bin")), "xy");
    WriteFileSafely(Path("f.bin"), "", 0);
    EXPECT_EQ(test::ReadBytes(Path("f.bin")), "");
    EXPECT_EQ(Entries(), 1u);
    WriteFileSafely(Path("new/deeper/g.bin"), "z", 1);
    EXPECT_EQ(test::ReadBytes(Path("new/deeper/g.bin")), "z");
}

TEST_F(SafeWriteTest, FailureKeepsTheOldFileAndLeavesNoTemporary) {
    WriteFileSafely(Path("keep.txt"), "old", 3);
    if (::geteuid() != 0) {
        // A folder that refuses new files.
        fs::permissions(folder_.Path(), fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_THROW(WriteFileSafely(Path("keep.txt"), "new", 3), EOSError);
        fs::permissions(folder_.Path(), fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(test::ReadBytes(Path("keep.txt")), "old");
    }
    // The target is a non-empty folder: the rename fails after writing.
    fs::create_directories(Path("folder/x"));
    try {
        WriteFileSafely(Path("folder"), "data", 4);
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_NE(e.code(), 0);
    }
    EXPECT_EQ(Entries(), 2u);
    EXPECT_TRUE(fs::is_directory(Path("folder/x")));
    EXPECT_EQ(test::ReadBytes(Path("keep.txt")), "old");
}

}  // namespace
}  // namespace vok
