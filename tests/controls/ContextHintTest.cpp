// The hint shown on right click: its text, its place beside the cursor, and how it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include "controls/ContextHint.h"
#include "controls/ControlHint.h"
#include "controls/ZqSimpleHintWindow.h"

namespace vok::test {
namespace {

// A 16 x 16 cursor whose top 12 rows are visible, hot spot at (0, 2).
QCursor TwelveRowCursor() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 5, 12, Qt::black);
    painter.end();
    return QCursor(picture, 0, 2);
}

void Press(QWidget* target, Qt::MouseButton button, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(target->mapToGlobal(at)), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

class ContextHintTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setOverrideCursor(TwelveRowCursor());
        window.setGeometry(100, 100, 300, 200);
        button.setGeometry(10, 10, 80, 25);
        window.show();
        window.activateWindow();
        QApplication::processEvents();
        QCursor::setPos(400, 300);
    }
    void TearDown() override {
        HideHint(false);
        QApplication::restoreOverrideCursor();
    }
    QWidget window;
    QPushButton button{&window};
};

TEST_F(ContextHintTest, ShowsTheLongPartBelowTheCursorTip) {
    ASSERT_EQ(QCursor::pos(), QPoint(400, 300));
    EXPECT_EQ(CursorHeightBelowHotspot(), 10);
    SetHint(&button, "Short|Long part\r\nsecond line");
    ASSERT_TRUE(ShowContextHint(&button));
    TZqSimpleHintWindow* hint = ContextHintWindow();
    ASSERT_TRUE(hint && hint->isVisible());
    EXPECT_EQ(hint->Text(), "Long part\r\nsecond line");
    const QRect wanted = hint->CalcHintRect(10000, hint->Text());
    EXPECT_EQ(hint->geometry(), QRect(400 - wanted.width() / 2 + 10, 300 + 10 + 1, wanted.width(), wanted.height() + 4));
    // A flat box in the hint colour inside a one-pixel black frame.
    const QImage look = hint->grab().toImage();
    EXPECT_EQ(look.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(look.pixelColor(look.width() - 1, look.height() / 2), QColor(Qt::black));
    EXPECT_EQ(look.pixelColor(1, 1), QToolTip::palette().color(QPalette::ToolTipBase));
    // A hint without "|" is shown whole; a control without a hint shows none.
    SetHint(&button, "Whole");
    ASSERT_TRUE(ShowContextHint(&button));
    EXPECT_EQ(hint->Text(), "Whole");
    SetHint(&button, "Only short|");
    EXPECT_FALSE(ShowContextHint(&button));
}

TEST_F(ContextHintTest, StaysUntilAKeyOrAClick) {
    SetHint(&button, "|Long");
    ASSERT_TRUE(ShowContextHint(&button));
    TZqSimpleHintWindow* hint = ContextHintWindow();
    QApplication::processEvents();
    ASSERT_TRUE(hint->isVisible());
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    button.setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(&button, &key);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(&button, &release);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_EQ(clicks, 0);  // the key only closed the hint
    QApplication::processEvents();
    // The window active before the hint has the keyboard again.
    EXPECT_EQ(QApplication::activeWindow(), &window);

    ASSERT_TRUE(ShowContextHint(&button));
    ASSERT_TRUE(hint->isVisible());
    Press(hint, Qt::LeftButton, QPoint(3, 3));
    EXPECT_FALSE(hint->isVisible());

    ASSERT_TRUE(ShowContextHint(&button));
    Press(&button, Qt::RightButton, QPoint(5, 5));
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(ContextHintTest, OverAModalWindowAClickOnTheHintOrTheWindowClosesIt) {
    QDialog dialog;
    dialog.setGeometry(150, 150, 200, 100);
    QPushButton inside(&dialog);
    inside.setGeometry(10, 10, 80, 25);
    SetHint(&inside, "|Long");
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    // The clicks come as the platform delivers them, where a blocked window gets none.
    for (const bool onHint : {true, false}) {
        ASSERT_TRUE(ShowContextHint(&inside));
        TZqSimpleHintWindow* hint = ContextHintWindow();
        QApplication::processEvents();
        ASSERT_TRUE(hint->isVisible());
        QTest::mouseClick(onHint ? hint->windowHandle() : dialog.windowHandle(), Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_FALSE(hint->isVisible()) << onHint;
    }
}

TEST_F(ContextHintTest, AHintWithATimeoutFadesOutByItself) {
    ShowHintAt("Soon gone", QPoint(50, 60), 20, true, false);
    TZqSimpleHintWindow* hint = ContextHintWindow();
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->pos(), QPoint(50, 60));
    EXPECT_TRUE(hint->testAttribute(Qt::WA_TransparentForMouseEvents));
    QElapsedTimer clock;
    clock.start();
    while (hint->isVisible() && clock.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_GE(clock.elapsed(), 200);  // the fade takes its time
}

TEST_F(ContextHintTest, MovedBackInsideTheScreenAtItsEdge) {
    const QRect screen = QGuiApplication::primaryScreen()->virtualGeometry();
    QCursor::setPos(screen.right() - 2, screen.bottom() - 2);
    SetHint(&button, "|A hint near the corner of the screen");
    ASSERT_TRUE(ShowContextHint(&button));
    EXPECT_TRUE(screen.contains(ContextHintWindow()->geometry()));
}

TEST_F(ContextHintTest, ToolTipsAreDrawnByTheHintWindowAndLeaveWithTheMouse) {
    InstallHintWindow();
    SetHint(&button, "Short|Long");
    QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&button, &rest);
    TZqSimpleHintWindow* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* hint = qobject_cast<TZqSimpleHintWindow*>(w); hint && hint != ContextHintWindow() && hint->isVisible())
            tip = hint;
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->Text(), "Short");
    EXPECT_TRUE(tip->windowFlags().testFlag(Qt::ToolTip));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(tip->isVisible());
}

}  // namespace
}  // namespace vok::test
