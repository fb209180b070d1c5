// Where the settings file is read and written.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/SettingsLocation.h"
#include "support/TempFolder.h"

namespace vok::test {
namespace {

class SettingsLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* home = std::getenv("HOME")) oldHome = home;
        setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        setenv("HOME", oldHome.c_str(), 1);
    }
    TempFolder folder;
    std::string oldHome;
};

TEST_F(SettingsLocationTest, BesideTheProgramNamedAfterIt) {
    EXPECT_EQ(SettingsFileBeside("/opt/vok/Other.Tool.exe"), "/opt/vok/Other.Tool.ini");
    EXPECT_EQ(SettingsFileBeside("/opt/vok/voktool"), "/opt/vok/voktool.ini");
    const SettingsFiles files = SettingsFilesOfProgram(folder / "voktool");
    EXPECT_EQ(files.read, folder / "voktool.ini");
    EXPECT_EQ(files.write, folder / "voktool.ini");
}

TEST_F(SettingsLocationTest, AnUnwritableProgramFolderUsesTheConfigurationFolder) {
    WriteBytes(folder / "bin", "not a folder");
    const std::string config = folder / "config/voktool/voktool.ini";
    EXPECT_FALSE(FolderWritable(folder / "bin"));
    EXPECT_EQ(SettingsFilesOfProgram(folder / "bin/voktool").write, config);

    // An installed program may ship its file: read until the user has one of their own.
    const SettingsFiles shipped = ChooseSettingsFiles(folder / "voktool", false);
    EXPECT_EQ(shipped.write, config);
    EXPECT_EQ(shipped.read, config);  // nothing beside the program either
    WriteBytes(folder / "voktool.ini", "");
    EXPECT_EQ(ChooseSettingsFiles(folder / "voktool", false).read, folder / "voktool.ini");
    std::filesystem::create_directories(folder / "config/voktool");
    WriteBytes(config, "");
    EXPECT_EQ(ChooseSettingsFiles(folder / "voktool", false).read, config);

    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", folder.Path().c_str(), 1);
    EXPECT_EQ(SettingsFileInConfigFolder("/x/voktool"), folder / ".config/voktool/voktool.ini");
}

}  // namespace
}  // namespace vok::test
