#include "controls/ListBoxTip.h"

#include <QPainter>

#include "controls/ZqGraphics.h"
#include "pictures/ColorArithmetic.h"

namespace vok {
namespace {

constexpr int kTextLeft = 2;
const int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

}  // namespace

TListBoxTip::TListBoxTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("ListBoxTip");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize TListBoxTip::CalcHintSize(const QString& text, int maxWidth) const {
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, maxWidth, 1 << 20), kTextFlags, text);
    // The frame and the text's left and right margins.
    return {bounds.width() + 2 * kTextLeft + 2, bounds.height() + 2};
}

void TListBoxTip::ActivateHint(const QRect& screenRect, const QString& text) {
    text_ = text;
    setGeometry(screenRect);
    ++shown_;
    show();
    raise();
    update();
}

void TListBoxTip::ReleaseHandle() {
    text_.clear();
    hide();
}

void TListBoxTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(SystemColor(SysColor::InfoBackground)));
    p.setPen(ToQColor(SystemColor(SysColor::InfoText)));
    p.setLayoutDirection(layoutDirection());
    p.drawText(rect().adjusted(1 + kTextLeft, 1, -1, -1), kTextFlags, text_);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vok
