// WriteFileSafely: the target is replaced whole or not at all.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "support/Errors.h"
#include "support/SaveSignals.h"
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

// Runs the check in a child process as the user "nobody": exit code 0 is success.
int RunAsNobody(const std::function<bool()>& check) {
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) ::_exit(3);
        bool ok = false;
        try {
            ok = check();
        } catch (...) {
        }
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}

TEST_F(SafeWriteTest, AReadOnlyFileIsRefusedInAWritableFolder) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to switch to an unprivileged user";
    test::WriteBytes(Path("ro.txt"), "old");
    fs::permissions(Path("ro.txt"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder_.Path(), fs::perms::all);
    const int result = RunAsNobody([&] {
        try {
            WriteFileSafely(Path("ro.txt"), "new", 3);
        } catch (const EOSError& e) {
            return e.code() == EACCES;
        }
        return false;
    });
    if (result < 0) GTEST_SKIP() << "no user \"nobody\"";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::ReadBytes(Path("ro.txt")), "old");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(SafeWriteTest, AReplacedFileKeepsItsModeAndOwner) {
    test::WriteBytes(Path("m.txt"), "old");
    ::chmod(Path("m.txt").c_str(), 0640);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(Path("m.txt").c_str(), 65534, 65534), 0);
    }
    WriteFileSafely(Path("m.txt"), "new", 3);
    struct stat st {};
    ASSERT_EQ(::stat(Path("m.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (::geteuid() == 0) {
        EXPECT_EQ(st.st_uid, 65534u);
    }
    EXPECT_EQ(test::ReadBytes(Path("m.txt")), "new");
    // A new file follows the umask.
    const mode_t mask = ::umask(027);
    WriteFileSafely(Path("n.txt"), "x", 1);
    ::umask(mask);
    ASSERT_EQ(::stat(Path("n.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SafeWriteTest, LinksStayLinks) {
    test::WriteBytes(Path("real.txt"), "old");
    fs::create_symlink("real.txt", Path("link.txt"));
    WriteFileSafely(Path("link.txt"), "new", 3);
    EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
    EXPECT_EQ(test::ReadBytes(Path("real.txt")), "new");
    // A dangling link creates its target.
    fs::create_directories(Path("sub"));
    fs::create_symlink("sub/made.txt", Path("dangling.txt"));
    WriteFileSafely(Path("dangling.txt"), "made", 4);
    EXPECT_TRUE(fs::is_symlink(Path("dangling.txt")));
    EXPECT_EQ(test::ReadBytes(Path("sub/made.txt")), "made");
    // A hard-linked file is written in place: both names see the new content.
    fs::create_hard_link(Path("real.txt"), Path("hard.txt"));
    WriteFileSafely(Path("hard.txt"), "both", 4);
    EXPECT_EQ(fs::hard_link_count(Path("real.txt")), 2u);
    EXPECT_EQ(test::ReadBytes(Path("real.txt")), "both");
    EXPECT_EQ(Entries(), 5u);
}

TEST_F(SafeWriteTest, AFifoIsWrittenDirectlyAndAFolderIsAnError) {
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    std::string got;
    std::thread reader([&] { got = test::ReadBytes(Path("pipe")); });
    WriteFileSafely(Path("pipe"), "through", 7);
    reader.join();
    EXPECT_EQ(got, "through");
    EXPECT_EQ(fs::status(Path("pipe")).type(), fs::file_type::fifo);
    fs::create_directories(Path("dir"));
    EXPECT_THROW(WriteFileSafely(Path("dir"), "x", 1), EOSError);
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(SafeWriteTest, ALongNameSaves) {
    const std::string name(250, 'n');
    WriteFileSafely(Path(name), "x", 1);
    EXPECT_EQ(test::ReadBytes(Path(name)), "x");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(SafeWriteTest, AStopSignalRemovesTheTemporaryOfASaveInProgress) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        const std::string temp = Path("temp" + std::to_string(sig));
        test::WriteBytes(temp, "half");
        const pid_t child = ::fork();
        if (child == 0) {
            HoldTemporaryFile(temp);
            ::raise(sig);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
        EXPECT_FALSE(fs::exists(temp)) << sig;
    }
}

}  // namespace
}  // namespace vok
