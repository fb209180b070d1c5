#include <gtest/gtest.h>

#include <filesystem>

#include <QListWidget>
#include <QPushButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include "controls/ZqSpeedButton.h"

#include <QCheckBox>

#include "controls/ScriptedDialogs.h"
#include "controls/WindowKeys.h"
#include "controls/ZqTimer.h"
#include "controls/ImageView.h"
#include "move/MoveWindow.h"
#include "pcx/PictureFiles.h"
#include "support/AppInfo.h"
#include "support/TempFolder.h"

namespace vok {
namespace {

// A 6 x 5 8-bit frame: index 1 everywhere but for a 2 x 2 block of index 7 at (2, 1).
Bitmap Frame() {
    Bitmap b(6, 5, PixelFormat::Bits8);
    std::vector<RgbQuad> colors(256);
    colors[1] = RgbQuad{200, 0, 0, 0};
    colors[7] = RgbQuad{0, 0, 200, 0};
    b.setColorTable(colors);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) b.scanLine(y)[x] = (x == 2 || x == 3) && (y == 1 || y == 2) ? 7 : 1;
    return b;
}

void SendMouse(QWidget* control, QEvent::Type type) {
    const QPointF at(control->width() / 2, control->height() / 2);
    QMouseEvent event(type, at, control->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

// The block's top-left corner in a saved frame, or (-1, -1).
QPoint Block(const std::string& file) {
    const Bitmap b = LoadPicture(file);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.scanLine(y)[x] == 7) return QPoint(x, y);
    return QPoint(-1, -1);
}

// The move window with frames a.bmp and b.pcx in a folder of its own, and a grid there
// whose bottom-left colour (white) is transparent and whose other pixels are black.
struct MoveWindow : ::testing::Test {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    std::string previousAppPath = AppPath();
    std::filesystem::path previousFolder = std::filesystem::current_path();
    std::unique_ptr<TForm4> form;

    void SetUp() override {
        Bitmap grid(10, 8, PixelFormat::Bits8);
        grid.setColorTable({RgbQuad{0, 0, 0, 0}, RgbQuad{255, 255, 255, 0}});
        grid.fill(RGB(255, 255, 255));
        grid.scanLine(0)[9] = 0;
        SavePicture(grid, folder / "Grid.pcx");
        // The grid is looked up in the working folder first.
        SetAppPath(folder.Dir());
        std::filesystem::current_path(folder.Dir());
        form = std::make_unique<TForm4>(dialogs);
        SavePicture(Frame(), folder / "a.bmp");
        SavePicture(Frame(), folder / "b.pcx");
    }
    void TearDown() override {
        std::filesystem::current_path(previousFolder);
        SetAppPath(previousAppPath);
    }

    // Shows the frames and runs `act` while the window is open; the window's result.
    int Show(std::vector<std::string> names, const std::function<void(TForm4&)>& act) {
        int result = -1;
        form->ModalHook = [&](TZqModalForm& f) {
            act(*form);
            result = f.result();
            return result;
        };
        form->FileNames = std::move(names);
        form->ShowFrameList();
        return result;
    }
};

TEST_F(MoveWindow, OneFileNamedTwiceMovesOnceAndIsWrittenOnce) {
    const std::string same = folder.Dir() + "./a.bmp";
    Show({folder / "a.bmp", folder / "b.pcx", same}, [&](TForm4& f) {
        ASSERT_EQ(f.ListBox1->count(), 3);
        EXPECT_EQ(f.ListBox1->item(2)->text(), "a.bmp");
        f.SpeedButton2->click();  // "Move": the selected frame only
        f.ListBox1->setCurrentRow(2);
        f.ZqSpeedButton4->click();
        f.ZqSpeedButton3->click();
        f.SpeedButton1->click();  // "Move All": each file once
        f.ZqSpeedButton2->click();
        std::filesystem::remove(folder / "a.bmp");
        f.Button1->click();
    });
    EXPECT_EQ(Block(folder / "a.bmp"), QPoint(2, 2));
    EXPECT_EQ(Block(folder / "b.pcx"), QPoint(1, 1));
    EXPECT_EQ(test::ReadBytes(folder / "b.pcx")[0], '\x0a');
    EXPECT_TRUE(dialogs.Errors().empty());
}

TEST_F(MoveWindow, DraggingShiftsAndTheViewShowsTheFrameUnderTheGrid) {
    Show({folder / "a.bmp"}, [&](TForm4& f) {
        f.Image1MouseDown(Qt::LeftButton, 5, 5);
        f.Image1MouseMove(6, 7);
        f.Image1MouseMove(7, 7);
        f.Image1MouseUp(Qt::LeftButton, 7, 7);
        f.Image1MouseMove(20, 20);  // no drag any more
        const QImage& view = f.Image1->Image();
        ASSERT_EQ(view.size(), QSize(10, 8));
        EXPECT_EQ(view.pixel(4, 3), qRgb(200, 0, 0));  // the block, at (2, 1) + (2, 2)
        EXPECT_EQ(view.pixel(8, 6), qRgb(0, 0, 200));  // beyond the frame: its top-left colour
        EXPECT_EQ(view.pixel(9, 0), qRgb(0, 0, 0));    // the grid's line over it
        f.Button1->click();
    });
    EXPECT_EQ(Block(folder / "a.bmp"), QPoint(4, 3));
}

TEST_F(MoveWindow, CancelAndEscapeWriteNothing) {
    const std::string before = test::ReadBytes(folder / "a.bmp");
    Show({folder / "a.bmp"}, [](TForm4& f) {
        f.ZqSpeedButton4->click();
        f.Button2->click();
    });
    Show({folder / "a.bmp"}, [](TForm4& f) {
        f.ZqSpeedButton4->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &escape);
    });
    EXPECT_EQ(test::ReadBytes(folder / "a.bmp"), before);
}

TEST_F(MoveWindow, AHeldArrowRepeatsWhileThePointerStaysOnIt) {
    bool over = true;
    form->PointerOver = [&](const QWidget*) { return over; };
    Show({folder / "a.bmp"}, [&](TForm4& f) {
        SendMouse(f.ZqSpeedButton4, QEvent::MouseButtonPress);
        EXPECT_EQ(f.Timer1->Interval(), 400);
        EXPECT_TRUE(f.Timer1->Active());
        f.Timer1->Tick();
        EXPECT_EQ(f.Timer1->Interval(), 100);
        f.Timer1->Tick();
        over = false;
        f.Timer1->Tick();  // pointer off the button: no step
        over = true;
        SendMouse(f.ZqSpeedButton4, QEvent::MouseButtonRelease);  // the ordinary click
        EXPECT_EQ(f.Timer1->Interval(), 0);
        EXPECT_FALSE(f.Timer1->Active());
        f.Button1->click();
    });
    EXPECT_EQ(Block(folder / "a.bmp"), QPoint(5, 1));
}

TEST_F(MoveWindow, LeavingAHeldArrowAndComingBackKeepsTheRepeatRhythm) {
    bool over = true;
    form->PointerOver = [&](const QWidget*) { return over; };
    const auto drag = [](QWidget* arrow, QPointF at) {
        QMouseEvent move(QEvent::MouseMove, at, arrow->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(arrow, &move);
    };
    Show({folder / "a.bmp"}, [&](TForm4& f) {
        SendMouse(f.ZqSpeedButton4, QEvent::MouseButtonPress);
        f.Timer1->Tick();  // step 1
        over = false;
        drag(f.ZqSpeedButton4, QPointF(-30, -30));
        EXPECT_TRUE(f.Timer1->Active());  // still held
        EXPECT_EQ(f.Timer1->Interval(), 100);
        f.Timer1->Tick();  // away: no step
        over = true;
        drag(f.ZqSpeedButton4, QPointF(5, 5));
        EXPECT_EQ(f.Timer1->Interval(), 100);  // no new first pause
        f.Timer1->Tick();  // step 2
        SendMouse(f.ZqSpeedButton4, QEvent::MouseButtonRelease);  // the click: step 3
        EXPECT_FALSE(f.Timer1->Active());
        f.Button1->click();
    });
    EXPECT_EQ(Block(folder / "a.bmp"), QPoint(5, 1));
}

TEST_F(MoveWindow, AFirstFrameThatCannotLoadKeepsTheWindowShut) {
    bool shown = false;
    Show({folder / "gone.bmp", folder / "a.bmp"}, [&](TForm4&) { shown = true; });
    EXPECT_FALSE(shown);
    ASSERT_EQ(dialogs.Errors().size(), 1u);
    EXPECT_NE(dialogs.Errors()[0].find("gone.bmp"), std::string::npos);
}

TEST_F(MoveWindow, WithoutAGridTheFramesStillShowAndTheFileIsNamed) {
    test::WriteBytes(folder / "Grid.pcx", "no picture");
    form = std::make_unique<TForm4>(dialogs);
    Show({folder / "a.bmp"}, [](TForm4& f) {
        EXPECT_EQ(f.Image1->Image().pixel(2, 1), qRgb(200, 0, 0));
        f.Button1->click();
    });
    ASSERT_EQ(dialogs.Errors().size(), 1u);
    EXPECT_EQ(dialogs.Errors()[0].rfind(folder / "Grid.pcx" + ": PCX: Invalid PCX file", 0), 0u) << dialogs.Errors()[0];
}

TEST_F(MoveWindow, UndoTakesBackOneClickAHeldPressOrADragAndOkWritesWhatIsInForce) {
    form->PointerOver = [](const QWidget*) { return true; };
    Show({folder / "a.bmp"}, [&](TForm4& f) {
        for (int i = 0; i < 3; ++i) f.ZqSpeedButton4->click();
        test::PressKey(&f, Qt::Key_Z, Qt::ControlModifier);
        // A held arrow (two repeats and its click) and a drag are one step each.
        SendMouse(f.ZqSpeedButton3, QEvent::MouseButtonPress);
        f.Timer1->Tick();
        f.Timer1->Tick();
        SendMouse(f.ZqSpeedButton3, QEvent::MouseButtonRelease);
        f.Image1MouseDown(Qt::LeftButton, 5, 5);
        f.Image1MouseMove(4, 5);
        f.Image1MouseMove(3, 5);
        f.Image1MouseUp(Qt::LeftButton, 3, 5);
        test::PressKey(&f, Qt::Key_Z, Qt::ControlModifier);
        test::PressKey(&f, Qt::Key_Z, Qt::ControlModifier);
        test::PressKey(&f, Qt::Key_Y, Qt::ControlModifier);
        test::PressKey(&f, Qt::Key_Z, Qt::ControlModifier);
        f.Button1->click();
    });
    // Two of the three clicks to the right.
    EXPECT_EQ(Block(folder / "a.bmp"), QPoint(4, 1));
}

TEST_F(MoveWindow, PlayShowsEveryFrameOverTheGridWithThePreviousFaintlyUnderIt) {
    Show({folder / "a.bmp", folder / "b.pcx"}, [&](TForm4& f) {
        f.SpeedButton2->click();  // "Move": b alone, three down
        f.ListBox1->setCurrentRow(1);
        for (int i = 0; i < 3; ++i) f.ZqSpeedButton3->click();
        f.ListBox1->setCurrentRow(0);
        f.ZqSpeedButton5->click();
        ASSERT_TRUE(f.Timer2->Active());
        const QRgb block = qRgb(200, 0, 0), background = qRgb(0, 0, 200);
        EXPECT_EQ(f.Image1->Image().pixel(2, 1), block);  // a
        f.Timer2->Tick();
        EXPECT_EQ(f.Image1->Image().pixel(2, 4), block);  // b
        // a's block, faintly: neither a block nor the background.
        const QRgb onion = f.Image1->Image().pixel(2, 1);
        EXPECT_NE(onion, block);
        EXPECT_NE(onion, background);
        f.CheckBox1->click();
        EXPECT_EQ(f.Image1->Image().pixel(2, 1), background);
        // Shifting the selected frame while playing shows when it comes round.
        f.ZqSpeedButton4->click();
        f.Timer2->Tick();
        EXPECT_EQ(f.Image1->Image().pixel(3, 1), block);
        EXPECT_EQ(f.Image1->Image().pixel(2, 1), background);
        f.ZqSpeedButton5->click();
        EXPECT_FALSE(f.Timer2->Active());
        f.Button2->click();
    });
}

}  // namespace
}  // namespace vok
