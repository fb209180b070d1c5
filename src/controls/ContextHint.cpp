#include "controls/ContextHint.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <climits>

#include "controls/ControlHint.h"
#include "controls/ZqSimpleHintWindow.h"

namespace vok {
namespace {

constexpr int kHintHidePause = 2500;
constexpr int kFadeTime = 200;
// The system's cursor height: the offset when the cursor's picture cannot be read.
constexpr int kSystemCursorHeight = 32;

// Closes the context hint on the next click or key anywhere in the program, and when
// another window takes the activation from it.
class HintCloser : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

struct ContextHintState {
    QPointer<TZqSimpleHintWindow> window;
    QTimer hideTimer;
    bool mouseTransparent = false;
    bool activate = false;
    QPointer<QWidget> giveBack;  // the window active before the hint took the keyboard
    HintCloser closer;
};

ContextHintState& State() {
    static ContextHintState* state = [] {
        auto* s = new ContextHintState;
        s->hideTimer.setSingleShot(true);
        QObject::connect(&s->hideTimer, &QTimer::timeout, [] { HideHint(true); });
        return s;
    }();
    return *state;
}

TZqSimpleHintWindow* EnsureHintWindow() {
    ContextHintState& state = State();
    if (!state.window) state.window = new TZqSimpleHintWindow(true);
    return state.window;
}

void CloseAndGiveBack() {
    QPointer<QWidget> back = State().giveBack;
    HideHint(false);
    if (back && back->isVisible()) back->activateWindow();
}

bool HintCloser::eventFilter(QObject* watched, QEvent* event) {
    ContextHintState& state = State();
    if (!state.window || !state.window->isVisible()) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        CloseAndGiveBack();
        return false;
    case QEvent::ShortcutOverride:
        // The key belongs to the hint: no shortcut of a window may take it.
        event->accept();
        return true;
    case QEvent::KeyPress:
        // The key only closes the hint.
        CloseAndGiveBack();
        return true;
    case QEvent::WindowDeactivate:
        if (watched == state.window && state.activate) HideHint(false);
        return false;
    default: return false;
    }
}

QRect ScreenRect() {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Tool-tips: shown by the hint window where the mouse rests, gone after the hide pause.
class ToolTips : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ToolTip: return Show(qobject_cast<QWidget*>(watched));
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::WindowDeactivate: Hide(); return false;
        default: return false;
        }
    }

private:
    bool Show(QWidget* widget) {
        if (!widget) return false;
        const QString text = widget->toolTip();
        // Without a tip of its own the control lets its parent answer.
        if (text.isEmpty()) return false;
        if (!window_) window_ = new TZqSimpleHintWindow(false);
        QRect rect = window_->CalcHintRect(ScreenRect().width(), text);
        const QPoint cursor = QCursor::pos();
        rect.translate(cursor.x(), cursor.y() + CursorHeightBelowHotspot() + 1);
        window_->ActivateHint(rect, text);
        timer_.start(kHintHidePause);
        return true;
    }
    void Hide() {
        if (window_) window_->hide();
    }

    QPointer<TZqSimpleHintWindow> window_;
    QTimer timer_{this};

public:
    ToolTips() {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { Hide(); });
    }
};

}  // namespace

bool ShowContextHint(QWidget* control, const QString& text) {
    const QString shown = LongHint(text.isEmpty() && control ? Hint(control) : text);
    if (shown.isEmpty()) return false;
    TZqSimpleHintWindow* window = EnsureHintWindow();
    QRect rect = window->CalcHintRect(ScreenRect().width(), shown);
    const QPoint cursor = QCursor::pos();
    rect.translate(cursor.x() - rect.width() / 2 + 10, cursor.y() + CursorHeightBelowHotspot() + 1);
    ShowHintRect(shown, rect, INT_MAX, false, true);
    return true;
}

void ShowHintAt(const QString& text, QPoint point, int timeout, bool mouseTransparent, bool activate) {
    QRect rect = EnsureHintWindow()->CalcHintRect(ScreenRect().width(), text);
    rect.translate(point);
    ShowHintRect(text, rect, timeout, mouseTransparent, activate);
}

void ShowHintRect(const QString& text, QRect rect, int timeout, bool mouseTransparent, bool activate) {
    ContextHintState& state = State();
    if (timeout <= 0) timeout = kHintHidePause;
    TZqSimpleHintWindow* window = EnsureHintWindow();
    state.mouseTransparent = mouseTransparent;
    state.activate = activate;
    state.giveBack = nullptr;
    // Over a modal window the hint belongs to it: a window that the modal one blocks gets
    // no clicks, and the click that closes the hint would be lost.
    if (QWidget* owner = QApplication::activeModalWidget(); window->parentWidget() != owner)
        window->setParent(owner, window->windowFlags());
    window->setAttribute(Qt::WA_TransparentForMouseEvents, mouseTransparent);
    window->setWindowOpacity(1.0);
    if (activate) {
        QWidget* active = QApplication::activeWindow();
        if (active != window) state.giveBack = active;
    }
    window->ActivateHint(rect, text);
    qApp->removeEventFilter(&state.closer);
    qApp->installEventFilter(&state.closer);
    state.hideTimer.start(timeout);
    if (activate) {
        window->raise();
        window->activateWindow();
    }
}

void HideHint(bool fade) {
    ContextHintState& state = State();
    state.hideTimer.stop();
    qApp->removeEventFilter(&state.closer);
    state.giveBack = nullptr;
    TZqSimpleHintWindow* window = state.window;
    if (!window || !window->isVisible()) return;
    if (!fade) {
        window->hide();
        return;
    }
    auto* animation = new QPropertyAnimation(window, "windowOpacity", window);
    animation->setDuration(kFadeTime);
    animation->setStartValue(1.0);
    animation->setEndValue(0.0);
    QObject::connect(animation, &QPropertyAnimation::finished, window, [window] {
        window->hide();
        window->setWindowOpacity(1.0);
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

TZqSimpleHintWindow* ContextHintWindow() { return State().window; }

int VisibleHeight(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = argb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 0) return y + 1;
    }
    return 0;
}

int CursorHeightBelowHotspot() {
    QCursor cursor;
    if (const QCursor* forced = QGuiApplication::overrideCursor()) cursor = *forced;
    else if (const QWidget* under = QApplication::widgetAt(QCursor::pos())) cursor = under->cursor();
    switch (cursor.shape()) {
    case Qt::BitmapCursor: {
        const QImage image = cursor.pixmap().toImage();
        if (image.isNull()) return kSystemCursorHeight;
        // A pixmap cursor's hot spot counts in its device-independent pixels.
        const qreal ratio = cursor.pixmap().devicePixelRatio();
        return int(VisibleHeight(image) / ratio) - cursor.hotSpot().y();
    }
    // The arrow's tip is its hot spot; the other shapes are centred on theirs.
    case Qt::ArrowCursor: return 19;
    case Qt::IBeamCursor:
    case Qt::CrossCursor: return 9;
    default: return kSystemCursorHeight;
    }
}

void InstallHintWindow() {
    static ToolTips* toolTips = nullptr;
    if (!toolTips) {
        toolTips = new ToolTips;
        qApp->installEventFilter(toolTips);
    }
    // Made now, the first right click does not wait for the window to be built.
    EnsureHintWindow()->winId();
}

}  // namespace vok
