#include "controls/ZqSimpleHintWindow.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace vok {
namespace {

constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QString ShownText(QString text) { return text.replace("\r\n", "\n"); }

}  // namespace

TZqSimpleHintWindow::TZqSimpleHintWindow(bool canActivate, QWidget* parent)
    : QWidget(parent, canActivate ? Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                  : Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName("ZqSimpleHintWindow");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QToolTip::font());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    setPalette(colours);
}

QRect TZqSimpleHintWindow::CalcHintRect(int maxWidth, const QString& text) const {
    const QFontMetrics metrics(QToolTip::font());
    const QRect measured = metrics.boundingRect(QRect(0, 0, maxWidth, 0), kTextFlags, ShownText(text));
    return QRect(0, 0, measured.width() + 6, measured.height() + 2);
}

void TZqSimpleHintWindow::ActivateHint(QRect rect, const QString& text) {
    setFont(QToolTip::font());
    text_ = text;
    rect.setHeight(rect.height() + 4);
    const QScreen* screen = QGuiApplication::screenAt(rect.topLeft());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect desktop = screen->virtualGeometry();
        if (rect.bottom() > desktop.bottom()) rect.moveBottom(desktop.bottom());
        if (rect.right() > desktop.right()) rect.moveRight(desktop.right());
        if (rect.left() < desktop.left()) rect.moveLeft(desktop.left());
        if (rect.top() < desktop.top()) rect.moveTop(desktop.top());
    }
    setGeometry(rect);
    show();
    raise();
    update();
}

void TZqSimpleHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(2, 2, 0, 0), kTextFlags, ShownText(text_));
}

}  // namespace vok
