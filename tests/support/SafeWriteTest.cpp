// WriteFileSafely: the target is replaced whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "support/Errors.h"
#include "support/ZqSysUtils.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

class SafeWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vok_safe_" + std::to_string(::getpid()) + "_" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Contents(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t Entries() const {
        return std::size_t(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path dir_;
};

TEST_F(SafeWriteTest, CreatesReplacesAndMakesFolders) {
    const std::string data("a\0b\r\n", 5);
    WriteFileSafely(Path("f.bin"), data.data(), data.size());
    EXPECT_EQ(Contents(Path("f.bin")), data);
    WriteFileSafely(Path("f.bin"), "xy", 2);
    EXPECT_EQ(Contents(Path("f.bin")), "xy");
    WriteFileSafely(Path("f.bin"), "", 0);
    EXPECT_EQ(Contents(Path("f.bin")), "");
    EXPECT_EQ(Entries(), 1u);
    WriteFileSafely(Path("new/deeper/g.bin"), "z", 1);
    EXPECT_EQ(Contents(Path("new/deeper/g.bin")), "z");
}

TEST_F(SafeWriteTest, FailureKeepsTheOldFileAndLeavesNoTemporary) {
    WriteFileSafely(Path("keep.txt"), "old", 3);
    if (::geteuid() != 0) {
        // A folder that refuses new files.
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_THROW(WriteFileSafely(Path("keep.txt"), "new", 3), EOSError);
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(Contents(Path("keep.txt")), "old");
    }
    // The target is a non-empty folder: the rename fails after writing.
    fs::create_directories(dir_ / "folder" / "x");
    try {
        WriteFileSafely(Path("folder"), "data", 4);
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_NE(e.code(), 0);
    }
    EXPECT_EQ(Entries(), 2u);
    EXPECT_TRUE(fs::is_directory(Path("folder/x")));
    EXPECT_EQ(Contents(Path("keep.txt")), "old");
}

}  // namespace
}  // namespace vok
