// The standard-colour list of the main window: count label, swatches, colour dialog.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "colours/ColorShape.h"
#include "app/MainWindowFixture.h"

namespace vok::test {
namespace {

class StandardColorsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteCreatureTable();
        Open();
    }
    void Key(QWidget* to, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(to, &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods);
        QApplication::sendEvent(to, &release);
    }
    void Lines(int count) {
        QStringList lines;
        for (int i = 0; i < count; ++i) lines << QString("%1").arg(i, 6, 16, QChar('0')).toUpper();
        form->Memo1->setPlainText(lines.join('\n'));
    }
};

TEST_F(StandardColorsTest, LabelCountsTheColoursOfTheReducedPicture) {
    TForm1& f = *form;
    f.CheckBox3->click();
    EXPECT_EQ(f.Label11->text(), "249");
    EXPECT_TRUE(f.CheckBox4->isEnabled());
    f.CheckBox4->click();
    EXPECT_EQ(f.Label11->text(), "248");
    // Editing the list changes the number only at the next click.
    f.Memo1->setPlainText("");
    EXPECT_EQ(f.Label11->text(), "248");
    f.CheckBox4->click();
    EXPECT_EQ(f.Label11->text(), "256");  // no background colour to count
    f.CheckBox3->click();
    EXPECT_EQ(f.Label11->text(), "256");
    EXPECT_FALSE(f.CheckBox4->isEnabled());
}

TEST_F(StandardColorsTest, OnlyTheFirst256LinesCount) {
    TForm1& f = *form;
    Lines(300);
    f.ReadStandardColors();
    EXPECT_EQ(f.StandardColorTable[0], 0);
    EXPECT_EQ(f.StandardColorTable[255], 255);
    f.CheckBox3->click();
    EXPECT_EQ(f.Label11->text(), "1");  // every position is set: only the background counts
    EXPECT_EQ(f.ColorShapes.size(), 301u);  // lines beyond 256 still get swatches
}

TEST_F(StandardColorsTest, SwatchesShowTheLinesColours) {
    TForm1& f = *form;
    f.Memo1->setPlainText("ff00ff\n$FF\n\n0");
    ASSERT_EQ(f.ColorShapes.size(), 5u);
    EXPECT_EQ(f.ColorShapes[0]->Color(), 0xFF00FF);
    EXPECT_EQ(f.ColorShapes[1]->Color(), 0);  // not a colour: black
    EXPECT_TRUE(f.ColorShapes[2]->IsEmptyStyle());
    EXPECT_EQ(f.ColorShapes[3]->Color(), 0);  // "0" is black, a colour
    EXPECT_TRUE(f.ColorShapes[4]->IsEmptyStyle());  // the extra swatch
    const int h = f.ColorShapes[1]->y() - f.ColorShapes[0]->y();
    EXPECT_GT(h, 8);
    EXPECT_EQ(f.ColorShapes[0]->pos(), QPoint(2, 1));
    EXPECT_EQ(f.ColorShapes[4]->y(), 1 + 4 * h);
    for (std::size_t i = 0; i < f.ColorShapes.size(); ++i) {
        EXPECT_EQ(f.ColorShapes[i]->Index(), int(i));
        EXPECT_EQ(f.ColorShapes[i]->size(), QSize(12, 12));
    }
    f.Memo1->setPlainText("1");
    EXPECT_EQ(f.ColorShapes.size(), 2u);  // the surplus is released
}

