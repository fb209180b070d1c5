#include "controls/ZqSpeedButton.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "controls/ZqGraphics.h"
#include "pictures/ColorArithmetic.h"

namespace vok {
namespace {

bool themesActive = false;

ColorValue Sys(int index) { return SystemColor(index); }

void Frame(QPainter& p, const QRect& r, ColorValue color) {
    p.setPen(ToQColor(color));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void Corners(QPainter& p, int w, int h, ColorValue color) {
    p.setPen(ToQColor(color));
    p.drawPoint(0, 0);
    p.drawPoint(w - 1, 0);
    p.drawPoint(0, h - 1);
    p.drawPoint(w - 1, h - 1);
}

}  // namespace

TZqSpeedButton::TZqSpeedButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAttribute(Qt::WA_Hover);
}

TZqSpeedButton::~TZqSpeedButton() = default;

bool TZqSpeedButton::ThemesActive() { return themesActive; }
void TZqSpeedButton::SetThemesActive(bool active) { themesActive = active; }

void TZqSpeedButton::SetStyle(TZqSpeedButtonStyle style) {
    if (style_ == style) return;
    style_ = style;
    update();
}

void TZqSpeedButton::SetStyledOnXP(bool on) {
    if (styledOnXP_ == on) return;
    styledOnXP_ = on;
    if (ThemesActive()) update();
}

void TZqSpeedButton::SetHighlighted(bool on) {
    if (highlighted_ == on) return;
    highlighted_ = on;
    if (!reallyInside_ && !ThemesActive()) update();
}

void TZqSpeedButton::SetHighlightedXP(bool on) {
    if (highlightedXP_ == on) return;
    highlightedXP_ = on;
    if (!reallyInside_ && ThemesActive()) update();
}

void TZqSpeedButton::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void TZqSpeedButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
    update();
}

void TZqSpeedButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    setCheckable(index > 0);
}

void TZqSpeedButton::nextCheckState() {
    if (groupIndex_ <= 0) return QToolButton::nextCheckState();
    setChecked(true);
    if (parentWidget() == nullptr) return;
    for (auto* sibling : parentWidget()->findChildren<TZqSpeedButton*>(Qt::FindDirectChildrenOnly))
        if (sibling != this && sibling->groupIndex_ == groupIndex_) sibling->setChecked(false);
}

TZqColorTheme& TZqSpeedButton::ColorTheme() { return ownTheme_ ? *ownTheme_ : TZqColorTheme::Common(); }

void TZqSpeedButton::SetCommonColorTheme(bool common) {
    if (common == CommonColorTheme()) return;
    if (common) {
        ownTheme_.reset();
    } else {
        ownTheme_ = std::make_unique<TZqColorTheme>();
        ownTheme_->Assign(TZqColorTheme::Common());
    }
    update();
}

void TZqSpeedButton::SetKeyboardPressed(bool pressed) {
    if (keyboardPressed_ == pressed) return;
    keyboardPressed_ = pressed;
    update();
}

TButtonState TZqSpeedButton::PaintState() const {
    if (!isEnabled()) return bsDisabled;
    const bool inGroup = groupIndex_ > 0;
    if (shownDisabled_) return isChecked() && inGroup ? bsExclusive : bsUp;
    TButtonState state = bsUp;
    if (isDown()) state = bsDown;
    else if (isChecked() && inGroup) state = bsExclusive;
    if (state == bsUp && keyboardPressed_) state = bsDown;
    return state;
}

bool TZqSpeedButton::PaintHot() const {
    return reallyInside_ || (highlighted_ && !ThemesActive()) || (highlightedXP_ && ThemesActive());
}

bool TZqSpeedButton::event(QEvent* e) {
    if (OnWndProc) {
        bool handled = false;
        OnWndProc(this, e, handled);
        if (handled) return true;
    }
    if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
        const bool inside = e->type() == QEvent::Enter;
        if (inside != reallyInside_) {
            reallyInside_ = inside;
            if (style_ != ZqsbStandard) update();
        }
        const auto& handler = inside ? OnMouseEnter : OnMouseLeave;
        if (handler) handler(this);
    }
    return QToolButton::event(e);
}

void TZqSpeedButton::paintEvent(QPaintEvent*) {
    if (painting_) return;
    painting_ = true;
    state_ = PaintState();
    mouseIn_ = PaintHot();
    if (OnPaint)
        OnPaint(this, [this] { StandardPainting(); }, state_, mouseIn_, reallyInside_);
    else
        StandardPainting();
    shownDisabled_ = !isEnabled();
    painting_ = false;
}

void TZqSpeedButton::StandardPainting() {
    if ((ThemesActive() && !styledOnXP_) || style_ == ZqsbStandard)
        ToolkitPainting();
    else
        StyledPainting();
}

