#include "controls/ZqWindowHook.h"

#include <QEvent>
#include <algorithm>

namespace vok {

TWindowHookChain::TWindowHookChain(QObject* control) : QObject(control), control_(control) {
    setObjectName("ZqWindowHookChain");
    control->installEventFilter(this);
}

TWindowHookChain* TWindowHookChain::Of(QObject* control, bool create) {
    if (!control) return nullptr;
    if (auto* chain = control->findChild<TWindowHookChain*>(QString(), Qt::FindDirectChildrenOnly)) return chain;
    return create ? new TWindowHookChain(control) : nullptr;
}

void TWindowHookChain::Install(const std::shared_ptr<TWindowHook>& hook) {
    auto at = std::find_if(hooks_.begin(), hooks_.end(),
                           [&](const std::shared_ptr<TWindowHook>& h) { return h->Priority <= hook->Priority; });
    hooks_.insert(at, hook);
}

void TWindowHookChain::Remove(const std::shared_ptr<TWindowHook>& hook) {
    hook->Removed = true;
    hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), hook), hooks_.end());
}

bool TWindowHookChain::Dispatch(const std::vector<std::shared_ptr<TWindowHook>>& hooks, std::size_t index,
                                QEvent* event, bool& delivered, bool& result) {
    while (index < hooks.size() && hooks[index]->Removed) ++index;
    if (index == hooks.size()) {
        // The end of the chain: the control's own handling, once.
        if (!delivered) {
            delivered = true;
            result = control_->event(event);
        }
        return result;
    }
    // The snapshot keeps the hook alive while its handler runs, even if it is removed meanwhile.
    const std::shared_ptr<TWindowHook> hook = hooks[index];
    const TZqNextWndProc next = [&, index]() { return Dispatch(hooks, index + 1, event, delivered, result); };
    // A copy: the handler may unhook itself, which clears the hook's own.
    const auto handler = hook->Handler;
    const bool stop = handler ? handler(event, next) : false;
    if (!stop && !delivered) next();
    return result;
}

bool TWindowHookChain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_ || hooks_.empty()) return false;
    const std::vector<std::shared_ptr<TWindowHook>> snapshot = hooks_;
    bool delivered = false, result = false;
    Dispatch(snapshot, 0, event, delivered, result);
    // The control has handled the event through the chain, or a hook kept it away:
    // either way the toolkit must not deliver it again.
    return true;
}

}  // namespace vok
