#include "controls/ZqSpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QInputMethodEvent>
#include <QStyle>
#include <climits>

#include "support/ZqStrUtils.h"

namespace vok {
namespace {

constexpr int kButtonWidth = 15;

bool IsDigitOf(char c, int base) { return DigitValue(c, base) >= 0; }

// Keys that move the cursor, select or copy: all a field that cannot be edited still takes.
bool MovesOrCopies(QKeyEvent* event) {
    static const QKeySequence::StandardKey kKeys[] = {
        QKeySequence::Copy,           QKeySequence::SelectAll,           QKeySequence::MoveToNextChar,
        QKeySequence::MoveToPreviousChar, QKeySequence::MoveToNextWord,  QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToStartOfLine,  QKeySequence::MoveToEndOfLine, QKeySequence::MoveToStartOfBlock,
        QKeySequence::MoveToEndOfBlock,   QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar,     QKeySequence::SelectPreviousChar,    QKeySequence::SelectNextWord,
        QKeySequence::SelectPreviousWord, QKeySequence::SelectStartOfLine,     QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock, QKeySequence::SelectEndOfBlock,      QKeySequence::SelectStartOfDocument,
        QKeySequence::SelectEndOfDocument, QKeySequence::Deselect};
    for (const QKeySequence::StandardKey key : kKeys)
        if (event->matches(key)) return true;
    // Escape, Tab and keys without text or Ctrl (Shift alone, F-keys) edit nothing.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab) return true;
    return event->text().isEmpty() && key != Qt::Key_Delete && key != Qt::Key_Backspace &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier));
}

}  // namespace

TZqSpinEdit::TZqSpinEdit(QWidget* parent) : QLineEdit(parent) {
    button_ = new TZqSpinButton(this);
    button_->setObjectName("Button");
    button_->SetFocusControl(this);
    button_->OnUpClick = [this](TZqSpinButton*, int count) { StepUp(count, true); };
    button_->OnDownClick = [this](TZqSpinButton*, int count) { StepDown(count, true); };
    Beep = [] { QApplication::beep(); };
    setTextMargins(0, 0, kButtonWidth, 0);
    setText("0");
}

char TZqSpinEdit::GroupCharacter() const {
    if (separator_ != 0) return separator_;
    const QString locale = QLocale().groupSeparator();
    return locale.size() == 1 && locale[0].unicode() < 0x80 ? char(locale[0].unicode()) : ',';
}

