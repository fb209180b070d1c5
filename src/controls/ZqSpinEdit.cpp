#include "controls/ZqSpinEdit.h"

#include <QKeyEvent>
#include <QToolButton>
#include <climits>

#include "support/ZqStrUtils.h"

namespace vok {

TZqSpinButton::TZqSpinButton(QWidget* parent) : QWidget(parent) {
    up_ = new QToolButton(this);
    up_->setObjectName("UpButton");
    up_->setArrowType(Qt::UpArrow);
    up_->setAutoRepeat(true);
    up_->setAutoRepeatDelay(400);
    up_->setAutoRepeatInterval(100);
    up_->setFocusPolicy(Qt::NoFocus);
    down_ = new QToolButton(this);
    down_->setObjectName("DownButton");
    down_->setArrowType(Qt::DownArrow);
    down_->setAutoRepeat(true);
    down_->setAutoRepeatDelay(400);
    down_->setAutoRepeatInterval(100);
    down_->setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { if (OnUpClick) OnUpClick(1); });
    connect(down_, &QToolButton::clicked, this, [this] { if (OnDownClick) OnDownClick(1); });
    resize(20, 25);
}

void TZqSpinButton::resizeEvent(QResizeEvent*) {
    const int upHeight = (height() + 1) / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

TZqSpinEdit::TZqSpinEdit(QWidget* parent) : QLineEdit(parent) {
    button_ = new TZqSpinButton(this);
    button_->setObjectName("Button");
    button_->OnUpClick = [this](int count) { StepUp(count); };
    button_->OnDownClick = [this](int count) { StepDown(count); };
    setTextMargins(0, 0, 15, 0);
    setText("0");
}

int TZqSpinEdit::Clamp(long long value) const {
    if (min_ < max_) {
        if (value < min_) value = min_;
        if (value > max_) value = max_;
    }
    if (value < INT_MIN) value = INT_MIN;
    if (value > INT_MAX) value = INT_MAX;
    return int(value);
}

int TZqSpinEdit::Value() const {
    std::int32_t parsed = 0;
    if (!TryTextToInt(text().toStdString(), parsed)) return current_;
    return Clamp(parsed);
}

void TZqSpinEdit::SetValue(int value) {
    committed_ = current_;
    current_ = Clamp(value);
    setText(QString::number(current_));
}

void TZqSpinEdit::SetMinValue(int value) {
    min_ = value;
    SetValue(Value());
}

void TZqSpinEdit::SetMaxValue(int value) {
    max_ = value;
    SetValue(Value());
}

void TZqSpinEdit::Step(long long delta) {
    if (isReadOnly()) return;
    SetValue(Clamp((long long)Value() + delta));
    Commit();
}

void TZqSpinEdit::StepUp(int count) { Step((long long)count * increment_); }
void TZqSpinEdit::StepDown(int count) { Step(-(long long)count * increment_); }

void TZqSpinEdit::Commit() {
    if (current_ != committed_ && OnChanged) OnChanged(this);
    committed_ = current_;
}

void TZqSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: StepUp(); return;
    case Qt::Key_Down: StepDown(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SetValue(Value());
        selectAll();
        Commit();
        return;
    default: QLineEdit::keyPressEvent(event);
    }
}

void TZqSpinEdit::focusOutEvent(QFocusEvent* event) {
    SetValue(Value());
    Commit();
    QLineEdit::focusOutEvent(event);
}

void TZqSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    button_->setGeometry(width() - 15, 0, 15, height());
}

}  // namespace vok
