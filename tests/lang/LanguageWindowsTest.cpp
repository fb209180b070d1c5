// Language files applied to the real windows: texts, lists, fonts, the error box, the
// files read at start-up, and the translator's check.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QAbstractButton>
#include <fstream>
#include <map>
#include <set>

#include "app/MainWindowFixture.h"
#include "controls/ContextHint.h"
#include "controls/ControlHint.h"
#include "controls/ZqSimpleHintWindow.h"
#include "controls/LmHintComboBox.h"
#include "lang/HelpWindow.h"
#include "lang/LanguageFiles.h"
#include "lang/WidgetLangNode.h"
#include "controls/ZqSpeedButton.h"
#include "move/MoveWindow.h"
#include "palette/PaletteEditor.h"
#include "support/AppInfo.h"
#include "support/TextLines.h"
#include "support/ZqStrUtils.h"
#include "support/ZqSysUtils.h"
#include "controls/LanguageSections.h"
#include "voklist/VokListEditor.h"

namespace vok::test {
namespace {

class LanguageWindowsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteCreatureTable();
        previousAppPath = AppPath();
        SetAppPath(folder.path().toStdString());  // no language file beside the program
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        SetAppPath(previousAppPath);
    }
    std::string Load(const std::string& text) {
        std::string errors;
        LoadLanguage(dialogs, text, false, errors);
        return errors;
    }
    std::string previousAppPath;
};

TEST_F(LanguageWindowsTest, SetsTextsListsAndHintsOfTheWindows) {
    TForm1& f = Open();
    EXPECT_EQ(Load("Caption\tbefore any header\r\n"
                   "[Main Form]\tone column: ignored\r\n"
                   "\t[main form]\r\n"
                   "Caption\tVok-Werkzeug\r\n"
                   "button6.caption\tVereinen\tthird column\r\n"
                   "Button6.Hint\t|Lang\nzwei Zeilen\r\n"
                   "ComboBox1.Items.Strings\tEins\nZwei\nDrei\r\n"
                   "Edit1.Text\tfrei\r\n"
                   "OpenPictureDialog2.Title\tQuellen w\xe4hlen\r\n"
                   "\t[Help]\r\n"
                   "Memo1.Lines.Strings\tErste\nZweite\n\nVierte \xe4\r\n"),
              "");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(f.windowTitle(), "Vok-Werkzeug");
    EXPECT_EQ(f.Button6->text(), "Vereinen");
    EXPECT_EQ(Hint(f.Button6), "|Lang\r\nzwei Zeilen");
    EXPECT_EQ(f.Button6->toolTip(), "");
    ASSERT_EQ(f.ComboBox1->count(), 3);
    EXPECT_EQ(f.ComboBox1->itemText(2), "Drei");
    EXPECT_EQ(f.Edit1->text(), "frei");
    EXPECT_EQ(f.OpenPictureDialog2.Title, "Quellen w\xc3\xa4hlen");
    EXPECT_EQ(HelpWindow()->Memo1->toPlainText(), QString::fromUtf8("Erste\nZweite\n\nVierte \xc3\xa4"));
}

TEST_F(LanguageWindowsTest, ReportsWhatItCouldNotApplyInOneBox) {
    TForm1& f = Open();
    EXPECT_EQ(Load("\t[Main Form]\r\nButton1.Name\tKnopf\r\nButton99.Caption\tx\r\nFont.Charset\t256\r\n"
                   "Button1.Font.Charset\t204\r\nOpenDialog4.Name\tx\r\n\t[Move Form]\r\nCaption\tok\r\nPanel9.Hint\tx\r\n\t[Side Form]\r\n"
                   "Caption\tskipped silently\r\n"),
              "[Main Form]\r\nThe following properties weren't loaded:\r\n  Button1.Name\r\n  Button99.Caption\r\n"
              "  Font.Charset\r\n  OpenDialog4.Name\r\n\r\n[Move Form]\r\nThe following properties weren't loaded:\r\n  Panel9.Hint\r\n"
              "\r\n[Side Form]\r\nUnknown section.\r\n");
    EXPECT_EQ(f.Button1->objectName(), "Button1");
    EXPECT_EQ(FontCharset(f.Button1), 204);
    EXPECT_EQ(FontCharset(&f), 1);
    EXPECT_EQ(f.Form4->windowTitle(), "ok");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].Caption, "Language loaded with errors");
    EXPECT_EQ(dialogs.messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[0].Text.substr(0, 13), "[Main Form]\r\n");
}

