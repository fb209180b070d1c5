// The spin edit's bases, grouping, limits and keyboard rules, and the spin button's repeat
// that speeds up with the drag distance.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <climits>

#include "controls/TypeKeys.h"
#include "controls/ZqSpinEdit.h"
#include "pictures/ColorArithmetic.h"

namespace vok {
namespace {

using test::Type;

void Key(QWidget* to, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(to, &release);
}

QString Shown(TZqSpinEdit& edit, int base, bool thousands, int value) {
    edit.SetBase(base);
    edit.SetThousands(thousands);
    edit.SetValue(value);
    return edit.text();
}

TEST(ZqSpinEdit, ShowsValuesInEveryBaseWithGroupsFromTheRight) {
    TZqSpinEdit edit;
    edit.SetThousandsSeparator(',');
    EXPECT_EQ(Shown(edit, 0, false, 1234567), "1234567");
    EXPECT_EQ(Shown(edit, 0, true, 1234567), "1,234,567");
    EXPECT_EQ(Shown(edit, 0, true, -1234), "-1,234");
    EXPECT_EQ(Shown(edit, 2, false, 5), "101");
    EXPECT_EQ(Shown(edit, 2, true, 15), "1,111");
    EXPECT_EQ(Shown(edit, 16, true, 16777215), "FFF,FFF");
    EXPECT_EQ(Shown(edit, 16, true, 1048575), "FF,FFF");
    EXPECT_EQ(Shown(edit, 36, false, 35), "Z");
    EXPECT_EQ(Shown(edit, 36, true, INT_MIN), "-ZIK,0ZK");
    EXPECT_EQ(Shown(edit, 1, false, 255), "$FF");
    EXPECT_EQ(Shown(edit, 1, false, -255), "-$FF");
    EXPECT_EQ(edit.Value(), -255);
    // Changing the base or the grouping shows the same value anew.
    edit.SetValue(1048575);
    edit.SetBase(16);
    edit.SetThousands(true);
    EXPECT_EQ(edit.text(), "FF,FFF");
    edit.SetThousands(false);
    EXPECT_EQ(edit.text(), "FFFFF");
    edit.SetBase(0);
    EXPECT_EQ(edit.text(), "1048575");
    // A separator that is a digit of the base (hexadecimal for decimal) or '-' is refused.
    edit.SetThousandsSeparator('b');
    EXPECT_NE(edit.GroupCharacter(), 'b');
    edit.SetThousandsSeparator('-');
    EXPECT_NE(edit.GroupCharacter(), '-');
    edit.SetThousandsSeparator('_');
    edit.SetBase(36);
    edit.SetThousandsSeparator('x');
    EXPECT_EQ(edit.GroupCharacter(), '_');
}

TEST(ZqSpinEdit, TypedTextIsReadInTheBaseAndBadTextKeepsTheValue) {
    TZqSpinEdit edit;
    edit.SetBase(1);
    edit.setText("");
    Type(&edit, "$1F");
    Key(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Value(), 31);
    EXPECT_EQ(edit.text(), "$1F");

    edit.SetBase(0);
    edit.SetValue(7);
    edit.setText("12xyz");  // as pasted
    EXPECT_EQ(edit.Value(), 7);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&edit, &out);
    EXPECT_EQ(edit.text(), "7");
    edit.setText("");
    EXPECT_EQ(edit.Value(), 0);
    edit.setText("1234567890123456789012345678901234567890");
    EXPECT_EQ(edit.Value(), INT_MAX);
    edit.SetMinValue(-10);
    edit.SetMaxValue(444);
    edit.setText("1234567890123456789012345678901234567890");
    EXPECT_EQ(edit.Value(), 444);
    edit.setText("-99999999999999999999999999999999999999");
    EXPECT_EQ(edit.Value(), -10);
    edit.SetValue(3);
    edit.setText("1-2");
    EXPECT_EQ(edit.Value(), 3);  // the value held since the last writing
}

TEST(ZqSpinEdit, StepsSaturateWithoutLimitsAndStopAtLimits) {
    TZqSpinEdit edit;
    int changes = 0;
    edit.OnChanged = [&](TZqSpinEdit*) { ++changes; };
    edit.SetValue(2147483646);
    edit.SetIncrement(5);
    edit.StepUp();
    EXPECT_EQ(edit.Value(), INT_MAX);
    edit.SetValue(INT_MIN + 2);
    edit.StepDown(3);
    EXPECT_EQ(edit.Value(), INT_MIN);
    edit.SetIncrement(1);
    edit.SetMinValue(0);
    edit.SetMaxValue(444);
    edit.SetValue(443);
    changes = 0;
    edit.StepUp(10);
    EXPECT_EQ(edit.Value(), 444);
    EXPECT_EQ(changes, 1);
    edit.StepUp();
    EXPECT_EQ(changes, 1);  // no change, no event
    Key(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.Value(), 443);
    EXPECT_EQ(changes, 2);
}

TEST(ZqSpinEdit, KeyboardRefusesCharactersOutsideTheBaseAndALockedEditor) {
    TZqSpinEdit edit;
    int beeps = 0;
    edit.Beep = [&] { ++beeps; };
    edit.setText("");
    Type(&edit, "1a$-+.g5");
    EXPECT_EQ(edit.text(), "1a$-+5");  // hex digits and '$' pass in decimal; '.' and 'g' do not
    EXPECT_EQ(beeps, 2);
    edit.SetBase(2);
    edit.setText("");
    Type(&edit, "1021");
    EXPECT_EQ(edit.text(), "101");
    edit.SetThousands(true);
    edit.SetThousandsSeparator('\'');
    Type(&edit, "'1");
    EXPECT_EQ(edit.text(), "101'1");

    edit.SetEditorEnabled(false);
    beeps = 0;
    Type(&edit, "1");
    Key(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "101'1");
    EXPECT_EQ(beeps, 2);
    Key(&edit, Qt::Key_Up);  // stepping still works
    EXPECT_EQ(edit.Value(), 12);
}

TEST(ZqSpinEdit, ALockedEditorRefusesEveryEditingShortcutAndOnlySteps) {
    TZqSpinEdit edit;
    edit.Beep = [] {};
    edit.SetValue(124);
    Type(&edit, "5");  // typed while the editor is open: something to undo
    edit.SetEditorEnabled(false);
    edit.setCursorPosition(0);
    for (const QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::DeleteEndOfLine,
                                                QKeySequence::DeleteStartOfWord, QKeySequence::Delete}) {
        for (const QKeySequence& sequence : QKeySequence::keyBindings(key)) {
            const QKeyCombination combination = sequence[0];
            QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
            QApplication::sendEvent(&edit, &press);
            EXPECT_EQ(edit.text(), "1245") << sequence.toString().toStdString();
        }
    }
    // Ctrl+K on this desktop, whatever the platform's bindings say.
    QKeyEvent ctrlK(QEvent::KeyPress, Qt::Key_K, Qt::ControlModifier, QString(QChar(11)));
    QApplication::sendEvent(&edit, &ctrlK);
    EXPECT_EQ(edit.text(), "1245");
    Key(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), "1246");
}

