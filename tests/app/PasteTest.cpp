// Pasting into the text fields of every window: with nothing on the clipboard, with text
// copied in the program, and after the window the text came from has gone.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/MainWindowFixture.h"
#include "colours/ColorShape.h"
#include "lang/HelpWindow.h"
#include "move/MoveWindow.h"
#include "palette/PaletteEditor.h"
#include "shadow/ShadowWindow.h"
#include "voklist/VokListEditor.h"

namespace vok::test {
namespace {

void EmptyClipboard() { QGuiApplication::clipboard()->setMimeData(new QMimeData); }

void SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void Key(QWidget* to, int key, Qt::KeyboardModifiers mods) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(to, &release);
}

void MiddleClick(QWidget* field) {
    QWidget* target = field;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(field)) target = area->viewport();
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::MiddleButton, Qt::MiddleButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::MiddleButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// Ctrl+V, Shift+Insert and the middle button, one after the other.
void PasteEveryWay(QWidget* field) {
    Key(field, Qt::Key_V, Qt::ControlModifier);
    Key(field, Qt::Key_Insert, Qt::ShiftModifier);
    MiddleClick(field);
}

QString FieldText(QWidget* field) {
    if (auto* e = qobject_cast<QLineEdit*>(field)) return e->text();
    if (auto* e = qobject_cast<QPlainTextEdit*>(field)) return e->toPlainText();
    if (auto* e = qobject_cast<QTextEdit*>(field)) return e->toPlainText();
    return {};
}

class PasteTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteCreatureTable();
        Open();
        form->Memo1->setPlainText("FFFF00");
        form->Memo1->moveCursor(QTextCursor::End);
    }
    void TearDown() override {
        EmptyClipboard();
        MainWindowTest::TearDown();
    }
};

TEST_F(PasteTest, AnEmptyClipboardPastesNothingIntoTheColourList) {
    EmptyClipboard();
    PasteEveryWay(form->Memo1);
    EXPECT_EQ(form->Memo1->toPlainText(), "FFFF00");
    QGuiApplication::clipboard()->clear();
    PasteEveryWay(form->Memo1);
    EXPECT_EQ(form->Memo1->toPlainText(), "FFFF00");
    EXPECT_EQ(form->ColorShapes.size(), 2u);
}

TEST_F(PasteTest, PastedTextKeepsOneLinePerLineAsTyped) {
    TForm1& f = *form;
    // Copied in the list itself: Ctrl+A, Ctrl+C, then pasted at the end on a new line.
    f.Memo1->selectAll();
    Key(f.Memo1, Qt::Key_C, Qt::ControlModifier);
    f.Memo1->moveCursor(QTextCursor::End);
    f.Memo1->insertPlainText("\n");
    Key(f.Memo1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.MemoLines(), (std::vector<std::string>{"FFFF00", "FFFF00"}));
    // Line ends of every kind end one line; control characters do not get in.
    SetClipboardText("\n00FF00\r\n0000FF\r\x01" "FF00FF");
    Key(f.Memo1, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(f.MemoLines(), (std::vector<std::string>{"FFFF00", "FFFF00", "00FF00", "0000FF", "FF00FF"}));
    ASSERT_EQ(f.ColorShapes.size(), 6u);
    EXPECT_EQ(f.ColorShapes[3]->Color(), 0x0000FF);
    // One paste is one undo step.
    Key(f.Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.MemoLines(), (std::vector<std::string>{"FFFF00", "FFFF00"}));
}

TEST_F(PasteTest, TextFromAClosedWindowStillPastes) {
    {
        TZqHelp help(form.get());
        auto* memo = help.findChild<QPlainTextEdit*>("Memo1");
        ASSERT_NE(memo, nullptr);
        memo->setPlainText("000080");
        memo->selectAll();
        Key(memo, Qt::Key_C, Qt::ControlModifier);
        help.close();
    }
    Key(form->Memo1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->Memo1->toPlainText(), "FFFF00000080");
    // And from a main window that has gone.
    form->Memo1->selectAll();
    form->Memo1->copy();
    form.reset();
    Open();
    form->Memo1->clear();
    PasteEveryWay(form->Memo1);
    EXPECT_EQ(form->MemoLines().front().substr(0, 12), "FFFF00000080");
}

TEST_F(PasteTest, EveryTextFieldOfEveryWindowTakesAnEmptyPaste) {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<TForm2>(dialogs, form.get()));
    windows.push_back(std::make_unique<TForm3>(dialogs, form.get()));
    windows.push_back(std::make_unique<TForm4>(dialogs, form.get()));
    windows.push_back(std::make_unique<TForm5>(dialogs, form.get()));
    windows.push_back(std::make_unique<TZqHelp>(form.get()));
    std::vector<QWidget*> all = {form.get()};
    for (const auto& w : windows) {
        w->show();
        all.push_back(w.get());
    }
    int fields = 0;
    for (QWidget* window : all) {
        for (QWidget* field : window->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QPlainTextEdit*>(field) &&
                !qobject_cast<QTextEdit*>(field))
                continue;
            ++fields;
            const QString before = FieldText(field);
            EmptyClipboard();
            PasteEveryWay(field);
            EXPECT_EQ(FieldText(field), before) << field->objectName().toStdString();
            SetClipboardText("7");
            PasteEveryWay(field);  // a field may take it or not, but stays whole
        }
    }
    EXPECT_GE(fields, 6);
}

}  // namespace
}  // namespace vok::test