TEST_F(LanguageWindowsTest, CharsetsOfFormsAndEditsApartAndByName) {
    TForm1& f = Open();
    EXPECT_EQ(Load("\t[Main Form]\r\nFont.Charset\tRUSSIAN_CHARSET\r\n"), "");
    EXPECT_EQ(FontCharset(&f), 204);
    EXPECT_EQ(Load("\t[Main Form]\r\nGlobalCharset\tGREEK_CHARSET\r\nEditsCharset\tBALTIC_CHARSET\r\n"
                   "GlobalCharset\t222\r\n"),
              "");
    EXPECT_EQ(FontCharset(&f), 161);
    EXPECT_EQ(FontCharset(f.Button6), 161);
    EXPECT_EQ(FontCharset(f.Edit1), 186);
    EXPECT_EQ(FontCharset(f.Memo1), 186);
    // Another window's controls are not the main window's.
    EXPECT_EQ(FontCharset(f.Form4), 1);
}

TEST_F(LanguageWindowsTest, TextsReadInTheCharacterSetOfTheirFont) {
    TForm1& f = Open();
    // "\xcd\xee\xe2\xfb\xe9" is "Новый" in Windows-1251, "Íîâûé" in Windows-1252.
    EXPECT_EQ(Load("\t[Main Form]\r\nButton2.Caption\t\xcd\xee\xe2\xfb\xe9\r\nFont.Charset\tRUSSIAN_CHARSET\r\n"
                   "Button1.Caption\t\xcd\xee\xe2\xfb\xe9\r\n"),
              "");
    // The character set governs the texts of its controls wherever its line stands.
    EXPECT_EQ(f.Button1->text(), QString::fromUtf8("\xd0\x9d\xd0\xbe\xd0\xb2\xd1\x8b\xd0\xb9"));
    EXPECT_EQ(f.Button2->text(), QString::fromUtf8("\xd0\x9d\xd0\xbe\xd0\xb2\xd1\x8b\xd0\xb9"));
    EXPECT_EQ(Load("\t[Main Form]\r\nButton6.Hint\t|\xcd\r\nGlobalCharset\tGREEK_CHARSET\r\n"), "");
    EXPECT_EQ(Hint(f.Button6), QString::fromUtf8("|\xce\x9d"));
}

TEST_F(LanguageWindowsTest, AUtf8FileWithAByteOrderMarkAndACrOnlyFileApplyInFull) {
    TForm1& f = Open();
    EXPECT_EQ(Load("\xEF\xBB\xBF\t[Main Form]\r\nButton1.Caption\tNeue Liste \xC3\xA4\r\nNoSuch\xC3\xA4.Caption\tx\r\n"),
              "[Main Form]\r\nThe following properties weren't loaded:\r\n  NoSuch\xC3\xA4.Caption\r\n");
    EXPECT_EQ(f.Button1->text(), QString::fromUtf8("Neue Liste \xC3\xA4"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].Text.find("NoSuch\xC3\xA4.Caption"), std::string::npos);
    EXPECT_EQ(Load("\t[Main Form]\rButton2.Caption\t\xd6" "ffnen\rButton6.Caption\tVereinen\r"), "");
    EXPECT_EQ(f.Button2->text(), QString::fromUtf8("\xC3\x96" "ffnen"));
    EXPECT_EQ(f.Button6->text(), "Vereinen");
}

TEST_F(LanguageWindowsTest, TheProgressDialogTakesItsTextsFromTheFile) {
    TForm1& f = Open();
    EXPECT_EQ(Load("\t[Main Form]\r\nProgressDialog2.Label\tSchreibe...\r\nProgressDialog2.Cancel\tAbbrechen\r\n"), "");
    TProgressDialog progress(&f, f.ProgressDialog2);
    EXPECT_EQ(progress.Dialog()->labelText(), "Schreibe...");
    const QList<QPushButton*> buttons = progress.Dialog()->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "Abbrechen");
}