TEST(ZqSpinEdit, OpeningTheContextMenuDoesNotLeaveTheField) {
    QWidget window;
    TZqSpinEdit edit(&window);
    int changes = 0;
    edit.OnChanged = [&](TZqSpinEdit*) { ++changes; };
    window.show();
    window.activateWindow();
    edit.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(edit.hasFocus());
    edit.setText("0077");
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&edit, &menu);
    QApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(edit.text(), "0077");  // neither re-shown nor committed
    EXPECT_EQ(changes, 0);
    popup->close();
    edit.clearFocus();  // leaving the field does commit
    EXPECT_EQ(edit.text(), "77");
    EXPECT_EQ(changes, 1);
}

TEST(ZqSpinEdit, ReadOnlyArrowsBeepKeepTheValueAndStillFireTheirEvents) {
    TZqSpinEdit edit;
    edit.SetValue(5);
    edit.setReadOnly(true);
    int beeps = 0, ups = 0, changes = 0;
    edit.Beep = [&] { ++beeps; };
    edit.OnUpClick = [&](TZqSpinEdit*) { ++ups; };
    edit.OnChanged = [&](TZqSpinEdit*) { ++changes; };
    edit.Button()->OnUpClick(edit.Button(), 1);
    EXPECT_EQ(edit.Value(), 5);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(changes, 0);
}

struct FakeTimer : IRepeatTimer {
    int interval = 0;
    int Interval() const override { return interval; }
    void SetInterval(int ms) override { interval = ms; }
};

