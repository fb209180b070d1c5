#pragma once
// An integer entry field with an up/down arrow pair at its right edge.
#include <QLineEdit>
#include <functional>

class QToolButton;

namespace vok {

// The arrow pair.
class TZqSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TZqSpinButton(QWidget* parent = nullptr);
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }
    // (count): a step of count increments.
    std::function<void(int)> OnUpClick, OnDownClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

class TZqSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TZqSpinEdit(QWidget* parent = nullptr);

    // Reading parses the text: the clamped result, or the current value when the text
    // does not parse. Writing clamps and shows the value.
    int Value() const;
    void SetValue(int value);
    int MinValue() const { return min_; }
    void SetMinValue(int value);
    int MaxValue() const { return max_; }
    void SetMaxValue(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }
    TZqSpinButton* Button() const { return button_; }

    void StepUp(int count = 1);
    void StepDown(int count = 1);

    // After a committed change of the value.
    std::function<void(TZqSpinEdit*)> OnChanged;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int Clamp(long long value) const;
    void Step(long long delta);
    void Commit();

    TZqSpinButton* button_;
    int min_ = 0, max_ = 0, increment_ = 1;
    int current_ = 0, committed_ = 0;
};

}  // namespace vok
