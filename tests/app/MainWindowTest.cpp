// The main window from start-up: controls, texts, states, the creature box and the
// glue to the other windows.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/MainWindowFixture.h"
#include "controls/FileDropEvents.h"
#include "support/Errors.h"
#include "controls/ContextHint.h"
#include "controls/ControlHint.h"
#include "controls/LmHintComboBox.h"
#include "controls/ZqSpinEdit.h"
#include "lang/HelpWindow.h"
#include "move/MoveWindow.h"
#include "palette/PaletteEditor.h"
#include "shadow/ShadowWindow.h"
#include "voklist/VokListEditor.h"

namespace vok::test {
namespace {

struct Expected {
    const char* name;
    QRect geometry;
    const char* text;
    bool enabled;
};

QString TextOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return {};
}

TEST_F(MainWindowTest, StartsWithEveryControlInPlace) {
    WriteCreatureTable();
    TForm1& f = Open();
    EXPECT_EQ(f.windowTitle(), "Tarvex Vok Tool");
    EXPECT_EQ(f.size(), QSize(272, 294 + 32));  // the designed area and the row of the one-step commands
    EXPECT_EQ(f.Button15->geometry(), QRect(144, 294, 121, 25));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());  // not sizeable
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);

    const Expected controls[] = {
        {"Button1", {8, 8, 105, 25}, "New VokList", true},
        {"Button2", {120, 8, 113, 25}, "Open VokList", true},
        {"Button3", {240, 8, 25, 25}, "?", true},
        {"ComboBox1", {8, 40, 153, 21}, "", true},
        {"Edit1", {168, 40, 97, 21}, "VOK0", true},
        {"Button6", {8, 75, 89, 25}, "Combine", true},
        {"SplitButtonPanel", {104, 75, 89, 25}, "", true},
        {"CheckBox3", {8, 104, 145, 17}, "No Standard Colors", true},
        {"Label11", {152, 103, 40, 13}, "256", true},
        {"CheckBox4", {8, 122, 145, 17}, "No Background", false},
        {"ZqSpinEdit3", {152, 118, 40, 21}, "0", true},
        {"Button8", {8, 144, 185, 25}, "Delete Shadows and Selection", true},
        {"Button9", {8, 179, 185, 25}, "Copy Shadows and Selection", true},
        {"CheckBox1", {6, 208, 107, 17}, "Copy background", true},
        {"CheckBox2", {120, 208, 73, 17}, "Overwrite", true},
        {"Label2", {8, 233, 13, 13}, "dX", true},
        {"ZqSpinEdit1", {24, 230, 57, 21}, "0", true},
        {"Label3", {88, 233, 13, 13}, "dY", true},
        {"ZqSpinEdit2", {104, 230, 57, 21}, "0", true},
        {"Memo1", {200, 75, 51, 150}, "", true},
        {"Panel1", {252, 77, 16, 148}, "", true},
        {"Button10", {200, 230, 65, 25}, "Edit", true},
        {"Button13", {8, 262, 129, 25}, "Move Monster", true},
        {"Button12", {144, 262, 121, 25}, "Generate Shadow", true},
    };
    for (const Expected& c : controls) {
        auto* w = f.findChild<QWidget*>(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget(), &f) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        EXPECT_EQ(TextOf(w), c.text) << c.name;
        EXPECT_EQ(w->isEnabled(), c.enabled) << c.name;
        EXPECT_TRUE(w->isVisible()) << c.name;
    }
    // Split sits disabled inside its panel.
    EXPECT_EQ(f.Button7->parentWidget(), f.SplitButtonPanel);
    EXPECT_EQ(f.Button7->geometry(), QRect(0, 0, 89, 25));
    EXPECT_FALSE(f.Button7->isEnabled());
    EXPECT_EQ(f.Button7->text(), "Split");
    EXPECT_FALSE(f.Bevel1->isVisible());
    EXPECT_TRUE(f.CheckBox1->isChecked());
    EXPECT_TRUE(f.CheckBox2->isChecked());
    EXPECT_FALSE(f.CheckBox3->isChecked());
    EXPECT_EQ(f.ZqSpinEdit3->MaxValue(), 444);
    EXPECT_TRUE(f.Edit1->isReadOnly());
    EXPECT_EQ(f.Memo1->toPlainText(), "FFFF00\nFF96FF\nFF64FF\nFF32FF\nFF00FF\n00FFFF\nFF00B4\n00FF00");
    EXPECT_EQ(f.StandardColorTable, DefaultStandardColors());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, HintsHaveTheirShortAndLongParts) {
    WriteCreatureTable();
    TForm1& f = Open();
    EXPECT_EQ(f.SplitButtonPanel->toolTip(), "You need to combine pictures first");
    EXPECT_EQ(LongHint(Hint(f.SplitButtonPanel)), "Split the combined picture into its parts.");
    EXPECT_TRUE(f.Button7->toolTip().isEmpty());
    EXPECT_EQ(f.Label11->toolTip(), "Number of colors in palette");
    EXPECT_EQ(f.ZqSpinEdit3->toolTip(), "Tolerance");
    EXPECT_TRUE(f.Button6->toolTip().isEmpty());
    EXPECT_EQ(LongHint(Hint(f.Edit1)), "With this you can find out names of monsters' vok-files.");
    EXPECT_EQ(LongHint(Hint(f.Button12)),
              "Generate shadow and selection for pictures in a VokList.\r\nWorks only with paletted pictures.");

    // Right-click: a control with a long hint shows it; one without is not handled.
    EXPECT_TRUE(f.Panel1ContextPopup(f.Memo1, QPoint(2, 2)));
    EXPECT_FALSE(f.Panel1ContextPopup(f.Button3, QPoint(2, 2)));
    EXPECT_FALSE(f.Panel1ContextPopup(f.Button13, QPoint(2, 2)));
    EXPECT_EQ(f.Button1->contextMenuPolicy(), Qt::DefaultContextMenu);
    EXPECT_TRUE(f.Panel1ContextPopup(f.SplitButtonPanel, QPoint(2, 2)));
    // The hint would take the next test's first key.
    HideHint(false);
}