class SpinRepeat : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<FakeTimer>();
        timer = owned.get();
        spin.resize(15, 40);
        spin.show();
        spin.SetTimer(std::move(owned));
        spin.CursorPos = [this] { return spin.mapToGlobal(mouse); };
        spin.LeftButtonDown = [] { return true; };
        spin.OnUpClick = [this](TZqSpinButton*, int count) { steps.push_back(count); };
        spin.OnDownClick = [this](TZqSpinButton*, int count) { steps.push_back(-count); };
    }
    void Mouse(QEvent::Type type, QWidget* arrow) {
        QMouseEvent event(type, QPointF(3, 3), arrow->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(arrow, &event);
    }
    void Tick() { timer->OnTimer(); }

    TZqSpinButton spin;
    FakeTimer* timer = nullptr;
    QPoint mouse{7, 5};
    std::vector<int> steps;
};

TEST_F(SpinRepeat, HoldingAnArrowRepeatsFasterTheFartherTheDrag) {
    Mouse(QEvent::MouseButtonPress, spin.UpButton());
    EXPECT_EQ(steps, std::vector<int>{1});
    EXPECT_EQ(timer->interval, 400);
    Tick();  // on the arrow: one step, then every 100 ms
    EXPECT_EQ(timer->interval, 100);
    mouse = {7, -45};  // 45 above: speed 25, so 15 ms ticks of 5 steps
    Tick();
    EXPECT_EQ(timer->interval, 15);
    EXPECT_EQ(timer->Tag, 4);
    Tick();
    EXPECT_EQ(steps, (std::vector<int>{1, 1, 1, 5}));
    mouse = {7, -10};  // 10 above: speed 4, 25 ms
    Tick();
    EXPECT_EQ(timer->interval, 25);
    EXPECT_EQ(timer->Tag, 0);
    EXPECT_EQ(steps.back(), 5);  // the tick still carried the previous tag
    mouse = {7, 30};  // below the up arrow: held, no steps
    steps.clear();
    Tick();
    Tick();
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(timer->interval, 100);
    EXPECT_EQ(spin.HeldArrow(), spin.UpButton());
    Mouse(QEvent::MouseButtonRelease, spin.UpButton());
    EXPECT_EQ(timer->interval, 0);
    EXPECT_EQ(spin.HeldArrow(), nullptr);
}

TEST_F(SpinRepeat, DownArrowCountsBelowItAndNoFactorMeansNoAcceleration) {
    spin.SpinFactor = 0;
    Mouse(QEvent::MouseButtonPress, spin.DownButton());
    mouse = {7, 100};
    Tick();
    EXPECT_EQ(steps, std::vector<int>{-1});
    EXPECT_EQ(timer->interval, 100);
    spin.SpinFactor = 15;
    mouse = {7, 39 + 15};  // 15 below the last row: speed 9, 11 ms
    Tick();
    EXPECT_EQ(timer->interval, 11);
    spin.LeftButtonDown = [] { return false; };  // released elsewhere
    Tick();
    EXPECT_EQ(timer->interval, 0);
    EXPECT_EQ(spin.HeldArrow(), nullptr);
}

std::uint32_t Pixel(QWidget* widget, int x, int y) {
    const QRgb p = widget->grab().toImage().pixel(x, y);
    return RGB(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
}

TEST_F(SpinRepeat, OfficeArrowsAreFramedWhenIdleAndStayPressedWhileHeldAnywhere) {
    SetSysColorSource(nullptr);
    spin.SetStyle(ZqsbOffice);
    TZqSpeedButton* up = spin.UpButton();
    ASSERT_EQ(up->height(), 20);
    TZqColorTheme& theme = up->ColorTheme();
    EXPECT_EQ(Pixel(up, 0, 0), ColorToRgb(SystemColor(SysColor::ButtonFace)));
    EXPECT_EQ(Pixel(up, 0, 10), theme.Rgb(TZqColorTheme::DarkColor));
    Mouse(QEvent::MouseButtonPress, up);
    QMouseEvent away(QEvent::MouseMove, QPointF(7, -60), up->mapToGlobal(QPointF(7, -60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(up, &away);
    EXPECT_FALSE(up->isDown());
    EXPECT_EQ(Pixel(up, 3, 1), theme.Rgb(TZqColorTheme::LightColor));
    Mouse(QEvent::MouseButtonRelease, up);
    EXPECT_EQ(Pixel(up, 0, 10), theme.Rgb(TZqColorTheme::DarkColor));
    up->setEnabled(false);
    EXPECT_EQ(Pixel(up, 0, 10), ColorToRgb(SystemColor(SysColor::ButtonFace)));
    EXPECT_EQ(Pixel(up, 7, 8), ColorToRgb(SystemColor(SysColor::ButtonShadow)));  // the arrow's tip
}

}  // namespace
}  // namespace vok
