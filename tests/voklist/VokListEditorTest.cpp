#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QLabel>
#include <QPushButton>
#include "controls/ZqSpeedButton.h"
#include <filesystem>

#include "VokListTestText.h"
#include "controls/ContextHint.h"
#include "controls/FileDropEvents.h"
#include "controls/LmHintComboBox.h"
#include "controls/ScriptedDialogs.h"
#include "controls/WindowKeys.h"
#include "controls/ZqSpinEdit.h"
#include "controls/ZqTimer.h"
#include "pictures/BmpCodec.h"
#include "support/TempFolder.h"
#include "voklist/VokListBrowser.h"
#include "voklist/VokListEditor.h"
#include "voklist/VokListNames.h"
#include "voklist/VokListPreview.h"

namespace vok {
namespace {

using test::CrLfLines;
using test::Header;

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &event);
}

// A 24-bit picture in one colour (blue, green, red bytes) with column x in white.
void WritePicture(const std::string& file, int width, int height, int whiteColumn = -1) {
    Bitmap b(width, height, PixelFormat::Bits24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = b.scanLine(y) + 3 * x;
            p[0] = 0, p[1] = 0, p[2] = x == whiteColumn ? 255 : 200;
            if (x == whiteColumn) p[0] = p[1] = 255;
        }
    SaveBitmapToFile(b, file);
}

class VokListEditor : public ::testing::Test {
protected:
    VokListEditor() {
        for (const char* name : {"walk1.bmp", "walk2.bmp", "walk3.bmp"}) WritePicture(dir / name, 4, 4);
    }
    // Runs `body` while the editor is "shown" after New on walk1.bmp.
    void ShowNew(const std::function<void()>& body) {
        dialogs.AnswerFile(dir / "walk1.bmp");
        form.ModalHook = [&](TZqModalForm& f) {
            ++shown;
            body();
            return f.result();
        };
        form.EditNewVokList();
    }
    void SelectInBrowser(const char* name) {
        form.ShellListView1->clearSelection();
        QListWidgetItem* item = form.ShellListView1->FindName(name);
        ASSERT_NE(item, nullptr) << name;
        form.ShellListView1->setCurrentItem(item);
    }
    void AddFromBrowser(const char* name) {
        SelectInBrowser(name);
        form.Button4->click();
    }
    std::string Label() const { return form.Label1->text().toStdString(); }
    std::vector<std::string> Shown() const {
        std::vector<std::string> names;
        for (int i = 0; i < form.ListBox1->count(); ++i) names.push_back(form.ListBox1->item(i)->text().toStdString());
        return names;
    }

    test::TempFolder dir;
    test::ScriptedDialogs dialogs;
    TForm5 form{dialogs};
    int shown = 0;
};

TEST_F(VokListEditor, VokTypeItemsAre13PixelsHighLikeTheCreatureBox) {
    EXPECT_EQ(form.ComboBox1->view()->sizeHintForRow(0), 13);
}

TEST_F(VokListEditor, Layout) {
    EXPECT_EQ(form.windowTitle().toStdString(), "VokList Editor");
    EXPECT_EQ(form.size(), QSize(568, 536));
    EXPECT_EQ(form.Button1->geometry(), QRect(255, 504, 58, 25));
    EXPECT_EQ(form.ShellListView1->geometry(), QRect(8, 8, 281, 457));
    EXPECT_EQ(form.Image1->geometry(), QRect(296, 8, 265, 217));
    EXPECT_EQ(form.ListBox1->geometry(), QRect(296, 248, 265, 217));
    EXPECT_EQ(form.ComboBox1->count(), 10);
    EXPECT_EQ(form.ComboBox1->currentText().toStdString(), "$42 Creature");
    EXPECT_EQ(Label(), "0  Moving:");
    EXPECT_EQ(form.ClassName, "Tarvex Vok Tool VokList Form");
    EXPECT_EQ(form.OpenPictureDialog1.Title, "Open the main folder of your creature");
    EXPECT_EQ(form.SaveDialog1.DefaultExt, ".TXL");
    // A right click shows the long part of a hint; a control without one shows nothing.
    EXPECT_TRUE(form.FormContextPopup(form.ComboBox1, QPoint(2, 2)));
    EXPECT_FALSE(form.FormContextPopup(form.Button7, QPoint(2, 2)));
    // The hint would take the next test's first key.
    HideHint(false);
}

