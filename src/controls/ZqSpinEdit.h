#pragma once
// An integer entry field with an up/down arrow pair at its right edge; values in any base
// from 2 to 36 or as $-hexadecimal, optionally with grouped digits.
#include <QLineEdit>
#include <functional>

#include "controls/ZqSpinButton.h"

namespace vok {

class TZqSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TZqSpinEdit(QWidget* parent = nullptr);

    // Reading parses the text: the clamped result, or the current value when the text
    // does not parse. Writing clamps and shows the value.
    int Value() const;
    void SetValue(int value);
    // The limits hold only while MinValue < MaxValue.
    int MinValue() const { return min_; }
    void SetMinValue(int value);
    int MaxValue() const { return max_; }
    void SetMaxValue(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }
    // 0 decimal, 1 hexadecimal after a '$', 2 to 36 that base; other values are ignored.
    int Base() const { return base_; }
    void SetBase(int base);
    bool Thousands() const { return thousands_; }
    void SetThousands(bool on);
    // 0: the locale's separator. '-' and digits of the base are refused.
    char ThousandsSeparator() const { return separator_; }
    void SetThousandsSeparator(char separator);
    // The grouping character in use.
    char GroupCharacter() const;
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool on);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    TZqSpinButton* Button() const { return button_; }

    // Steps by count increments; fromArrows fires OnUpClick/OnDownClick.
    void StepUp(int count = 1, bool fromArrows = false);
    void StepDown(int count = 1, bool fromArrows = false);

    // After a committed change of the value.
    std::function<void(TZqSpinEdit*)> OnChanged;
    // After a step made with the arrows by mouse.
    std::function<void(TZqSpinEdit*)> OnUpClick, OnDownClick;
    // The platform beep; tests count it.
    std::function<void()> Beep;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    int Clamp(long long value) const;
    int ParseBase() const;
    void Step(bool up, int count, bool fromArrows);
    void Commit();
    bool AcceptsCharacter(QChar c) const;
    bool SeparatorFits(char separator) const;
    void Reshow(const std::function<void()>& change);

    TZqSpinButton* button_;
    int min_ = 0, max_ = 0, increment_ = 1, base_ = 0;
    bool thousands_ = false, editorEnabled_ = true, autoSelect_ = true;
    char separator_ = 0;
    int current_ = 0, committed_ = 0;
};

}  // namespace vok
