#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "support/AppInfo.h"
#include "support/Errors.h"
#include "support/TempFolder.h"
#include "support/ZqSysUtils.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

class FileHelpers : public ::testing::Test {
protected:
    test::TempFolder folder_;
    const std::string dir_ = folder_.Dir();
};

TEST_F(FileHelpers, WriteThenReadGivesTheBytesBack) {
    std::string text = "line 1\r\nline 2\n";
    text.push_back('\0');
    text += "\xFF\x80 end";
    WriteFileText(dir_ + "a.txt", text);
    EXPECT_EQ(ReadFileText(dir_ + "a.txt"), text);
    const TZqByteArray bytes = ReadFileBytes(dir_ + "a.txt");
    ASSERT_EQ(bytes.size(), text.size());
    EXPECT_EQ(bytes[text.size() - 5], 0x80);
}

TEST_F(FileHelpers, WriteTruncatesAnExistingFile) {
    WriteFileText(dir_ + "a.txt", "a much longer first text");
    WriteFileText(dir_ + "a.txt", "short");
    EXPECT_EQ(ReadFileText(dir_ + "a.txt"), "short");
    WriteFileText(dir_ + "a.txt", "");
    EXPECT_TRUE(FileExists(dir_ + "a.txt"));
    EXPECT_EQ(ReadFileText(dir_ + "a.txt"), "");
    EXPECT_TRUE(ReadFileBytes(dir_ + "a.txt").empty());
}

TEST_F(FileHelpers, WriteCreatesTheWholeFolderChain) {
    WriteFileText(dir_ + "x/y/z/out.txl", "data");
    EXPECT_TRUE(DirectoryExists(dir_ + "x/y/z"));
    EXPECT_EQ(ReadFileText(dir_ + "x/y/z/out.txl"), "data");
    // Backslashes separate folders as well.
    WriteFileText(dir_ + "p\\q\\r.txt", "back");
    EXPECT_EQ(ReadFileText(dir_ + "p/q/r.txt"), "back");
    EXPECT_FALSE(fs::exists(dir_ + "p\\q\\r.txt"));  // no name with backslashes in it
    EXPECT_TRUE(FileExists(dir_ + "p\\q\\r.txt"));
}

TEST_F(FileHelpers, ReadingAMissingFileRaisesTheSystemError) {
    try {
        ReadFileText(dir_ + "missing.txt");
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.code(), ENOENT);
        EXPECT_EQ(std::string(e.what()), "System Error.  Code: " + std::to_string(ENOENT) + ".\r\n" + std::strerror(ENOENT));
    }
    EXPECT_THROW(ReadFileBytes(dir_ + "missing.bin"), EOSError);
    // A folder is no file.
    EXPECT_THROW(ReadFileText(dir_), EOSError);
}

TEST_F(FileHelpers, WriteBelowAFileRaisesTheFolderError) {
    WriteFileText(dir_ + "plain", "x");
    try {
        WriteFileText(dir_ + "plain/sub/a.txt", "y");
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.code(), EEXIST);  // the folder "plain" cannot be made
    }
}

TEST_F(FileHelpers, CreateFolders) {
    EXPECT_TRUE(CreateFolders(""));
    EXPECT_TRUE(CreateFolders(dir_));
    EXPECT_TRUE(CreateFolders(dir_ + "a/b/c/"));
    EXPECT_TRUE(DirectoryExists(dir_ + "a/b/c"));
    EXPECT_TRUE(CreateFolders(dir_ + "a/b/c"));
    EXPECT_TRUE(CreateFolders(dir_ + "a\\d\\"));
    EXPECT_TRUE(DirectoryExists(dir_ + "a/d"));
    WriteFileText(dir_ + "file", "");
    EXPECT_FALSE(CreateFolders(dir_ + "file/sub"));
    EXPECT_FALSE(CreateFolders(dir_ + "file"));
}

