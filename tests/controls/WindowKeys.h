#pragma once
// Keys pressed in an active window, as the user presses them: the window's shortcuts
// (undo, redo) answer them as they do at the keyboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace vok::test {

inline void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (!window->isActiveWindow()) {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, key, modifiers);
}

}  // namespace vok::test