TEST_F(VokListEditor, ANewListFilledFromTheBrowserIsSavedGroupByGroup) {
    ShowNew([&] {
        EXPECT_EQ(form.SaveDialog1.FileName, dir.Dir() + "Temp");
        EXPECT_EQ(form.ShellListView1->count(), 3);
        AddFromBrowser("walk2.bmp");
        // Several files go in the browser's order; Enter adds as Add does.
        form.ShellListView1->FindName("walk3.bmp")->setSelected(true);
        form.ShellListView1->FindName("walk1.bmp")->setSelected(true);
        Key(form.ShellListView1, Qt::Key_Return);
        EXPECT_EQ(Shown(), (std::vector<std::string>{"walk2.bmp", "walk1.bmp", "walk2.bmp", "walk3.bmp"}));
        Key(form.ShellListView1, Qt::Key_Right, Qt::ControlModifier);
        EXPECT_EQ(Label(), "1  Mouse Over:");
        AddFromBrowser("walk3.bmp");
        dialogs.AnswerFile(dir / "list.txl");
        form.ZqSpeedButton3->click();
        dialogs.AnswerMessage(mbNo);  // nothing changed since: no question
        form.Button1->click();
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(test::ReadBytes(dir / "list.txl"),
              Header() + CrLfLines({"walk2.bmp", "walk1.bmp", "walk2.bmp", "walk3.bmp  0+", "walk3.bmp  1+"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(VokListEditor, AnUntouchedNewListSavesAsTheFifteenHeaderLines) {
    ShowNew([&] {
        dialogs.AnswerFile(dir / "new.txl");
        form.ZqSpeedButton3->click();
    });
    EXPECT_EQ(test::ReadBytes(dir / "new.txl"), Header());
}

TEST_F(VokListEditor, CancelledFirstDialogOrBadListShowsNothing) {
    dialogs.CancelFile();
    form.ModalHook = [&](TZqModalForm&) { return ++shown; };
    form.EditNewVokList();
    test::WriteBytes(dir / "bad.txl", Header() + CrLfLines({"a.bmp", "x+"}));
    dialogs.AnswerFile(dir / "bad.txl");
    form.EditExistingVokList();
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{"File invalid or corrupt (Unit5.cpp, line 201)"});
}

TEST_F(VokListEditor, GroupStepsStopAtTheEndsAndClearAllEmptiesEveryGroup) {
    ShowNew([&] {
        form.Button3->click();
        EXPECT_EQ(Label(), "0  Moving:");
        for (int i = 0; i < 25; ++i) form.Button2->click();
        EXPECT_EQ(Label(), "21  Stop Moving:");
        AddFromBrowser("walk1.bmp");
        form.ComboBox1->setCurrentIndex(5);  // terrain: one group
        EXPECT_EQ(Label(), "0  Group:");
        form.Button2->click();
        EXPECT_EQ(Label(), "0  Group:");
        form.ComboBox1->setCurrentIndex(2);
        form.Button7->click();
        EXPECT_EQ(Label(), "0  Moving:");
        for (const TMyStrArray& group : form.Edit.Doc.Groups) EXPECT_TRUE(group.empty());
    });
}

TEST_F(VokListEditor, HeroHidesCreatureGroupTwelveUntilSwitchedBack) {
    ShowNew([&] {
        for (int i = 0; i < 12; ++i) form.Button2->click();
        AddFromBrowser("walk1.bmp");
        form.ComboBox1->setCurrentIndex(4);
        EXPECT_EQ(Label(), "9  Move Down:");
        dialogs.AnswerFile(dir / "hero.txl");
        form.ZqSpeedButton3->click();
        form.ComboBox1->setCurrentIndex(2);
        for (int i = 0; i < 3; ++i) form.Button2->click();
        EXPECT_EQ(Label(), "12  Attack Straight:");
        EXPECT_EQ(Shown(), std::vector<std::string>{"walk1.bmp"});
    });
    EXPECT_EQ(test::ReadBytes(dir / "hero.txl"), Header("0", "5"));
}

TEST_F(VokListEditor, FilesInASubfolderCannotBeAdded) {
    std::filesystem::create_directories(dir / "sub");
    WritePicture(dir / "sub/deep.bmp", 4, 4);
    ShowNew([&] {
        SelectInBrowser("sub");
        Key(form.ShellListView1, Qt::Key_Return);
        EXPECT_EQ(form.ShellListView1->Folder(), dir.Dir() + "sub/");
        SelectInBrowser("deep.bmp");
        EXPECT_FALSE(form.Button4->isEnabled());
        Key(form.ShellListView1, Qt::Key_Return);
        form.ShellListView1DblClick();
        EXPECT_EQ(form.ListBox1->count(), 0);
        Key(form.ShellListView1, Qt::Key_Backspace);
        EXPECT_EQ(form.ShellListView1->Folder(), dir.Dir());
    });
}

TEST_F(VokListEditor, OpenTakesThePictureFolderFromARelativeFirstFrame) {
    std::filesystem::create_directories(dir / "frames");
    WritePicture(dir / "frames/a.bmp", 4, 4);
    test::WriteBytes(dir / "list.txl", Header() + CrLfLines({"frames\\a.bmp  0+"}));
    dialogs.AnswerFile(dir / "list.txl");
    form.ModalHook = [&](TZqModalForm& f) {
        ++shown;
        EXPECT_EQ(form.Edit.RootFolder, dir.Dir() + "frames/");
        EXPECT_EQ(form.ShellListView1->Folder(), dir.Dir() + "frames/");
        EXPECT_EQ(form.SaveDialog1.FileName, dir / "list.txl");
        EXPECT_EQ(Shown(), std::vector<std::string>{"frames\\a.bmp"});
        return f.result();
    };
    form.EditExistingVokList();
    EXPECT_EQ(shown, 1);
}

TEST_F(VokListEditor, CtrlUpAndDownMoveTheSelectedName) {
    ShowNew([&] {
        for (const char* name : {"walk1.bmp", "walk2.bmp", "walk3.bmp"}) AddFromBrowser(name);
        form.ListBox1->setCurrentRow(0);
        Key(form.ListBox1, Qt::Key_Down, Qt::ControlModifier);
        Key(form.ListBox1, Qt::Key_Down, Qt::ControlModifier);
        Key(form.ListBox1, Qt::Key_Down, Qt::ControlModifier);  // at the bottom: nothing
        EXPECT_EQ(Shown(), (std::vector<std::string>{"walk2.bmp", "walk3.bmp", "walk1.bmp"}));
        EXPECT_EQ(form.ListBox1->currentRow(), 2);
        Key(form.ListBox1, Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(Shown(), (std::vector<std::string>{"walk2.bmp", "walk1.bmp", "walk3.bmp"}));
        EXPECT_EQ(form.ListBox1->currentRow(), 1);
        Key(form.ListBox1, Qt::Key_Delete);
        EXPECT_EQ(Shown(), (std::vector<std::string>{"walk2.bmp", "walk3.bmp"}));
        form.ShowGroup(0);
        EXPECT_EQ(form.Edit.Doc.Groups[0], (TMyStrArray{"walk2.bmp", "walk3.bmp"}));
    });
}

TEST_F(VokListEditor, UnsavedChangesAreOfferedForSaving) {
    ShowNew([&] {
        AddFromBrowser("walk1.bmp");
        dialogs.AnswerMessage(mbCancel);
        form.Button1->click();
        EXPECT_EQ(form.result(), 0);
        EXPECT_EQ(dialogs.messages.back().Text, "Save changes to the list?");
        // Yes saves, then New goes on.
        dialogs.AnswerMessage(mbYes);
        dialogs.AnswerFile(dir / "kept.txl");
        dialogs.AnswerFile(dir / "walk2.bmp");
        form.ZqSpeedButton1->click();
        EXPECT_EQ(test::ReadBytes(dir / "kept.txl"), Header() + CrLfLines({"walk1.bmp  0+"}));
        EXPECT_EQ(form.ListBox1->count(), 0);
        // No discards.
        AddFromBrowser("walk1.bmp");
        dialogs.AnswerMessage(mbNo);
        form.Button1->click();
    });
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(form.result(), int(QDialog::Rejected));
    EXPECT_EQ(dialogs.unexpected, 0);
}

TEST_F(VokListEditor, PreviewCentresThePictureAndCutsIt) {
    // 300 wide: (265 - 300) / 2 is -17, so the picture's column 17 lands on column 0.
    WritePicture(dir / "wide.bmp", 300, 200, 17);
    test::WriteBytes(dir / "broken.bmp", "BM not a picture");
    ShowNew([&] {
        SelectInBrowser("wide.bmp");
        const QImage& shown = form.Image1->Image();
        ASSERT_EQ(shown.size(), QSize(265, 217));
        EXPECT_EQ(shown.pixel(0, 8), qRgb(255, 255, 255));
        EXPECT_EQ(shown.pixel(1, 8), qRgb(200, 0, 0));
        EXPECT_EQ(shown.pixel(0, 7), form.Image1->palette().color(QPalette::Button).rgb());
        SelectInBrowser("broken.bmp");
        EXPECT_TRUE(form.Image1->Image().isNull());
    });
}

TEST_F(VokListEditor, FilesDroppedOnTheNameListJoinInTheirOrder) {
    std::filesystem::create_directories(dir / "sub");
    WritePicture(dir / "sub/deep.bmp", 4, 4);
    ShowNew([&] {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir / "walk3.bmp")),
                      QUrl::fromLocalFile(QString::fromStdString(dir / "sub/deep.bmp")),
                      QUrl::fromLocalFile(QString::fromStdString(dir / "walk1.bmp"))});
        // What a drop from the browser hands over: the dragged files as local addresses.
        emit form.ListBox1->FilesDropped(TVokListNames::FilesOf(data));
        EXPECT_EQ(Shown(), (std::vector<std::string>{"walk3.bmp", "walk1.bmp"}));
    });
}

TEST_F(VokListEditor, RenamingInTheBrowserRenamesTheFile) {
    ShowNew([&] {
        form.ShellListView1->FindName("walk3.bmp")->setText("run.bmp");
        QCoreApplication::processEvents();
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"run.bmp", "walk1.bmp", "walk2.bmp"}));
        ASSERT_NE(form.ShellListView1->FindName("run.bmp"), nullptr);
        // A name that is taken is refused with the system's reason.
        form.ShellListView1->FindName("run.bmp")->setText("walk1.bmp");
        QCoreApplication::processEvents();
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"run.bmp", "walk1.bmp", "walk2.bmp"}));
        EXPECT_EQ(dialogs.Errors().size(), 1u);
        EXPECT_EQ(form.ShellListView1->count(), 3);
    });
}