TEST_F(LanguageWindowsTest, TheErrorBoxShowsAReadableNumberOfLines) {
    Open();
    std::string text = "\t[Main Form]\r\n";
    for (int i = 0; i < 100; ++i) text += "NoSuch" + std::to_string(i) + ".Caption\tx\r\n";
    Load(text);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string& shown = dialogs.messages[0].Text;
    EXPECT_NE(shown.find("  NoSuch37.Caption\r\n"), std::string::npos);
    EXPECT_EQ(shown.find("NoSuch38.Caption"), std::string::npos);
    EXPECT_NE(shown.find("62 more lines"), std::string::npos) << shown.substr(shown.size() - 40);
}

TEST_F(LanguageWindowsTest, LanguageFilesComeFromBesideTheProgramOrTheUsersFolderNeverTheWorkingFolder) {
    // A stray file in the working folder, a translation in the user's configuration folder.
    WriteFileText(Here("Language.txt"), "\t[Main Form]\r\nButton1.Caption\tstray\r\nNoSuch.Caption\tx\r\n");
    WriteFileText(Here("Language1.txt"), "\t[Main Form]\r\nButton1.Caption\tstray\r\n");
    WriteFileText(Here("bin/Language.txt"), "\t[Main Form]\r\nButton2.Caption\tbeside\r\nButton6.Caption\tbeside\r\n");
    WriteFileText(Here("config/voktool/Language1.txt"), "\t[Main Form]\r\nButton6.Caption\tmine\r\n");
    SetAppPath(Here("bin"));
    TForm1& f = Open();
    EXPECT_EQ(f.Button1->text(), "New VokList");
    EXPECT_EQ(f.Button2->text(), "beside");
    EXPECT_EQ(f.Button6->text(), "mine");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LanguageWindowsTest, StartUpAppliesTheSecondFileOverTheFirst) {
    const std::string beside = AppPath();
    WriteFileText(beside + "Language.txt", "\t[Main Form]\r\nButton1.Caption\tNeu\r\nButton2.Caption\tOeffnen\r\n");
    WriteFileText(beside + "Language1.txt", "\t[Main Form]\r\nButton2.Caption\tAuf\r\nButton77.Caption\tx\r\n");
    TForm1& f = Open();
    EXPECT_EQ(f.Button1->text(), "Neu");
    EXPECT_EQ(f.Button2->text(), "Auf");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].Text.find("Button77.Caption"), std::string::npos);
}

TEST_F(LanguageWindowsTest, RightClickShowsTheTranslatedLongHint) {
    TForm1& f = Open();
    Load("\t[Main Form]\r\nLabel11.Hint\tFarben|Wandeln Sie das Bild in %s Farben um.\r\n");
    const QPoint at = f.Label11->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, f.Label11->mapToGlobal(at));
    QApplication::sendEvent(f.Label11, &event);
    TZqSimpleHintWindow* hint = ContextHintWindow();
    ASSERT_TRUE(hint && hint->isVisible());
    EXPECT_EQ(hint->Text(), "Wandeln Sie das Bild in 256 Farben um.");
    HideHint(false);
}

TEST_F(LanguageWindowsTest, ThePaletteMoveAndListEditorWindowsTakeTheirTexts) {
    TForm1& f = Open();
    ASSERT_EQ(f.Form5->ComboBox1->currentIndex(), 2);
    EXPECT_EQ(Load("\t[Palette Form]\r\nButton3.Caption\tLaden\r\nOpenPictureDialog1.Title\tPalette laden\r\n"
                   "\t[Move Form]\r\nSpeedButton1.Caption\tAlle\r\nZqSpeedButton1.Hint\toben|Nach oben\r\n"
                   "\t[VokList Form]\r\nComboBox1.Items.Strings\ta\nb\nKreatur\nd\nHeld\nf\ng\nh\ni\nj\r\n"
                   "SaveDialog1.Filter\tVokList (TXL)|*.txl\r\nGroups42.Items.Strings\tLaufen\nMaus\r\n"),
              "");
    EXPECT_EQ(f.Form2->Button3->text(), "Laden");
    EXPECT_EQ(f.Form2->OpenPictureDialog1.Title, "Palette laden");
    EXPECT_EQ(f.Form4->SpeedButton1->text(), "Alle");
    EXPECT_EQ(f.Form5->SaveDialog1.Filter, "VokList (TXL)|*.txl");
    // New names for the types: the chosen type stays, and with it the groups.
    EXPECT_EQ(f.Form5->ComboBox1->itemText(2), "Kreatur");
    EXPECT_EQ(f.Form5->ComboBox1->currentIndex(), 2);
    EXPECT_EQ(f.Form5->Edit.Bound(), 21);
    // The group names are the editor's own string holders.
    EXPECT_EQ(f.Form5->Edit.GroupLabel(), "0  Laufen:");
    // A right click on an arrow shows the long part of its new hint.
    QWidget* up = f.Form4->ZqSpeedButton1;
    const QPoint at = up->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, up->mapToGlobal(at));
    QApplication::sendEvent(up, &event);
    ASSERT_TRUE(ContextHintWindow() && ContextHintWindow()->isVisible());
    EXPECT_EQ(ContextHintWindow()->Text(), "Nach oben");
    HideHint(false);
}