int TZqSpinEdit::Clamp(long long value) const {
    if (min_ < max_) value = std::clamp<long long>(value, min_, max_);
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int TZqSpinEdit::ParseBase() const { return base_ >= 2 ? base_ : 10; }

int TZqSpinEdit::Value() const {
    int code = 0;
    const std::string text = this->text().toStdString();
    const std::int32_t parsed = StrToIntBase(text, ParseBase(), thousands_ ? GroupCharacter() : 0, false, false, &code);
    // No digits reads as 0 and overflow saturates; anything left over keeps the value.
    return code <= 2 ? Clamp(parsed) : current_;
}

void TZqSpinEdit::SetValue(int value) {
    committed_ = current_;
    current_ = Clamp(value);
    const int base = base_ == 0 ? 10 : base_ == 1 ? 16 : base_;
    std::string digits = IntToStrBase(current_, base, thousands_ ? GroupCharacter() : 0);
    // The '$' goes after a minus sign, where the reader expects it.
    if (base_ == 1) digits = current_ < 0 ? "-$" + digits.substr(1) : "$" + digits;
    setText(QString::fromStdString(digits));
}

void TZqSpinEdit::SetMinValue(int value) {
    min_ = value;
    SetValue(Value());
}

void TZqSpinEdit::SetMaxValue(int value) {
    max_ = value;
    SetValue(Value());
}

void TZqSpinEdit::Reshow(const std::function<void()>& change) {
    const int value = Value();
    change();
    SetValue(value);
}

void TZqSpinEdit::SetBase(int base) {
    if (base < 0 || base > 36 || base == base_) return;
    Reshow([&] {
        base_ = base;
        if (!SeparatorFits(separator_)) separator_ = 0;
    });
}

void TZqSpinEdit::SetThousands(bool on) {
    if (on == thousands_) return;
    Reshow([&] { thousands_ = on; });
}

bool TZqSpinEdit::SeparatorFits(char separator) const {
    return separator != '-' && !IsDigitOf(separator, base_ >= 2 ? base_ : 16);
}

void TZqSpinEdit::SetThousandsSeparator(char separator) {
    if (!SeparatorFits(separator) || separator == separator_) return;
    Reshow([&] { separator_ = separator; });
}

void TZqSpinEdit::SetEditorEnabled(bool on) {
    editorEnabled_ = on;
    setAcceptDrops(on);
}

void TZqSpinEdit::Step(bool up, int count, bool fromArrows) {
    if (isReadOnly()) {
        if (Beep) Beep();
    } else {
        const long long delta = (long long)count * increment_;
        const long long next = (long long)Value() + (up ? delta : -delta);
        SetValue(int(std::clamp<long long>(next, INT_MIN, INT_MAX)));
    }
    if (fromArrows) {
        const auto& handler = up ? OnUpClick : OnDownClick;
        if (handler) handler(this);
    }
    if (!isReadOnly()) Commit();
}

void TZqSpinEdit::StepUp(int count, bool fromArrows) { Step(true, count, fromArrows); }
void TZqSpinEdit::StepDown(int count, bool fromArrows) { Step(false, count, fromArrows); }

void TZqSpinEdit::Commit() {
    if (current_ != committed_ && OnChanged) OnChanged(this);
    committed_ = current_;
}

bool TZqSpinEdit::AcceptsCharacter(QChar c) const {
    const char16_t u = c.unicode();
    const bool control = u < 0x20 || u == 0x7F;
    if (!editorEnabled_ && (!control || u == '\b' || u == 0x7F)) return false;
    if (control) return u != '\r';
    if (u >= 0x80) return false;
    const char a = char(u);
    if (thousands_ && a == GroupCharacter()) return true;
    if (a == '+' || a == '-') return true;
    if (IsDigitOf(a, base_ >= 2 ? base_ : 16)) return true;
    // '$' starts a hexadecimal number; the $-hexadecimal display must be typeable too.
    return a == '$' && base_ <= 1;
}

void TZqSpinEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        TZqSpeedButton* arrow = key == Qt::Key_Up ? button_->UpButton() : button_->DownButton();
        if (!isReadOnly()) arrow->SetKeyboardPressed(true);
        Step(key == Qt::Key_Up, 1, false);
        event->accept();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        SetValue(Value());
        selectAll();
        Commit();
        return;
    }
    if (event->matches(QKeySequence::Paste) && (!editorEnabled_ || isReadOnly())) return;
    if (event->matches(QKeySequence::Cut) && (!editorEnabled_ || isReadOnly())) return copy();
    if (!editorEnabled_ && !MovesOrCopies(event)) {
        // Only stepping changes the text now: every editing key (deletes, undo, redo,
        // the line-edit shortcuts such as Ctrl+K) is refused.
        if (Beep) Beep();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && !(event->modifiers() & Qt::ControlModifier)) {
        for (QChar c : typed) {
            if (!AcceptsCharacter(c)) {
                if (Beep) Beep();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TZqSpinEdit::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) button_->UpButton()->SetKeyboardPressed(false);
    if (event->key() == Qt::Key_Down) button_->DownButton()->SetKeyboardPressed(false);
    QLineEdit::keyReleaseEvent(event);
}

void TZqSpinEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::MouseFocusReason) return;
    if (autoSelect_) selectAll();
    else deselect();
}

void TZqSpinEdit::focusOutEvent(QFocusEvent* event) {
    button_->UpButton()->SetKeyboardPressed(false);
    button_->DownButton()->SetKeyboardPressed(false);
    // A context menu opening over the field does not leave it: the text stays as typed.
    if (event->reason() != Qt::PopupFocusReason) {
        SetValue(Value());
        Commit();
    }
    QLineEdit::focusOutEvent(event);
}

void TZqSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on some desktops.
    if (event->button() == Qt::MiddleButton && (!editorEnabled_ || isReadOnly())) return event->accept();
    QLineEdit::mouseReleaseEvent(event);
}

void TZqSpinEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!editorEnabled_) return event->ignore();
    QLineEdit::inputMethodEvent(event);
}

void TZqSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    // Inside the edit's border, over its full client height.
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    button_->setGeometry(width() - kButtonWidth - frame, frame, kButtonWidth, height() - 2 * frame);
    setTextMargins(0, 0, button_->isVisible() || !isVisible() ? kButtonWidth : 0, 0);
}

void TZqSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (!editorEnabled_ || isReadOnly()) {
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name == "edit-paste" || name == "edit-delete" || name == "edit-undo" || name == "edit-redo")
                action->setEnabled(false);
            if (action->objectName() == "edit-cut") {
                action->disconnect();
                connect(action, &QAction::triggered, this, &QLineEdit::copy);
            }
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace vok