TEST_F(VokListEditor, AVanishedFolderEmptiesTheBrowser) {
    std::filesystem::create_directories(dir / "sub");
    ShowNew([&] {
        form.ShellListView1->SetFolder(dir / "sub");
        std::filesystem::remove_all(dir / "sub");
        form.ShellListView1->Refresh();
        EXPECT_EQ(form.ShellListView1->count(), 0);
        Key(form.ShellListView1, Qt::Key_Return);
        form.Button4->click();
    });
}

TEST_F(VokListEditor, ClearAllIsUndoneAndRedoneAndUndoingToTheSavedListLeavesNothingToSave) {
    ShowNew([&] {
        for (const char* name : {"walk1.bmp", "walk2.bmp", "walk3.bmp"}) AddFromBrowser(name);
        form.Button7->click();
        EXPECT_EQ(form.ListBox1->count(), 0);
        test::PressKey(&form, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Shown(), (std::vector<std::string>{"walk1.bmp", "walk2.bmp", "walk3.bmp"}));
        test::PressKey(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(form.ListBox1->count(), 0);
        test::PressKey(&form, Qt::Key_Z, Qt::ControlModifier);
        dialogs.AnswerFile(dir / "three.txl");
        form.ZqSpeedButton3->click();
        // A change undone is no change: closing asks nothing.
        form.ComboBox1->setCurrentIndex(4);
        test::PressKey(&form, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(form.ComboBox1->currentIndex(), 2);
        test::PressKey(&form, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(form.ComboBox1->currentIndex(), 4);
        test::PressKey(&form, Qt::Key_Z, Qt::ControlModifier);
        form.Button1->click();
        form.hide();
    });
    EXPECT_EQ(test::ReadBytes(dir / "three.txl"), Header() + CrLfLines({"walk1.bmp", "walk2.bmp", "walk3.bmp  0+"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(VokListEditor, PlayShowsFrameKAfterKTicksAndPassesOverWhatCannotBeRead) {
    // Frame i has its white column at i: the preview shows it at column 130 + i.
    for (int i = 0; i < 3; ++i) WritePicture(dir / ("walk" + std::to_string(i + 1) + ".bmp"), 4, 4, i);
    auto frameShown = [&] {
        for (int i = 0; i < 3; ++i)
            if (form.Image1->Image().pixel(130 + i, 106) == qRgb(255, 255, 255)) return i;
        return -1;
    };
    ShowNew([&] {
        for (const char* name : {"walk1.bmp", "walk2.bmp", "walk3.bmp"}) AddFromBrowser(name);
        Key(form.ListBox1, Qt::Key_Space);
        EXPECT_TRUE(form.ZqSpeedButton4->Down());
        EXPECT_EQ(form.Timer1->Interval(), 100);  // 10 frames a second
        for (int k = 0; k <= 4; ++k, form.Timer1->Tick()) EXPECT_EQ(frameShown(), k % 3) << k;
        // At frame 2 now; frame 0 can no longer be read.
        test::WriteBytes(dir / "walk1.bmp", "BM not a picture");
        form.Timer1->Tick();
        EXPECT_EQ(frameShown(), 1);
        form.ZqSpinEdit1->StepUp(10);
        EXPECT_EQ(form.Timer1->Interval(), 50);
        Key(form.ListBox1, Qt::Key_Space);
        EXPECT_FALSE(form.Timer1->Active());
        form.ZqSpeedButton4->click();
        EXPECT_TRUE(form.Timer1->Active());
        // Another group stops it.
        form.Button2->click();
        EXPECT_FALSE(form.Timer1->Active());
        EXPECT_FALSE(form.ZqSpeedButton4->Down());
    });
}

TEST_F(VokListEditor, DroppedPicturesJoinUnlessOutsideTheListsFolderAndUndoAtOnce) {
    std::filesystem::create_directories(dir / "sub");
    WritePicture(dir / "sub/deep.bmp", 4, 4);
    ShowNew([&] {
        const test::DropResult drop =
            test::DropFiles(form.ListBox1->viewport(), {dir / "walk2.bmp", dir / "sub/deep.bmp", dir / "walk1.bmp"});
        // The files stay where they are.
        EXPECT_EQ(drop.Action, Qt::CopyAction);
        EXPECT_EQ(Shown(), (std::vector<std::string>{"walk2.bmp", "walk1.bmp"}));
        test::PressKey(&form, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(form.ListBox1->count(), 0);
        form.hide();
    });
}

}  // namespace
}  // namespace vok