void TZqSpeedButton::ToolkitPainting() {
    QStylePainter p(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    opt.state &= ~(QStyle::State_Sunken | QStyle::State_On | QStyle::State_MouseOver | QStyle::State_Raised |
                   QStyle::State_Enabled);
    if (state_ != bsDisabled) opt.state |= QStyle::State_Enabled;
    if (state_ == bsDown) opt.state |= QStyle::State_Sunken;
    if (state_ == bsExclusive) opt.state |= QStyle::State_On;
    if (state_ == bsUp) opt.state |= QStyle::State_Raised;
    if (mouseIn_ && state_ != bsDisabled) opt.state |= QStyle::State_MouseOver;
    if (text().isEmpty()) opt.toolButtonStyle = Qt::ToolButtonIconOnly;
    p.drawComplexControl(QStyle::CC_ToolButton, opt);
}

void TZqSpeedButton::PaintGlyphAndCaption(QPainter& p, bool offsetWhenDown) {
    const QString caption = text();
    const int gap = glyph_.isNull() || caption.isEmpty() ? 0 : 4;
    const int textWidth = caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption);
    const int total = glyph_.width() + gap + textWidth;
    int x = (width() - total) / 2, y = (height() - glyph_.height()) / 2;
    if (offsetWhenDown && (state_ == bsDown || state_ == bsExclusive)) {
        ++x;
        ++y;
    }
    if (!glyph_.isNull()) {
        if (state_ == bsDisabled) {
            DrawMonochrome(p, glyph_, Sys(SysColor::ButtonHighlight), x + 1, y + 1);
            DrawMonochrome(p, glyph_, Sys(SysColor::ButtonShadow), x, y);
        } else {
            p.drawPixmap(x, y, glyph_);
        }
    }
    if (!caption.isEmpty()) {
        p.setPen(ToQColor(Sys(state_ == bsDisabled ? SysColor::GrayText : SysColor::ButtonText)));
        const QRect textRect(x + glyph_.width() + gap, 0, textWidth + 1, height());
        p.drawText(textRect.translated(0, offsetWhenDown && state_ >= bsDown ? 1 : 0), Qt::AlignVCenter, caption);
    }
}

void TZqSpeedButton::StyledPainting() {
    QPainter p(this);
    if (style_ == ZqsbOffice) return PaintOffice(p);
    const int w = width(), h = height();
    const bool hot = mouseIn_, pressed = state_ == bsDown || state_ == bsExclusive;
    const ColorValue background = Sys(hot || pressed ? SysColor::ButtonHighlight : SysColor::ButtonFace);
    const auto half = ColorValue(BlendSysColors(Sys(SysColor::ButtonHighlight), Sys(SysColor::ButtonFace), 128));
    const ColorValue shadow = Sys(SysColor::ButtonShadow);
    const QRect outer(0, 0, w, h), inner(1, 1, w - 2, h - 2);
    const bool bigEnough = w > 2 && h > 2;
    if (!(transparent_ && !hot && !pressed)) p.fillRect(outer, ToQColor(background));
    if (style_ == ZqsbBright && !hot && !pressed) return PaintGlyphAndCaption(p, true);
    const ColorValue innerColor = style_ == ZqsbBrightFrame1 ? shadow : half;
    const ColorValue outerColor = style_ == ZqsbBrightFrame2 ? shadow : half;
    if (bigEnough) Frame(p, inner, innerColor);
    PaintGlyphAndCaption(p, true);
    Frame(p, outer, outerColor);
}

void TZqSpeedButton::PaintOffice(QPainter& p) {
    const int w = width(), h = height();
    const bool pressed = state_ == bsDown || state_ == bsExclusive;
    const QPoint at((w - glyph_.width()) / 2, (h - glyph_.height()) / 2);
    TZqColorTheme& theme = ColorTheme();
    auto rgb = [&](TZqColorTheme::Slot slot) { return ColorValue(theme.Rgb(slot)); };
    const ColorValue button = ColorValue(ColorToRgb(theme.Get(TZqColorTheme::ButtonColor)));
    if (state_ == bsDisabled) {
        p.fillRect(rect(), ToQColor(button));
        if (glyph_.isNull()) return;
        DrawMonochrome(p, glyph_, Sys(SysColor::ButtonHighlight), at.x(), at.y() + 1);
        DrawMonochrome(p, glyph_, Sys(SysColor::ButtonShadow), at.x(), at.y());
        return;
    }
    if (pressed) {
        const ColorValue checked = rgb(TZqColorTheme::CheckedButtonColor);
        p.fillRect(rect(), ToQColor(checked));
        Frame(p, rect(), rgb(TZqColorTheme::SelBorderColor));
        if (h > 9) {
            FillGradient(p, QRect(1, 1, w - 2, 4), rgb(TZqColorTheme::LightColor), checked);
            FillGradient(p, QRect(1, h - 5, w - 2, 4), checked, rgb(TZqColorTheme::DarkColor));
        } else {
            const int middle = h / 2;
            FillGradient(p, QRect(1, 1, w - 2, middle - 1), rgb(TZqColorTheme::LightColor), checked);
            FillGradient(p, QRect(1, middle, w - 2, h - 1 - middle), checked, rgb(TZqColorTheme::DarkColor));
        }
        Corners(p, w, h, button);
    } else if (mouseIn_) {
        FillGradient(p, QRect(1, 1, w - 2, h - 2), rgb(TZqColorTheme::SelButtonColor1),
                     rgb(TZqColorTheme::SelButtonColor2));
        if (!glyph_.isNull()) {
            DrawPictureMask(p, glyph_, rgb(TZqColorTheme::RaisedColor1), at.x(), at.y());
            DrawPictureMask(p, glyph_, rgb(TZqColorTheme::RaisedColor2), at.x() + 1, at.y() + 1);
        }
        Frame(p, rect(), rgb(TZqColorTheme::SelBorderColor));
        Corners(p, w, h, button);
    } else if (!transparent_) {
        p.fillRect(rect(), ToQColor(button));
    }
    if (!glyph_.isNull()) p.drawPixmap(at, glyph_);
    else PaintGlyphAndCaption(p, false);
}

}  // namespace vok
