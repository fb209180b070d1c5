#include "controls/ZqWinController.h"

#include <QEvent>

#include "controls/ZqWindowHook.h"

namespace vok {

TZqWinController::TZqWinController(QObject* owner) : QObject(owner) {}

TZqWinController::~TZqWinController() { Unhook(); }

void TZqWinController::SetControl(QObject* control) {
    if (control == control_) return;
    Unhook();
    if (destroyedConnection_) disconnect(destroyedConnection_);
    control_ = control;
    if (control)
        destroyedConnection_ = connect(control, &QObject::destroyed, this, [this] { ControlDestroyed(); });
    UpdateHook();
}

void TZqWinController::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    UpdateHook();
}

void TZqWinController::SetPriority(int priority) {
    if (priority == priority_) return;
    priority_ = priority;
    if (Hooked()) {
        Unhook();
        Hook();
    }
}

bool TZqWinController::IsActive() const { return active_ && control_; }

void TZqWinController::UpdateHook() {
    if (IsActive()) {
        if (!Hooked()) Hook();
    } else {
        Unhook();
    }
}

void TZqWinController::Hook() {
    auto hook = std::make_shared<TWindowHook>();
    hook->Priority = priority_;
    QPointer<TZqWinController> self(this);
    hook->Handler = [self](QEvent* event, const TZqNextWndProc& next) {
        if (!self) return false;  // a controller gone without unhooking: let the event pass
        bool handled = false;
        self->WndProc(event, handled, next);
        return handled;
    };
    hook_ = hook;
    TWindowHookChain::Of(control_, true)->Install(hook);
}

void TZqWinController::Unhook() {
    if (!hook_) return;
    std::shared_ptr<TWindowHook> hook = std::move(hook_);
    hook_.reset();
    hook->Removed = true;
    hook->Handler = nullptr;  // safe while it runs: the dispatcher holds its own copy
    if (auto* chain = TWindowHookChain::Of(control_, false)) chain->Remove(hook);
    Unhooked();
}

void TZqWinController::ControlDestroyed() {
    // The chain went with the control; only our side is left to clear.
    if (hook_) {
        hook_->Removed = true;
        hook_.reset();
        control_ = nullptr;
        Unhooked();
    }
    control_ = nullptr;
    destroyedConnection_ = {};
}

void TZqWinController::WndProc(QEvent* msg, bool& handled, const TZqNextWndProc& next) {
    if (OnWndProc) {
        // Hold the handler: it may replace OnWndProc or free the controller.
        const TZqWndProcEvent handler = OnWndProc;
        handler(this, msg, handled, next);
    }
}

}  // namespace vok
