// The settings file of the main window: what a restart finds again.
#include <QPlainTextEdit>
#include <QPushButton>
#include <sys/stat.h>

#include "MainWindowFixture.h"
#include "colours/ColourTestPictures.h"
#include "pictures/BmpCodec.h"
#include "support/TempFolder.h"
#include "voklist/VokListEditor.h"

namespace vok::test {
namespace {

const char* const kDialogKeys[] = {
    "OpenPictureDialog1.FileName", "OpenPictureDialog2.FileName", "OpenPictureDialog3.FileName",
    "OpenPictureDialog4.FileName", "OpenDialog4.FileName",        "SavePictureDialog1.FileName",
    "SavePictureDialog2.FileName", "OpenDialog1.FileName",        "SaveDialog1.FileName",
    "OpenPictureDialog1.FileName"};

class SettingsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteCreatureTable();
    }
    // Closes the window as the user does, then starts the program again.
    TForm1& Restart() {
        form->close();
        form.reset();
        return Open();
    }
};

TEST_F(SettingsTest, FirstRunWritesBothSectionsAndAllTenKeys) {
    TForm1& f = Open();
    EXPECT_TRUE(f.OpenPictureDialog1.FileName.empty());
    f.close();
    EXPECT_TRUE(dialogs.Errors().empty());
    const std::string text = ReadBytes(Here("voktool.ini"));
    std::size_t at = text.find("[Main Form]\r\n");
    ASSERT_EQ(at, 0u) << text;
    for (int i = 0; i < 10; ++i) {
        if (i == 7) {
            at = text.find("[VokList Form]\r\n", at);
            ASSERT_NE(at, std::string::npos);
        }
        at = text.find(std::string("\r\n") + kDialogKeys[i] + "=\r\n", at);
        EXPECT_NE(at, std::string::npos) << kDialogKeys[i];
    }
}

TEST_F(SettingsTest, NamesColoursAndSplitSurviveARestart) {
    // A file with only some keys: the others stay empty.
    WriteBytes(Here("voktool.ini"), "[VokList Form]\nSaveDialog1.FileName=/lists/a.txl\n[Main Form]\nOpenDialog4.FileName=x.txl");
    TForm1& first = Open();
    EXPECT_EQ(first.OpenDialog4.FileName, "x.txl");
    EXPECT_EQ(first.Form5->SaveDialog1.FileName, "/lists/a.txl");
    EXPECT_EQ(first.Form5->OpenDialog1.FileName, "");
    EXPECT_EQ(first.Memo1->toPlainText().split('\n').size(), 8);  // no colours kept yet: the defaults

    SaveBitmapToFile(TrueColor(3, 2, 0x123456), Here("f.bmp"));
    dialogs.AnswerFiles({Here("f.bmp")});
    dialogs.AnswerFile(Here("All.bmp"));
    first.Button6->click();
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    EXPECT_EQ(ReadBytes(Here("All.bmp.parts")), "3 2 f.bmp\r\n");
    first.Memo1->setPlainText("0000FF\n\nzz\n00ff00\n");

    TForm1& second = Restart();
    EXPECT_TRUE(dialogs.Errors().empty());
    EXPECT_EQ(second.OpenPictureDialog1.FileName, Here("f.bmp"));
    EXPECT_EQ(second.OpenPictureDialog3.FileName, Here("All.bmp"));
    EXPECT_EQ(second.Form5->SaveDialog1.FileName, "/lists/a.txl");
    EXPECT_EQ(second.Memo1->toPlainText(), "0000FF\n\n\n00FF00");
    EXPECT_TRUE(second.Button7->isEnabled());
    EXPECT_EQ(second.PartNames, std::vector<std::string>{"f.bmp"});
    EXPECT_EQ(second.PartWidths, std::vector<int>{3});

    // A record that has gone leaves Split as at a first start.
    std::remove(Here("All.bmp.parts").c_str());
    TForm1& third = Restart();
    EXPECT_FALSE(third.Button7->isEnabled());
    EXPECT_TRUE(third.PartNames.empty());
}