std::string ShippedFile(const char* name) { return ReadFileText(std::string(VOK_DATA_SOURCE_DIR) + "/" + name); }

// Every text of ours that a language file sets, by "<section> <key>": window captions,
// control captions, hints, the items of choice boxes and the texts of non-visual
// components. The help's text and the data that controls show are left out.
std::map<std::string, std::string> WindowTexts() {
    std::map<std::string, std::string> texts;
    for (const LanguageSection& section : LanguageSections()) {
        QWidget* window = section.Root.data();
        if (!window) continue;
        const std::string prefix = section.Name + " ";
        texts[prefix + "Caption"] = window->windowTitle().toStdString();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const std::string name = w->objectName().toStdString();
            if (w->window() != window || name.empty() || w->objectName().startsWith("qt_")) continue;
            texts[prefix + name + ".Hint"] = Hint(w).toStdString();
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                texts[prefix + name + ".Caption"] = button->text().toStdString();
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                QStringList items;
                for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
                texts[prefix + name + ".Items.Strings"] = items.join('\n').toStdString();
            }
        }
        for (const auto* holder : window->findChildren<vok::LanguageTexts*>(Qt::FindDirectChildrenOnly))
            for (const vok::LanguageTexts::Text& text : holder->Texts()) {
                const std::string key = prefix + holder->objectName().toStdString() + "." + text.Property;
                if (text.Value) texts[key] = *text.Value;
                if (text.Lines)
                    for (const std::string& line : *text.Lines) texts[key + ".Strings"] += line + "\n";
            }
    }
    return texts;
}

// "<section> <key>" of every key a language file sets, in lower case.
std::set<std::string> KeysOf(const std::string& text) {
    std::set<std::string> keys;
    std::string section;
    for (const std::string& line : TextLines(ReplaceInString(text, "\r\n", "\n", rfReplaceAll))) {
        const std::size_t tab = line.find('\t');
        if (line.empty() || line[0] == ';' || tab == std::string::npos) continue;
        if (tab == 0) section = line.substr(1, line.find('\t', 1) - 1);
        else keys.insert(QString::fromStdString(section + " " + line.substr(0, tab)).toLower().toStdString());
    }
    return keys;
}

TEST_F(LanguageWindowsTest, TheShippedEnglishFileChangesNoBuiltInText) {
    Open();
    const std::map<std::string, std::string> builtIn = WindowTexts();
    form.reset();
    WriteFileText(AppPath() + "Language.txt", ShippedFile("Language.txt"));
    Open();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(WindowTexts(), builtIn);
}

TEST_F(LanguageWindowsTest, EveryTextOfOursHasAKeyInBothShippedFiles) {
    Open();
    const std::set<std::string> english = KeysOf(ShippedFile("Language.txt"));
    const std::set<std::string> german = KeysOf(ShippedFile("translations/Language-German.txt"));
    for (const auto& [key, text] : WindowTexts()) {
        // The panel carries the Split button's hint, set through Button7.Hint.
        if (text.empty() || key.starts_with("[Help] Memo1") || key.starts_with("[Main Form] SplitButtonPanel")) continue;
        const std::string lower = QString::fromStdString(key).toLower().toStdString();
        EXPECT_TRUE(english.count(lower)) << key << " missing in Language.txt";
        // The creature names are the same in every language: the translation leaves them to Language.txt.
        if (key != "[Main Form] ComboBox1.Items.Strings") {
            EXPECT_TRUE(german.count(lower)) << key << " missing in Language-German.txt";
        }
    }
}

}  // namespace
}  // namespace vok::test
