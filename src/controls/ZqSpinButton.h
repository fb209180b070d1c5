#pragma once
// An up/down arrow pair whose held arrow repeats faster the farther the mouse is dragged
// beyond it.
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "controls/RepeatTimer.h"
#include "controls/ZqSpeedButton.h"

namespace vok {

class TZqSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TZqSpinButton(QWidget* parent = nullptr);
    ~TZqSpinButton() override;

    TZqSpeedButton* UpButton() const { return up_; }
    TZqSpeedButton* DownButton() const { return down_; }
    // An empty picture means the built-in arrow.
    QPixmap UpGlyph() const { return upGlyph_; }
    void SetUpGlyph(const QPixmap& glyph);
    QPixmap DownGlyph() const { return downGlyph_; }
    void SetDownGlyph(const QPixmap& glyph);
    int UpNumGlyphs = 0, DownNumGlyphs = 0;

    TZqSpeedButtonStyle Style() const { return style_; }
    void SetStyle(TZqSpeedButtonStyle style);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool FlatHighlighted() const { return flatHighlighted_; }
    void SetFlatHighlighted(bool on);
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control) { focusControl_ = control; }

    int InitRepeatPause = 400;
    int RepeatPause = 100;
    // Pixels of drag distance per speed step; 0 turns the acceleration off.
    int SpinFactor = 15;
    // (sender, count): a step of count.
    std::function<void(TZqSpinButton*, int)> OnUpClick, OnDownClick;

    // Where the mouse is (global) and whether its left button is down, read on every tick.
    std::function<QPoint()> CursorPos;
    std::function<bool()> LeftButtonDown;
    IRepeatTimer& Timer() { return *timer_; }
    void SetTimer(std::unique_ptr<IRepeatTimer> timer);
    // The arrow the mouse holds, or none.
    TZqSpeedButton* HeldArrow() const { return held_; }
    TZqSpeedButton* MarkedArrow() const { return marked_; }
    // The arrow layout depends on the style and the themes.
    void LayoutArrows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TZqSpeedButton* MakeArrow(const char* name);
    void ApplyLook();
    void PaintArrow(TZqSpeedButton* arrow, const TZqSpeedButton::StandardPaint& paint, TButtonState& state,
                    bool& mouseIn);
    void Press(TZqSpeedButton* arrow);
    void Release();
    void Tick();
    void Fire(TZqSpeedButton* arrow, int count);
    void SetMarked(TZqSpeedButton* arrow);

    TZqSpeedButton* up_;
    TZqSpeedButton* down_;
    TZqSpeedButton* held_ = nullptr;
    TZqSpeedButton* marked_;
    QPixmap upGlyph_, downGlyph_;
    TZqSpeedButtonStyle style_ = ZqsbStandard;
    bool flat_ = false, flatHighlighted_ = false;
    QPointer<QWidget> focusControl_;
    std::unique_ptr<IRepeatTimer> timer_;
};

// The built-in arrows: small black triangles on white, white being transparent.
QPixmap SpinArrowGlyph(bool up);

}  // namespace vok
