#include "controls/ZqSpinButton.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/ZqGraphics.h"
#include "pictures/ColorArithmetic.h"

namespace vok {

QPixmap SpinArrowGlyph(bool up) {
    // Seven wide, a four-row triangle with a white row above and below.
    QImage image(7, 6, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row) {
        const int y = up ? 1 + row : 4 - row;
        for (int x = 3 - row; x <= 3 + row; ++x) image.setPixel(x, y, 0xFF000000u);
    }
    return QPixmap::fromImage(image);
}

TZqSpinButton::TZqSpinButton(QWidget* parent) : QWidget(parent) {
    up_ = MakeArrow("UpButton");
    down_ = MakeArrow("DownButton");
    marked_ = up_;
    CursorPos = [] { return QCursor::pos(); };
    LeftButtonDown = [] { return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0; };
    SetTimer(MakeRepeatTimer(this));
    setFocusPolicy(Qt::NoFocus);
    resize(20, 25);
    ApplyLook();
}

TZqSpinButton::~TZqSpinButton() = default;

TZqSpeedButton* TZqSpinButton::MakeArrow(const char* name) {
    auto* arrow = new TZqSpeedButton(this);
    arrow->setObjectName(name);
    arrow->installEventFilter(this);
    arrow->OnPaint = [this](TZqSpeedButton* sender, const TZqSpeedButton::StandardPaint& paint, TButtonState& state,
                            bool& mouseIn, bool) { PaintArrow(sender, paint, state, mouseIn); };
    return arrow;
}

void TZqSpinButton::SetTimer(std::unique_ptr<IRepeatTimer> timer) {
    timer_ = std::move(timer);
    timer_->SetInterval(0);
    timer_->OnTimer = [this] { Tick(); };
}

void TZqSpinButton::SetUpGlyph(const QPixmap& glyph) {
    upGlyph_ = glyph;
    ApplyLook();
}

void TZqSpinButton::SetDownGlyph(const QPixmap& glyph) {
    downGlyph_ = glyph;
    ApplyLook();
}

void TZqSpinButton::SetStyle(TZqSpeedButtonStyle style) {
    style_ = style;
    ApplyLook();
}

void TZqSpinButton::SetFlat(bool flat) {
    flat_ = flat;
    ApplyLook();
}

void TZqSpinButton::SetFlatHighlighted(bool on) {
    flatHighlighted_ = on;
    ApplyLook();
}

void TZqSpinButton::ApplyLook() {
    for (TZqSpeedButton* arrow : {up_, down_}) {
        const QPixmap& own = arrow == up_ ? upGlyph_ : downGlyph_;
        QPixmap glyph = own.isNull() ? SpinArrowGlyph(arrow == up_) : own;
        // The built-in arrows lose their white margin rows on the slimmer looks.
        if (own.isNull() && (style_ != ZqsbStandard || flat_) && glyph.height() > 2)
            glyph = glyph.copy(0, 1, glyph.width(), glyph.height() - 2);
        arrow->SetGlyph(glyph);
        arrow->SetStyle(style_);
        arrow->SetFlat(flat_);
        arrow->SetHighlighted(flat_ && flatHighlighted_);
    }
    LayoutArrows();
}

void TZqSpinButton::LayoutArrows() {
    const int h = height(), w = width();
    if (TZqSpeedButton::ThemesActive() || (style_ == ZqsbStandard && flat_) || style_ == ZqsbOffice) {
        const int upHeight = (h + 1) / 2;
        up_->setGeometry(0, 0, w, upHeight);
        down_->setGeometry(0, upHeight, w, h - upHeight);
    } else {
        // Raised arrows overlap by one pixel so that their borders meet.
        const int upHeight = h / 2 + 1;
        up_->setGeometry(0, 0, w, upHeight);
        down_->setGeometry(0, upHeight - 1, w, h - upHeight + 1);
    }
}

void TZqSpinButton::resizeEvent(QResizeEvent*) { LayoutArrows(); }

void TZqSpinButton::PaintArrow(TZqSpeedButton* arrow, const TZqSpeedButton::StandardPaint& paint,
                               TButtonState& state, bool& mouseIn) {
    if (arrow == held_ && SpinFactor > 0 && state != bsDisabled) state = bsDown;
    if (TZqSpeedButton::ThemesActive()) return paint();
    const bool pressed = state == bsDown || state == bsExclusive;
    const QPixmap glyph = arrow->Glyph();
    const QPoint at((arrow->width() - glyph.width()) / 2, (arrow->height() - glyph.height()) / 2);
    if (style_ == ZqsbBright) {
        QPainter p(arrow);
        const bool lit = mouseIn || pressed;
        p.fillRect(arrow->rect(), ToQColor(SystemColor(lit ? SysColor::ButtonHighlight : SysColor::ButtonFace)));
        if (state == bsDisabled) DrawMonochrome(p, glyph, SystemColor(SysColor::ButtonShadow), at.x(), at.y());
        else p.drawPixmap(at, glyph);
        if (lit) {
            p.setPen(ToQColor(SystemColor(SysColor::ButtonFace)));
            p.drawRect(arrow->rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    if (style_ == ZqsbOffice && state == bsDisabled) {
        QPainter p(arrow);
        p.fillRect(arrow->rect(), ToQColor(arrow->ColorTheme().Get(TZqColorTheme::ButtonColor)));
        DrawMonochrome(p, glyph, SystemColor(SysColor::ButtonShadow), at.x(), at.y());
        return;
    }
    paint();
    if (style_ == ZqsbOffice && !mouseIn && !pressed) {
        QPainter p(arrow);
        const int w = arrow->width(), h = arrow->height();
        p.setPen(ToQColor(ColorValue(arrow->ColorTheme().Rgb(TZqColorTheme::DarkColor))));
        p.drawRect(0, 0, w - 1, h - 1);
        p.setPen(ToQColor(arrow->ColorTheme().Get(TZqColorTheme::ButtonColor)));
        p.drawPoints(QPolygon({{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}));
    }
}

bool TZqSpinButton::eventFilter(QObject* watched, QEvent* event) {
    auto* arrow = watched == up_ ? up_ : watched == down_ ? down_ : nullptr;
    if (arrow == nullptr) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && arrow->isEnabled()) Press(arrow);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) Release();
    }
    return QWidget::eventFilter(watched, event);
}

void TZqSpinButton::Press(TZqSpeedButton* arrow) {
    SetMarked(arrow);
    if (focusControl_ && focusControl_->focusPolicy() != Qt::NoFocus && focusControl_->isEnabled()) {
        if (!focusControl_->hasFocus()) focusControl_->setFocus(Qt::MouseFocusReason);
    } else if (focusPolicy() & Qt::TabFocus) {
        setFocus(Qt::MouseFocusReason);
    }
    held_ = arrow;
    timer_->Tag = 0;
    timer_->SetInterval(InitRepeatPause);
    Fire(arrow, 1);
}

void TZqSpinButton::Release() {
    timer_->SetInterval(0);
    TZqSpeedButton* was = held_;
    held_ = nullptr;
    if (was) was->update();
}

void TZqSpinButton::Fire(TZqSpeedButton* arrow, int count) {
    const auto& handler = arrow == up_ ? OnUpClick : OnDownClick;
    if (handler) handler(this, count);
}

void TZqSpinButton::Tick() {
    if (held_ == nullptr || !LeftButtonDown()) return Release();
    const QPoint mouse = mapFromGlobal(CursorPos());
    const QRect arrow = held_->geometry();
    const bool over = arrow.contains(mouse);
    // How far the mouse is beyond the held arrow: above the up arrow, below the down arrow.
    const int beyond = held_ == up_ ? arrow.top() - mouse.y() : mouse.y() - arrow.bottom();
    int speed = 0;
    if (over) speed = 1;
    else if (SpinFactor > 0 && beyond > 0) speed = (beyond / SpinFactor + 2) * (beyond / SpinFactor + 2);
    if (speed > 0) Fire(held_, timer_->Tag + 1);
    else speed = 1;
    const int pause = RepeatPause > 0 ? RepeatPause : 1;
    if (pause / speed > 9) {
        timer_->Tag = 0;
        timer_->SetInterval(pause / speed);
    } else {
        // Faster than a tick every 10 ms: tick every 15 ms with several steps each.
        timer_->Tag = (speed * 15 + pause / 2) / pause;
        timer_->SetInterval(15);
    }
}

void TZqSpinButton::SetMarked(TZqSpeedButton* arrow) {
    if (marked_ == arrow) return;
    marked_ = arrow;
    if (hasFocus()) update();
}

void TZqSpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: SetMarked(up_); up_->SetKeyboardPressed(true); return;
    case Qt::Key_Down: SetMarked(down_); down_->SetKeyboardPressed(true); return;
    case Qt::Key_Space: marked_->SetKeyboardPressed(true); return;
    default: QWidget::keyPressEvent(event);
    }
}

void TZqSpinButton::keyReleaseEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: up_->SetKeyboardPressed(false); return;
    case Qt::Key_Down: down_->SetKeyboardPressed(false); return;
    case Qt::Key_Space: marked_->SetKeyboardPressed(false); return;
    default: QWidget::keyReleaseEvent(event);
    }
}

void TZqSpinButton::focusOutEvent(QFocusEvent* event) {
    up_->SetKeyboardPressed(false);
    down_->SetKeyboardPressed(false);
    QWidget::focusOutEvent(event);
}

}  // namespace vok
