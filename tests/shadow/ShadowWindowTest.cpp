#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "FramePictures.h"
#include "FrameFolderTest.h"
#include "ShadowFiles.h"
#include "controls/ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "pictures/BitmapImage.h"
#include "pictures/BmpCodec.h"
#include "shadow/ShadowWindow.h"

namespace vok {
namespace {

using test::Lines;
using test::ListHeader;

Bitmap Creature(int left) { return test::BoxFigure(left, 120, 50, 77); }

// What the preview should show: the generated frame with a black base line.
QImage Shown(Bitmap frame, int baseLine, ShadowKind kind, bool selection) {
    GenerateShadow(frame, baseLine, kind, selection);
    QImage image = ToQImage(frame);
    if (baseLine >= 0 && baseLine < image.height())
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, baseLine, qRgb(0, 0, 0));
    return image;
}

void Mouse(QWidget* w, QEvent::Type type, int y, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPointF at(100, y);
    QMouseEvent event(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void Press(QWidget* w, int y, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(w, QEvent::MouseButtonPress, y, button, button);
}
void Drag(QWidget* w, int y) { Mouse(w, QEvent::MouseMove, y, Qt::NoButton, Qt::LeftButton); }
void Release(QWidget* w, int y) { Mouse(w, QEvent::MouseButtonRelease, y, Qt::LeftButton, Qt::NoButton); }

class GeneratorWindow : public test::FrameFolderTest {
protected:
    // Opens the window on the list and runs `body` while it is "shown".
    void Show(const std::string& list, const std::function<void()>& body) {
        form.ListFileName = list;
        form.ModalHook = [&](TZqModalForm& f) {
            shown = true;
            body();
            return f.result();
        };
        form.ShowForVokList();
    }
    void Select(int row) { form.ListBox1->setCurrentRow(row); }

    test::ScriptedDialogs dialogs;
    TForm3 form{dialogs};
    bool shown = false;
};

TEST_F(GeneratorWindow, Layout) {
    EXPECT_EQ(form.windowTitle().toStdString(), "Generate Shadow and Selection");
    EXPECT_EQ(form.size(), QSize(593, 449));
    EXPECT_EQ(form.Image1->geometry(), QRect(8, 8, 450, 400));
    EXPECT_EQ(form.ListBox1->geometry(), QRect(464, 8, 121, 401));
    EXPECT_EQ(form.Button1->text().toStdString(), "OK");
    EXPECT_EQ(form.Button2->text().toStdString(), "Cancel");
    EXPECT_EQ(form.Image1->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(form.ClassName, "Tarvex Vok Tool Shadow Form");
    for (const char* name : {"Image1", "ListBox1", "Panel1", "Button1", "Button2"})
        EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(GeneratorWindow, CreatureListFromOpeningToOk) {
    Frame("stand.bmp", Creature(100));
    Frame("walk.bmp", Creature(200));
    Frame("hit.bmp", Creature(300));
    const std::string rest = Lines({"stand.bmp  0+", "walk.bmp  1+", "sub\\..\\hit.bmp  2+"});
    const std::string list = List(ListHeader("7", "Auto 250") + rest);

    Show(list, [&] {
        ASSERT_EQ(form.ListBox1->count(), 6);
        EXPECT_EQ(form.ListBox1->item(0)->text().toStdString(), "stand.bmp");
        EXPECT_EQ(form.ListBox1->item(1)->text(), QString(36, QChar(0x2014)));
        EXPECT_EQ(form.ListBox1->item(4)->text().toStdString(), "hit.bmp");
        // Row 0 is previewed at opening: shadow only.
        EXPECT_EQ(form.ListBox1->currentRow(), 0);
        EXPECT_EQ(form.LastItem, 0);
        EXPECT_EQ(form.Image1->Image(), Shown(Creature(100), 250, ShadowKind::Creature, false));
        // A separator row clears the preview; group 1 rows have the outline.
        Select(1);
        EXPECT_TRUE(form.Image1->Image().isNull());
        Select(2);
        EXPECT_EQ(form.Image1->Image(), Shown(Creature(200), 250, ShadowKind::Creature, true));

        // Click and drag the base line; only the left button drags.
        Press(form.Image1, 270);
        EXPECT_EQ(form.Job.BaseLine(), 270);
        EXPECT_TRUE(form.Dragging);
        Drag(form.Image1, 285);
        Drag(form.Image1, 290);
        EXPECT_EQ(form.Image1->Image(), Shown(Creature(200), 290, ShadowKind::Creature, true));
        Release(form.Image1, 290);
        EXPECT_FALSE(form.Dragging);
        Drag(form.Image1, 150);
        Press(form.Image1, 100, Qt::RightButton);
        EXPECT_EQ(form.Job.BaseLine(), 290);
        // A click below the picture is a base line below it.
        Press(form.Image1, 399);
        Release(form.Image1, 399);
        Press(form.Image1, 290);
        Release(form.Image1, 290);

        // The preview never touches the files.
        EXPECT_EQ(Load("walk.bmp"), Creature(200));
        form.Button1->click();
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.Errors().empty());
    Bitmap stand = Creature(100), walk = Creature(200), hit = Creature(300);
    GenerateShadow(stand, 290, ShadowKind::Creature, false);
    GenerateShadow(walk, 290, ShadowKind::Creature, true);
    GenerateShadow(hit, 290, ShadowKind::Creature, true);
    EXPECT_EQ(Load("stand.bmp"), stand);
    EXPECT_EQ(Load("walk.bmp"), walk);
    EXPECT_EQ(Load("hit.bmp"), hit);
    EXPECT_EQ(test::ReadBytes(list), ListHeader("7", "Auto 290") + rest);
}

TEST_F(GeneratorWindow, CancelAndEscapeSaveNothing) {
    Frame("a.bmp", Creature(10));
    const std::string text = ListHeader("5", "Auto") + Lines({"a.bmp  0+"});
    const std::string list = List(text);
    const std::string frameBytes = test::ReadBytes(folder / "a.bmp");

    Show(list, [&] {
        // The slanted shadow and a base line found in the first frame.
        EXPECT_EQ(form.Job.BaseLine(), 299);
        EXPECT_EQ(form.Image1->Image(), Shown(Creature(10), 299, ShadowKind::Slanted, false));
        Press(form.Image1, 200);
        Release(form.Image1, 200);
        form.Button2->click();
    });
    EXPECT_EQ(form.result(), QDialog::Rejected);

    Show(list, [&] {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(form.ListBox1, &escape);
    });
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(test::ReadBytes(folder / "a.bmp"), frameBytes);
    EXPECT_EQ(test::ReadBytes(list), text);
}

TEST_F(GeneratorWindow, BadFramesFailTheirRowOnly) {
    Frame("one.bmp", Creature(10));
    Frame("deep.bmp", Bitmap(40, 40, PixelFormat::Bits24));
    test::WriteBytes(folder / "junk.bmp", "BM not really");
    Frame("two.bmp", Creature(20));
    const std::string text =
        ListHeader("5", "Auto 280") + Lines({"one.bmp", "deep.bmp", "missing.bmp", "junk.bmp", "two.bmp  0+"});
    const std::string list = List(text);

    Show(list, [&] {
        Select(1);
        EXPECT_TRUE(form.Image1->Image().isNull());
        Select(2);
        Select(3);
        Select(4);
        EXPECT_EQ(form.Image1->Image(), Shown(Creature(20), 280, ShadowKind::Slanted, false));
        EXPECT_EQ(dialogs.Errors(), (std::vector<std::string>{"Picture must have 256 colors (Unit3.cpp, line 532)",
                                                               "Bitmap image is not valid."}));
        // Dragging above the picture fails the preview once and ends the drag.
        Press(form.Image1, 100);
        Drag(form.Image1, -4);
        EXPECT_FALSE(form.Dragging);
        Drag(form.Image1, -8);
        EXPECT_EQ(form.Job.BaseLine(), -4);
        ASSERT_EQ(dialogs.Errors().size(), 3u);
        EXPECT_EQ(dialogs.Errors()[2], "Assertion failure (Unit3.cpp, line 398)");
        Press(form.Image1, 280);
        Release(form.Image1, 280);
        form.Button1->click();
    });
    // OK stopped at the unreadable frame and still closed the window.
    EXPECT_EQ(form.result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.Errors().size(), 4u);
    EXPECT_EQ(dialogs.Errors()[3], "Bitmap image is not valid.");
    Bitmap one = Creature(10);
    GenerateShadow(one, 280, ShadowKind::Slanted, false);
    EXPECT_EQ(Load("one.bmp"), one);
    EXPECT_EQ(Load("two.bmp"), Creature(20));
    EXPECT_EQ(test::ReadBytes(list), text);
}

TEST_F(GeneratorWindow, GenerateShadowButtonOpensTheChosenList) {
    Frame("a.bmp", Creature(10));
    const std::string good = ListHeader("7", "Auto") + Lines({"a.bmp  0+"});
    List(good);
    test::ScriptedDialogs mainDialogs;
    TForm1 main(mainDialogs);
    const std::size_t startupErrors = mainDialogs.Errors().size();
    bool opened = false;
    main.Form3->ModalHook = [&](TZqModalForm& f) {
        opened = true;
        EXPECT_EQ(main.Form3->ListBox1->count(), 2);
        EXPECT_EQ(main.Form3->Job.BaseLine(), 260);
        main.Form3->Button1->click();
        return f.result();
    };
    mainDialogs.AnswerFile(folder / "list.txl");
    main.Button12->click();
    EXPECT_TRUE(opened);
    ASSERT_FALSE(mainDialogs.FileDialogs().empty());
    EXPECT_EQ(mainDialogs.FileDialogs().back().Filter, "VokList (TXL)|*.txl");
    EXPECT_EQ(test::ReadBytes(folder / "list.txl"), ListHeader("7", "Auto 260") + Lines({"a.bmp  0+"}));

    // A malformed list: the message, no window, no file touched.
    opened = false;
    const std::string bad = ListHeader("7", "Auto") + Lines({"a.bmp+"});
    List(bad);
    const std::string frameBytes = test::ReadBytes(folder / "a.bmp");
    mainDialogs.AnswerFile(folder / "list.txl");
    main.Button12->click();
    EXPECT_FALSE(opened);
    ASSERT_EQ(mainDialogs.Errors().size(), startupErrors + 1);
    EXPECT_EQ(mainDialogs.Errors().back(), "File invalid or corrupt (Unit3.cpp, line 162)");
    EXPECT_EQ(test::ReadBytes(folder / "list.txl"), bad);
    EXPECT_EQ(test::ReadBytes(folder / "a.bmp"), frameBytes);

    // Cancelling the file dialog does nothing.
    mainDialogs.CancelFile();
    main.Button12->click();
    EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace vok
