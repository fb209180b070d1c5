#pragma once
// Types text into a control key by key, as a user at the keyboard would.
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace vok::test {

inline void Type(QWidget* to, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(to, &press);
    }
}

}  // namespace vok::test
