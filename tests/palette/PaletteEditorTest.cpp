// The palette editor opened from the main window's "Edit" button, driven by the mouse.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/MainWindowFixture.h"
#include "controls/FileDropEvents.h"
#include "controls/WindowKeys.h"
#include "palette/PaletteEditor.h"
#include "pictures/BmpCodec.h"
#include "support/TempFolder.h"

namespace vok::test {
namespace {

class PaletteEditorTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteCreatureTable();
        Open();
        editor = form->Form2;
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), editor->PaintBox1->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(editor->PaintBox1, &event);
    }
    static QPoint Cell(int position) { return QPoint(position % 16 * 18 + 9, position / 16 * 18 + 9); }
    void Drag(QPoint from, QPoint to) {
        Mouse(QEvent::MouseButtonPress, from);
        Mouse(QEvent::MouseMove, to);
        Mouse(QEvent::MouseButtonRelease, to);
    }
    // Opens the editor, runs `script` in it, then presses OK.
    void EditAndOk(const std::function<void()>& script) {
        editor->ModalHook = [&](TZqModalForm& window) {
            window.show();
            script();
            editor->Button1->click();
            return window.result();
        };
        form->Button10->click();
    }
    TForm2* editor = nullptr;
};

TEST_F(PaletteEditorTest, DefaultColoursShowFramedBlackWithTheirColours) {
    QImage cells;
    editor->ModalHook = [&](TZqModalForm&) {
        cells = editor->PaintBox1->grab().toImage();
        return int(QDialog::Rejected);
    };
    form->Button10->click();
    ASSERT_EQ(cells.size(), QSize(288, 288));
    const QColor face = editor->palette().color(QPalette::Button);
    const QColor shadow = editor->palette().color(QPalette::Dark);
    EXPECT_EQ(cells.pixel(5 * 18, 0), QColor(Qt::black).rgb());       // position 5: frame
    EXPECT_EQ(cells.pixel(5 * 18 + 9, 9), QColor(255, 255, 0).rgb());  // and colour
    EXPECT_EQ(cells.pixel(8 * 18 + 17, 17), shadow.rgb());
    EXPECT_EQ(cells.pixel(8 * 18 + 9, 9), face.rgb());
    EXPECT_EQ(cells.pixel(287, 287), shadow.rgb());
}

TEST_F(PaletteEditorTest, DraggingFrom20To5TogglesThatRun) {
    EditAndOk([&] { Drag(Cell(20), Cell(5)); });
    const QString face = QString::fromStdString(StandardColorText(
        ColorValue(RGB(std::uint8_t(editor->palette().color(QPalette::Button).red()),
                       std::uint8_t(editor->palette().color(QPalette::Button).green()),
                       std::uint8_t(editor->palette().color(QPalette::Button).blue())))));
    QStringList expected = {"FFFF00", "FF96FF", "FF64FF", "FF32FF", "FF00FF", "", "", ""};
    for (int i = 8; i <= 20; ++i) expected << face;
    EXPECT_EQ(form->Memo1->toPlainText(), expected.join('\n'));
}

TEST_F(PaletteEditorTest, OnlyTheLastPositionGives256Lines) {
    EditAndOk([&] {
        Drag(Cell(0), Cell(7));  // the defaults off
        Drag(Cell(255), Cell(255));
    });
    const QStringList lines = form->Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 256);
    EXPECT_EQ(lines.count(""), 255);
    EXPECT_EQ(form->ColorShapes.size(), 257u);
}

TEST_F(PaletteEditorTest, ClearingEverySelectionEmptiesTheList) {
    EditAndOk([&] { Drag(Cell(7), Cell(0)); });
    EXPECT_EQ(form->Memo1->toPlainText(), "");
    for (ColorValue c : form->StandardColorTable) EXPECT_EQ(c, -1);
}

TEST_F(PaletteEditorTest, LeavingTheCellAreaStopsAtTheBorderCell) {
    // From position 8 to far right of the first row: 8 to 15.
    EditAndOk([&] { Drag(Cell(8), QPoint(900, -50)); });
    EXPECT_EQ(form->Memo1->toPlainText().split('\n').size(), 16);
}

TEST_F(PaletteEditorTest, LoadAndRightClickChangeColoursNotTheSelection) {
    Bitmap sixteen(1, 1, PixelFormat::Bits4);
    std::vector<RgbQuad> colors(16, ToQuad(0x010203));
    sixteen.setColorTable(colors);
    SaveBitmapToFile(sixteen, "16.bmp");
    WriteBytes("bad.bmp", "BM garbage");
    dialogs.AnswerFile("bad.bmp");
    dialogs.AnswerFile("16.bmp");
    dialogs.AnswerColor(0x0000FF);
    EditAndOk([&] {
        editor->Button3->click();
        editor->Button3->click();
        Mouse(QEvent::MouseButtonPress, Cell(1), Qt::RightButton);
        Mouse(QEvent::MouseButtonRelease, Cell(1), Qt::RightButton);
    });
    EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{"Bitmap image is not valid."});
    EXPECT_EQ(dialogs.asked.back().color.Color, 0x010203);  // the colour dialog opened on the cell's colour
    EXPECT_EQ(form->Memo1->toPlainText(), "010203\n0000FF\n010203\n010203\n010203\n010203\n010203\n010203");
}

TEST_F(PaletteEditorTest, CancelAndEscapeChangeNothing) {
    editor->ModalHook = [&](TZqModalForm& window) {
        window.show();
        Drag(Cell(0), Cell(100));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &escape);
        return window.result();
    };
    form->Button10->click();
    editor->ModalHook = [&](TZqModalForm& window) {
        Drag(Cell(0), Cell(100));
        editor->Button2->click();
        return window.result();
    };
    form->Button10->click();
    EXPECT_EQ(form->Memo1->toPlainText(), "FFFF00\nFF96FF\nFF64FF\nFF32FF\nFF00FF\n00FFFF\nFF00B4\n00FF00");
}

TEST_F(PaletteEditorTest, UndoTakesBackDragsColoursAndDroppedPalettesAndOkWritesWhatIsInForce) {
    Bitmap sixteen(1, 1, PixelFormat::Bits4);
    sixteen.setColorTable(std::vector<RgbQuad>(16, ToQuad(0x010203)));
    SaveBitmapToFile(sixteen, "16.bmp");
    dialogs.AnswerColor(0x0000FF);
    EditAndOk([&] {
        Drag(Cell(0), Cell(100));
        PressKey(editor, Qt::Key_Z, Qt::ControlModifier);
        Mouse(QEvent::MouseButtonPress, Cell(1), Qt::RightButton);
        Mouse(QEvent::MouseButtonRelease, Cell(1), Qt::RightButton);
        // A picture dropped from the file manager gives its palette, as Load does.
        EXPECT_EQ(DropFiles(editor, {Here("16.bmp")}).Action, Qt::CopyAction);
        EXPECT_EQ(editor->Cells.EditorPalette[0], 0x010203);
        PressKey(editor, Qt::Key_Z, Qt::ControlModifier);
        PressKey(editor, Qt::Key_Z, Qt::ControlModifier);
        PressKey(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    });
    // The drag and the dropped palette undone, the new colour of position 1 kept.
    EXPECT_EQ(form->Memo1->toPlainText(), "FFFF00\n0000FF\nFF64FF\nFF32FF\nFF00FF\n00FFFF\nFF00B4\n00FF00");
}

}  // namespace
}  // namespace vok::test