TEST_F(MainWindowTest, RightClickOnTheDisabledSplitReachesItsPanel) {
    WriteCreatureTable();
    TForm1& f = Open();
    int requests = 0;
    QObject::connect(f.SplitButtonPanel, &QWidget::customContextMenuRequested, [&] { ++requests; });
    const QPoint at = f.SplitButtonPanel->geometry().center();
    QWidget* target = f.childAt(at);
    EXPECT_EQ(target, f.SplitButtonPanel);
    QContextMenuEvent event(QContextMenuEvent::Mouse, target->mapFrom(&f, at), f.mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    EXPECT_EQ(requests, 1);
    // Once Split is available, the button takes the mouse itself.
    f.Button7->setEnabled(true);
    EXPECT_EQ(f.childAt(at), f.Button7);
    HideHint(false);
}

TEST_F(MainWindowTest, MissingCreatureTableIsReportedAndTheWindowStillOpens) {
    TForm1& f = Open();
    ASSERT_EQ(dialogs.Errors().size(), 1u);
    // The report names the missing file.
    EXPECT_EQ(dialogs.Errors()[0].rfind("Cannot find \"MonVoks.dat\" in the working folder, beside the program", 0), 0u)
        << dialogs.Errors()[0];
    EXPECT_EQ(dialogs.messages[0].Caption, "Vok Tool");
    // Start-up ended there: no vok name, no colours, Split not wrapped.
    EXPECT_TRUE(f.Edit1->text().isEmpty());
    EXPECT_TRUE(f.Memo1->toPlainText().isEmpty());
    EXPECT_EQ(f.SplitButtonPanel, nullptr);
    EXPECT_EQ(f.Button7->parentWidget(), &f);
    EXPECT_EQ(f.size(), QSize(272, 294 + 32));
    EXPECT_EQ(f.ComboBox1->currentIndex(), 0);
}

TEST_F(MainWindowTest, CreatureBoxShowsTheVokName) {
    WriteCreatureTable();
    TForm1& f = Open();
    ASSERT_EQ(f.ComboBox1->count(), 149);
    EXPECT_EQ(f.ComboBox1->itemText(122), "122  NOT USED (1)");
    EXPECT_EQ(f.ComboBox1->itemText(124), "124  NOT USED (2)");
    EXPECT_EQ(f.ComboBox1->itemText(126), "126  NOT USED (3)");
    EXPECT_EQ(f.ComboBox1->itemText(128), "128  NOT USED (4)");
    for (int i = 0; i < 149; ++i) EXPECT_TRUE(f.ComboBox1->itemText(i).startsWith(QString::number(i) + "  ")) << i;
    f.ComboBox1->setCurrentIndex(148);
    EXPECT_EQ(f.Edit1->text(), "VOK148");
    f.ComboBox1->setCurrentIndex(7);
    EXPECT_EQ(f.Edit1->text(), "VOK7");
}

TEST_F(MainWindowTest, ShortCreatureTableShowsNothingForMissingRecords) {
    WriteCreatureTable(100);  // the records of creatures 0 to 48 are missing
    TForm1& f = Open();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(f.Edit1->text().isEmpty());
    f.ComboBox1->setCurrentIndex(148);
    EXPECT_EQ(f.Edit1->text(), "VOK148");
}

TEST_F(MainWindowTest, CreatureListItemsAre13PixelsHigh) {
    WriteCreatureTable();
    TForm1& f = Open();
    EXPECT_EQ(f.ComboBox1->view()->sizeHintForRow(0), 13);
}

TEST_F(MainWindowTest, F1AndTheHelpButtonOpenTheHelp) {
    WriteCreatureTable();
    TForm1& f = Open();
    std::vector<QSize> shown;
    HelpWindow()->ModalHook = [&](TZqModalForm& help) {
        shown.push_back(help.size());
        return 0;
    };
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(f.Button6, &f1);
    QKeyEvent f1Memo(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(f.Memo1, &f1Memo);
    f.Button3->click();
    ASSERT_EQ(shown.size(), 3u);
    for (const QSize& size : shown) EXPECT_EQ(size, QSize(440, 463));
    EXPECT_EQ(HelpWindow()->ClassName, "Tarvex Vok Tool Help Form");
}

TEST_F(MainWindowTest, SecondaryWindowsExistWithTheirCaptions) {
    WriteCreatureTable();
    TForm1& f = Open();
    EXPECT_EQ(f.Form2->windowTitle(), "Palette Editor");
    EXPECT_EQ(f.Form3->windowTitle(), "Generate Shadow and Selection");
    EXPECT_EQ(f.Form4->windowTitle(), "Move Monster");
    EXPECT_EQ(f.Form5->windowTitle(), "VokList Editor");
    EXPECT_FALSE(f.Form2->isVisible());
    int shown = 0;
    f.Form5->ModalHook = [&](TZqModalForm&) { return ++shown, 0; };
    // New asks for the first frame, Open for the list; an empty file is an empty list.
    std::ofstream("list.txl", std::ios::binary).flush();
    dialogs.AnswerFile(folder.filePath("frame.bmp").toStdString());
    f.Button1->click();
    dialogs.AnswerFile(folder.filePath("list.txl").toStdString());
    f.Button2->click();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(dialogs.unexpected, 0);
}

TEST_F(MainWindowTest, PaletteEditorOkRewritesTheList) {
    WriteCreatureTable();
    TForm1& f = Open();
    f.Memo1->setPlainText("ff00ff\njunk\n\n12\n");
    std::vector<ColorValue> seen;
    f.Form2->ModalHook = [&](TZqModalForm&) {
        seen.assign(f.StandardColorTable.begin(), f.StandardColorTable.begin() + 5);
        return int(QDialog::Accepted);
    };
    f.Button10->click();
    EXPECT_EQ(seen, (std::vector<ColorValue>{0xFF00FF, -1, -1, 0x12, -1}));
    EXPECT_EQ(f.Memo1->toPlainText(), "FF00FF\n\n\n000012");
    EXPECT_EQ(f.ColorShapes.size(), 5u);

    f.Form2->ModalHook = [&](TZqModalForm&) { return int(QDialog::Rejected); };
    f.Memo1->setPlainText("junk");
    f.Button10->click();
    EXPECT_EQ(f.Memo1->toPlainText(), "junk");
}

TEST_F(MainWindowTest, AVokListDroppedOnTheWindowOpensInTheEditor) {
    WriteCreatureTable();
    TForm1& f = Open();
    std::ofstream("WALK.TXL", std::ios::binary) << "a.bmp  0+\r\n";
    std::vector<std::string> opened;
    f.Form5->ModalHook = [&](TZqModalForm&) {
        opened = f.Form5->Edit.Names;
        return 0;
    };
    const QString colours = f.Memo1->toPlainText();
    // On the colour list, which would take the name as text.
    EXPECT_EQ(DropFiles(f.Memo1->viewport(), {Here("a.bmp"), Here("WALK.TXL")}).Action, Qt::CopyAction);
    EXPECT_EQ(opened, std::vector<std::string>{"a.bmp"});
    EXPECT_EQ(f.Memo1->toPlainText(), colours);
    // Pictures alone are not taken.
    EXPECT_FALSE(DropFiles(&f, {Here("a.bmp")}).Entered);
}

TEST_F(MainWindowTest, DialogsKeepTheirSettings) {
    WriteCreatureTable();
    TForm1& f = Open();
    EXPECT_EQ(f.OpenPictureDialog1.Title, "Select targets");
    EXPECT_TRUE(f.OpenPictureDialog1.MultiSelect);
    EXPECT_EQ(f.OpenPictureDialog2.Title, "Select sources");
    EXPECT_FALSE(f.OpenPictureDialog3.MultiSelect);
    EXPECT_TRUE(f.SavePictureDialog1.OverwritePrompt);
    EXPECT_FALSE(f.SavePictureDialog2.OverwritePrompt);
    EXPECT_EQ(f.OpenDialog4.Filter, "VokList (TXL)|*.txl");
    EXPECT_EQ(f.OpenPictureDialog4.DefaultExt, ".TXL");
    // Picking the only filter again keeps .bmp as the first entry's extension.
    f.OpenPictureDialog4.FilterIndex = 1;
    f.OpenPictureDialog4.OnTypeChange(f.OpenPictureDialog4);
    EXPECT_EQ(f.OpenPictureDialog4.DefaultExt, ".bmp");
    f.OpenPictureDialog4.FilterIndex = 2;
    f.OpenPictureDialog4.OnTypeChange(f.OpenPictureDialog4);
    EXPECT_EQ(f.OpenPictureDialog4.DefaultExt, ".TXL");
}

TEST_F(MainWindowTest, FailingCommandEndsInTheStandardReport) {
    WriteCreatureTable();
    Open();
    RunReported(dialogs, [] { throw Exception("Bitmap image is not valid"); });
    RunReported(dialogs, [] { throw Exception("File invalid or corrupt (Unit5.cpp, line 3)"); });
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].Text, "Bitmap image is not valid.");
    EXPECT_EQ(dialogs.messages[0].Caption, "Vok Tool");
    EXPECT_EQ(dialogs.messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[1].Text, "File invalid or corrupt (Unit5.cpp, line 3)");
}

TEST_F(MainWindowTest, MinimisingASecondaryWindowMinimisesTheProgram) {
    TForm1& f = Open();
    for (TZqModalForm* window : std::initializer_list<TZqModalForm*>{f.Form2, f.Form3, f.Form4, f.Form5}) {
        SCOPED_TRACE(window->objectName().toStdString());
        f.showNormal();
        window->show();
        window->setWindowState(Qt::WindowMinimized);
        EXPECT_TRUE(f.windowState() & Qt::WindowMinimized);
        window->hide();
    }
}

}  // namespace
}  // namespace vok::test
