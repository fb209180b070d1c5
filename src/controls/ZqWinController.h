#pragma once
// Lets a window handle the events of another control (or of itself) before that
// control does, without subclassing it. Several controllers may hook one control;
// each is offered the event in priority order and may pass it on, keep it from the
// control, or run the rest of the chain itself and look at the result.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QEvent;

namespace vok {

class TWindowHookChain;
struct TWindowHook;

// Runs the rest of the chain (the following hooks, then the control itself);
// returns what the control's own handling returned.
using TZqNextWndProc = std::function<bool()>;

class TZqWinController : public QObject {
    Q_OBJECT
public:
    // (Sender, Msg, Handled, NextWndProc): leave Handled false to let the event go on;
    // set it to keep the event from the control (after running NextWndProc yourself if
    // you want the control to see it first).
    using TZqWndProcEvent =
        std::function<void(TZqWinController* sender, QEvent* msg, bool& handled, const TZqNextWndProc& next)>;

    explicit TZqWinController(QObject* owner = nullptr);
    ~TZqWinController() override;

    QObject* Control() const { return control_; }
    void SetControl(QObject* control);
    bool Active() const { return active_; }
    void SetActive(bool active);
    int Priority() const { return priority_; }
    void SetPriority(int priority);
    bool Hooked() const { return hook_ != nullptr; }

    TZqWndProcEvent OnWndProc;

protected:
    // True when the controller should hook its control.
    virtual bool IsActive() const;
    // Called after the hook is gone.
    virtual void Unhooked() {}
    // Offers the event to OnWndProc; returns true when the event must not reach the control.
    virtual void WndProc(QEvent* msg, bool& handled, const TZqNextWndProc& next);

private:
    friend class TWindowHookChain;
    void UpdateHook();
    void Hook();
    void Unhook();
    void ControlDestroyed();

    QPointer<QObject> control_;
    QMetaObject::Connection destroyedConnection_;
    bool active_ = true;
    int priority_ = 200;
    std::shared_ptr<TWindowHook> hook_;
};

}  // namespace vok