TEST_F(StandardColorsTest, SwatchesFollowTheMemoScrolledByKeyboard) {
    TForm1& f = *form;
    Lines(40);
    f.Memo1->setFocus();
    const int h = f.ColorShapes[1]->y() - f.ColorShapes[0]->y();
    // Lines from 140 pixels down are hidden.
    const int firstHidden = (140 - 1 + h - 1) / h;
    EXPECT_TRUE(f.ColorShapes[firstHidden - 1]->isVisible());
    EXPECT_FALSE(f.ColorShapes[firstHidden]->isVisible());

    Key(f.Memo1, Qt::Key_End, Qt::ControlModifier);
    ASSERT_GT(f.MemoTopLine, 0);
    const int top = f.MemoTopLine;
    EXPECT_FALSE(f.ColorShapes[0]->isVisible());
    EXPECT_FALSE(f.ColorShapes[top - 2]->isVisible());
    EXPECT_EQ(f.ColorShapes[top - 1]->y(), 1 - h);  // its last pixel row still shows
    EXPECT_TRUE(f.ColorShapes[top]->isVisible());
    EXPECT_EQ(f.ColorShapes[top]->y(), 1);
    EXPECT_TRUE(f.ColorShapes[39]->isVisible());
    EXPECT_EQ(f.ColorShapes[40]->y(), 1 + (40 - top) * h);

    Key(f.Memo1, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(f.MemoTopLine, 0);
    EXPECT_TRUE(f.ColorShapes[0]->isVisible());
    EXPECT_EQ(f.ColorShapes[0]->y(), 1);
}

TEST_F(StandardColorsTest, ClickingTheExtraSwatchAppendsTheChosenColour) {
    TForm1& f = *form;
    dialogs.AnswerColor(0x0000FF);  // pure red
    f.ShapeClick(f.ColorShapes.back());
    EXPECT_TRUE(dialogs.asked.back().color.FullOpen);
    EXPECT_EQ(f.MemoLines().back(), "0000FF");
    EXPECT_EQ(f.MemoLines().size(), 9u);
    EXPECT_EQ(f.ColorShapes.size(), 10u);
    EXPECT_EQ(f.ColorShapes[8]->Color(), 0x0000FF);
}

TEST_F(StandardColorsTest, ClickingASwatchReplacesItsLine) {
    TForm1& f = *form;
    dialogs.AnswerColor(0x123456);
    dialogs.CancelColor();
    f.ShapeClick(f.ColorShapes[1]);
    EXPECT_EQ(dialogs.asked.back().color.Color, 0xFF96FF);  // the dialog opens on the swatch's colour
    EXPECT_EQ(f.MemoLines()[1], "123456");
    f.ShapeClick(f.ColorShapes[2]);  // cancelled: nothing changes
    EXPECT_EQ(f.MemoLines()[2], "FF64FF");
    EXPECT_EQ(f.MemoLines().size(), 8u);
    EXPECT_EQ(dialogs.unexpected, 0);
}

TEST_F(StandardColorsTest, ASoftLineBreakCountsAsALineForSwatchesAndReplacement) {
    TForm1& f = *form;
    f.Memo1->setPlainText("FFFF00\nFF96FF\nFF64FF");
    QTextCursor cursor(f.Memo1->document());
    cursor.setPosition(6);
    cursor.insertText(QString(QChar::LineSeparator) + "00FF00");  // as Shift+Enter types it
    ASSERT_EQ(f.MemoLines().size(), 4u);
    ASSERT_EQ(f.ColorShapes.size(), 5u);
    dialogs.AnswerColor(0x123456);
    f.ShapeClick(f.ColorShapes[2]);
    EXPECT_EQ(f.Memo1->toPlainText(), "FFFF00\n00FF00\n123456\nFF64FF");
}

TEST_F(StandardColorsTest, AnEmptySwatchOpensTheDialogOnItsOwnColour) {
    TForm1& f = *form;
    f.Memo1->setPlainText("\n");
    dialogs.CancelColor();
    f.ShapeClick(f.ColorShapes[0]);
    const QColor face = f.ColorShapes[0]->palette().color(QPalette::Button);
    EXPECT_EQ(dialogs.asked.back().color.Color, ColorValue(RGB(face.red(), face.green(), face.blue())));
    EXPECT_NE(dialogs.asked.back().color.Color, 0);
}

TEST_F(StandardColorsTest, SwatchClickByMouse) {
    TForm1& f = *form;
    dialogs.AnswerColor(0xABCDEF);
    TColorShape* shape = f.ColorShapes[0];
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), shape->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shape, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), shape->mapToGlobal(QPointF(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shape, &release);
    EXPECT_EQ(f.MemoLines()[0], "ABCDEF");
}

TEST_F(StandardColorsTest, AppendingAfterAFinalLineBreakAddsNoEmptyLine) {
    TForm1& f = *form;
    f.Memo1->setPlainText("FFFF00\n");
    ASSERT_EQ(f.MemoLines().size(), 1u);
    dialogs.AnswerColor(0xFF);
    f.ShapeClick(f.ColorShapes.back());
    EXPECT_EQ(f.MemoLines(), (std::vector<std::string>{"FFFF00", "0000FF"}));
    f.Memo1->setPlainText("");
    dialogs.AnswerColor(0);
    f.ShapeClick(f.ColorShapes.back());
    EXPECT_EQ(f.Memo1->toPlainText(), "000000");
}

TEST_F(StandardColorsTest, CtrlASelectsTheWholeList) {
    TForm1& f = *form;
    f.Memo1->setFocus();
    Key(f.Memo1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.Memo1->textCursor().selectedText().size(), f.Memo1->toPlainText().size());
    Key(f.Memo1, Qt::Key_Right);
    EXPECT_FALSE(f.Memo1->textCursor().hasSelection());
    // With Shift it is an ordinary key.
    Key(f.Memo1, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(f.Memo1->textCursor().hasSelection());
}

}  // namespace
}  // namespace vok::test