TEST_F(SettingsTest, GarbageInTheFileStartsTheProgramNormally) {
    std::string junk = "\x01\x02[Main Form\xff\r\n[Main Form]";
    junk += "\nStandardColors=" + std::string(1 << 20, ',') + "\nOpenDialog4.FileName=" + std::string(1 << 20, 'q');
    junk += "\nSplitRecord=" + Here("voktool.ini");  // not a record
    WriteBytes(Here("voktool.ini"), junk);
    TForm1& f = Open();
    EXPECT_TRUE(dialogs.Errors().empty());
    EXPECT_EQ(f.OpenDialog4.FileName.size(), std::size_t(1) << 20);
    EXPECT_EQ(f.Memo1->toPlainText().split('\n').size(), 8);  // no colour among the commas: the defaults
    EXPECT_FALSE(f.Button7->isEnabled());
}

TEST_F(SettingsTest, AColourListWithoutAColourGivesTheDefaults) {
    const QString defaults = Open().Memo1->toPlainText();
    ASSERT_EQ(defaults.split('\n').size(), 8);
    for (const char* value : {"", "zz,,$12, 00FF00,80000000"}) {
        form->close();  // saves the settings: the file is written after it
        form.reset();
        WriteBytes(Here("voktool.ini"), std::string("[Main Form]\nStandardColors=") + value + "\n");
        EXPECT_EQ(Open().Memo1->toPlainText(), defaults) << value;
    }
}

TEST_F(SettingsTest, AFifoAsSettingsFileOrAsRecordDoesNotHoldTheStart) {
    ASSERT_EQ(::mkfifo(Here("voktool.ini").c_str(), 0600), 0);
    EXPECT_EQ(Open().OpenDialog4.FileName, "");
    form.reset();
    ASSERT_EQ(::mkfifo(Here("All.bmp.parts").c_str(), 0600), 0);
    SetProgramFileName(Here("other"));
    WriteBytes(Here("other.ini"), "[Main Form]\r\nOpenDialog4.FileName=a.txl\r\nSplitRecord=" + Here("All.bmp.parts"));
    TForm1& f = Open();
    EXPECT_EQ(f.OpenDialog4.FileName, "a.txl");
    EXPECT_FALSE(f.Button7->isEnabled());
    EXPECT_TRUE(dialogs.Errors().empty());
}

TEST_F(SettingsTest, TheSettingsFileIsNamedAfterTheProgramFile) {
    SetProgramFileName(Here("Other.bin"));
    WriteBytes(Here("Other.ini"), "[Main Form]\r\nOpenDialog4.FileName=mine.txl\r\n");
    WriteBytes(Here("voktool.ini"), "[Main Form]\r\nOpenDialog4.FileName=not mine.txl\r\n");
    TForm1& f = Open();
    EXPECT_EQ(f.OpenDialog4.FileName, "mine.txl");
    f.OpenDialog4.FileName = "changed.txl";
    f.close();
    EXPECT_NE(ReadBytes(Here("Other.ini")).find("OpenDialog4.FileName=changed.txl\r\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(Here("voktool.ini")), "[Main Form]\r\nOpenDialog4.FileName=not mine.txl\r\n");
}

TEST_F(SettingsTest, AnUnwritableProgramFolderKeepsTheSettingsInTheConfigurationFolder) {
    WriteBytes(Here("bin"), "a file where the program's folder would be");
    SetProgramFileName(Here("bin/voktool"));
    Open().OpenDialog4.FileName = "kept.txl";
    TForm1& f = Restart();
    EXPECT_TRUE(dialogs.Errors().empty());
    EXPECT_EQ(f.OpenDialog4.FileName, "kept.txl");
    EXPECT_TRUE(FileExists(Here("config/voktool/voktool.ini")));
}

TEST_F(SettingsTest, ASettingsFileThatCannotBeWrittenIsReportedOnceAndTheWindowCloses) {
    WriteBytes(Here("bin"), "");
    WriteBytes(Here("config"), "");  // no configuration folder either
    SetProgramFileName(Here("bin/voktool"));
    TForm1& f = Open();
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{"Unable to write to " + Here("config/voktool/voktool.ini") + "."});
}

TEST_F(MainWindowTest, AStartThatEndedEarlyLeavesTheSettingsAlone) {
    // No creature table: the settings are not restored, so closing must not wipe them.
    const std::string kept = "[Main Form]\r\nStandardColors=0000FF\r\n";
    WriteBytes(Here("voktool.ini"), kept);
    Open().close();
    EXPECT_EQ(ReadBytes(Here("voktool.ini")), kept);
}

}  // namespace
}  // namespace vok::test