TEST_F(FileHelpers, CreateFoldersResolvesRelativePaths) {
    char* old = ::getcwd(nullptr, 0);
    ASSERT_EQ(::chdir(dir_.c_str()), 0);
    const bool made = CreateFolders("rel/one/");
    WriteFileText("rel2/two/f.txt", "z");
    ASSERT_EQ(::chdir(old), 0);
    std::free(old);
    EXPECT_TRUE(made);
    EXPECT_TRUE(DirectoryExists(dir_ + "rel/one"));
    EXPECT_EQ(ReadFileText(dir_ + "rel2/two/f.txt"), "z");
}

TEST_F(FileHelpers, OpenCreatesFoldersOnlyForCreatingDispositions) {
    int fd = OpenFileCreatingFolder(dir_ + "n1/f", O_RDONLY, CreationDisposition::OpenExisting);
    EXPECT_EQ(fd, -1);
    EXPECT_FALSE(DirectoryExists(dir_ + "n1"));
    fd = OpenFileCreatingFolder(dir_ + "n2/f", O_WRONLY, CreationDisposition::CreateNew);
    EXPECT_EQ(fd, -1);
    EXPECT_FALSE(DirectoryExists(dir_ + "n2"));
    for (auto d : {CreationDisposition::CreateAlways, CreationDisposition::OpenAlways}) {
        const std::string name = dir_ + "n3/" + std::to_string(int(d)) + "/f";
        fd = OpenFileCreatingFolder(name, O_WRONLY, d);
        ASSERT_GE(fd, 0);
        ::close(fd);
        EXPECT_TRUE(FileExists(name));
    }
    // Open-always keeps the content, create-always truncates it.
    WriteFileText(dir_ + "keep", "abc");
    fd = OpenFileCreatingFolder(dir_ + "keep", O_RDWR, CreationDisposition::OpenAlways);
    ::close(fd);
    EXPECT_EQ(ReadFileText(dir_ + "keep"), "abc");
    fd = OpenFileCreatingFolder(dir_ + "keep", O_RDWR, CreationDisposition::CreateNew);
    EXPECT_EQ(fd, -1);
    EXPECT_EQ(errno, EEXIST);
    fd = OpenFileCreatingFolder(dir_ + "keep", O_RDWR | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(ReadFileText(dir_ + "keep"), "");
}

TEST_F(FileHelpers, FailedFolderCreationLeavesItsErrorWithoutOpening) {
    WriteFileText(dir_ + "blocker", "");
    errno = 0;
    EXPECT_EQ(OpenFileCreatingFolder(dir_ + "blocker/x/f", O_WRONLY, CreationDisposition::CreateAlways), -1);
    EXPECT_EQ(errno, EEXIST);
}

TEST_F(FileHelpers, ExistenceChecks) {
    WriteFileText(dir_ + "f.bmp", "");
    EXPECT_TRUE(FileExists(dir_ + "f.bmp"));
    EXPECT_FALSE(FileExists(dir_));
    EXPECT_FALSE(FileExists(dir_ + "g.bmp"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(DirectoryExists(dir_));
    EXPECT_FALSE(DirectoryExists(dir_ + "f.bmp"));
    EXPECT_FALSE(DirectoryExists(""));
}

TEST(Paths, BothSlashesSeparateFolders) {
    EXPECT_EQ(ExtractFilePath("a/b\\c.bmp"), "a/b\\");
    EXPECT_EQ(ExtractFileName("a/b\\c.bmp"), "c.bmp");
    EXPECT_EQ(ExtractFilePath("c.bmp"), "");
    EXPECT_EQ(ExtractFileName("c.bmp"), "c.bmp");
    EXPECT_EQ(ExtractFilePath("/x/"), "/x/");
    EXPECT_EQ(ExtractFileName("/x/"), "");
    EXPECT_EQ(ExtractFilePath("C:frame.bmp"), "C:");
    EXPECT_EQ(ExtractFileName("C:frame.bmp"), "frame.bmp");
    EXPECT_EQ(ToNativePath("a\\b/c"), "a/b/c");
}

TEST(Paths, ExtensionBelongsToTheName) {
    EXPECT_EQ(ExtractFileExt("dir/f.BMP"), ".BMP");
    EXPECT_EQ(ExtractFileExt("dir/f.tar.gz"), ".gz");
    EXPECT_EQ(ExtractFileExt("dir.d/f"), "");
    EXPECT_EQ(ExtractFileExt("dir.d\\f"), "");
    EXPECT_EQ(ExtractFileExt("f."), ".");
}

TEST(Paths, TrailingDelimiterAndFullPaths) {
    EXPECT_EQ(IncludeTrailingPathDelimiter("a"), "a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("a/"), "a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("a\\"), "a\\");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "");
    EXPECT_TRUE(IsFullPath("/etc/x"));
    EXPECT_TRUE(IsFullPath("\\frames\\a.bmp"));
    EXPECT_TRUE(IsFullPath("C:\\frames"));
    EXPECT_TRUE(IsFullPath("d:x"));
    EXPECT_FALSE(IsFullPath("frames/a.bmp"));
    EXPECT_FALSE(IsFullPath(""));
    EXPECT_FALSE(IsFullPath("1:x"));
}

TEST(PathRule, BackslashesFoldersAndDotsResolveAlikeForEveryReaderAndWriter) {
    EXPECT_EQ(ToNativePath("x\\y.bmp"), "x/y.bmp");
    EXPECT_EQ(ToNativePath("sub\\..\\a.bmp", "/f/"), "/f/a.bmp");
    EXPECT_EQ(ToNativePath("./b//c.bmp", "/f"), "/f/b/c.bmp");
    EXPECT_EQ(ToNativePath("/abs/../../c.bmp", "/f"), "/c.bmp");
    EXPECT_EQ(ToNativePath("rel/../c.bmp"), "rel/../c.bmp");  // relative names stay as written
    EXPECT_EQ(ToNativePath("/a/b/"), "/a/b/");
}

TEST_F(FileHelpers, ANameWithBackslashesLoadsWhereItWasSaved) {
    WriteFileSafely(dir_ + "x\\y.txt", "saved", 5);
    EXPECT_EQ(ReadFileText(dir_ + "x\\y.txt"), "saved");
    EXPECT_TRUE(FileExists(dir_ + "x/y.txt"));
}

TEST_F(FileHelpers, EndlessDevicesAreReadWithABound) {
    try {
        ReadFileBytes("/dev/zero");
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.code(), EFBIG);
        EXPECT_EQ(e.file(), "/dev/zero");
    }
    EXPECT_THROW(ReadFileText(dir_, 10), EOSError);  // a folder
    test::WriteBytes(dir_ + "big", std::string(11, 'b'));
    EXPECT_THROW(ReadFileText(dir_ + "big", 10), EOSError);
    EXPECT_EQ(ReadFileText(dir_ + "big", 11).size(), 11u);
}

TEST_F(FileHelpers, AFifoIsRefusedAtOnceInsteadOfWaitedOn) {
    ASSERT_EQ(::mkfifo((dir_ + "pipe").c_str(), 0600), 0);
    try {
        ReadFileText(dir_ + "pipe");
        FAIL();
    } catch (const ENotRegularFile& e) {
        EXPECT_STREQ(e.what(), ("\"" + dir_ + "pipe\" is not a regular file").c_str());
    }
    EXPECT_THROW(ReadFileBytes(dir_ + "pipe"), ENotRegularFile);
}

TEST_F(FileHelpers, DataFilesAreFoundBesideTheProgramOrInTheInstalledFolder) {
    const std::string saved = AppPath();
    fs::create_directories(dir_ + "bin");
    fs::create_directories(dir_ + "share/voktool");
    SetAppPath(dir_ + "bin");
    test::WriteBytes(dir_ + "share/voktool/vok-test-data.dat", "installed");
    EXPECT_EQ(ReadFileText(FindDataFile("vok-test-data.dat")), "installed");
    test::WriteBytes(dir_ + "bin/vok-test-data.dat", "beside");
    EXPECT_EQ(ReadFileText(FindDataFile("vok-test-data.dat")), "beside");
    try {
        FindDataFile("vok-no-such-data.dat");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("\"vok-no-such-data.dat\""), std::string::npos) << e.what();
    }
    SetAppPath(saved);
}

}  // namespace
}  // namespace vok
