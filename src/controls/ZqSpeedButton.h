#pragma once
// A flat tool button with a glyph and caption, four extra painting styles, a forced hot
// look and a paint event that can wrap the default painting.
#include <QPixmap>
#include <QToolButton>
#include <functional>
#include <memory>

#include "pictures/ZqColorTheme.h"

namespace vok {

enum TZqSpeedButtonStyle { ZqsbStandard, ZqsbBright, ZqsbBrightFrame1, ZqsbBrightFrame2, ZqsbOffice };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TZqSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TZqSpeedButton(QWidget* parent = nullptr);
    ~TZqSpeedButton() override;

    // Whether the platform's visual themes are on; the classic look when off.
    static bool ThemesActive();
    static void SetThemesActive(bool active);

    TZqSpeedButtonStyle Style() const { return style_; }
    void SetStyle(TZqSpeedButtonStyle style);
    bool StyledOnXP() const { return styledOnXP_; }
    void SetStyledOnXP(bool on);
    bool Highlighted() const { return highlighted_; }
    void SetHighlighted(bool on);
    bool HighlightedXP() const { return highlightedXP_; }
    void SetHighlightedXP(bool on);
    bool Flat() const { return autoRaise(); }
    void SetFlat(bool flat) { setAutoRaise(flat); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);

    QPixmap Glyph() const { return glyph_; }
    void SetGlyph(const QPixmap& glyph);
    // Buttons of one group index above 0 (siblings) stay down one at a time.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return isChecked(); }
    void SetDown(bool down) { setChecked(down); }

    TZqColorTheme& ColorTheme();
    void SetColorTheme(const TZqColorTheme& theme) { ColorTheme().Assign(theme); update(); }
    bool CommonColorTheme() const { return !ownTheme_; }
    void SetCommonColorTheme(bool common);

    // Set by the spin button: shows the button pressed while a key (or a held drag) lasts.
    bool KeyboardPressed() const { return keyboardPressed_; }
    void SetKeyboardPressed(bool pressed);
    bool MouseReallyInControl() const { return reallyInside_; }

    using StandardPaint = std::function<void()>;
    // (sender, standard painting, state, mouse in control, mouse really in control)
    std::function<void(TZqSpeedButton*, const StandardPaint&, TButtonState&, bool&, bool)> OnPaint;
    // Offered every event first; setting handled skips the button's own handling.
    std::function<void(TZqSpeedButton*, QEvent*, bool& handled)> OnWndProc;
    std::function<void(TZqSpeedButton*)> OnMouseEnter, OnMouseLeave;

    // The state and hot look that the painting uses now.
    TButtonState PaintState() const;
    bool PaintHot() const;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void nextCheckState() override;

private:
    void StandardPainting();
    void ToolkitPainting();
    void StyledPainting();
    void PaintOffice(QPainter& p);
    void PaintGlyphAndCaption(QPainter& p, bool offsetWhenDown);

    TZqSpeedButtonStyle style_ = ZqsbStandard;
    bool styledOnXP_ = false, highlighted_ = false, highlightedXP_ = false, transparent_ = false;
    bool reallyInside_ = false, keyboardPressed_ = false, painting_ = false, shownDisabled_ = false;
    int groupIndex_ = 0;
    QPixmap glyph_;
    std::unique_ptr<TZqColorTheme> ownTheme_;
    // The values the painting works with, set for the time of one painting.
    TButtonState state_ = bsUp;
    bool mouseIn_ = false;
};

}  // namespace vok
