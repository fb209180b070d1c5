#include "controls/ZqWindowHook.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

namespace vok {
namespace {

// The events the toolkit hands on to the parent while a widget leaves them unaccepted.
bool GoesUpToParents(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::ToolTip:
    case QEvent::WhatsThis:
    case QEvent::StatusTip:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: return true;
    default: return false;
    }
}

}  // namespace

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
                                QEvent* event, Delivery& delivery, bool wanted) {
    while (index < hooks.size() && hooks[index]->Removed) ++index;
    if (index == hooks.size()) {
        // Nobody waits for the control's answer: the toolkit delivers the event on, to the
        // filters installed before the chain and then to the control.
        if (!wanted) return false;
        if (!delivery.delivered) {
            delivery.delivered = true;
            delivery.result = DeliverPastChain(event);
        }
        return true;
    }
    // The snapshot keeps the hook alive while its handler runs, even if it is removed meanwhile.
    const std::shared_ptr<TWindowHook> hook = hooks[index];
    bool passed = false;
    const TZqNextWndProc next = [&, index]() {
        // The rest of the chain sees the event once, however often this is called.
        if (!passed) {
            passed = true;
            Dispatch(hooks, index + 1, event, delivery, true);
        }
        return delivery.result;
    };
    // A copy: the handler may unhook itself, which clears the hook's own.
    const auto handler = hook->Handler;
    if (handler && handler(event, next)) return true;
    if (passed) return true;
    return Dispatch(hooks, index + 1, event, delivery, wanted);
}

bool TWindowHookChain::DeliverPastChain(QEvent* event) {
    // Sent again with the chain stepping aside, so that the filters installed before it
    // run as well; application filters see it a second time, which theirs tolerate.
    QEvent* const outer = passing_;
    passing_ = event;
    const bool result = QCoreApplication::sendEvent(control_, event);
    passing_ = outer;
    return result;
}

bool TWindowHookChain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_ || hooks_.empty() || event == passing_) return false;
    const std::vector<std::shared_ptr<TWindowHook>> snapshot = hooks_;
    Delivery delivery;
    if (!Dispatch(snapshot, 0, event, delivery, false)) return false;
    // A hook kept the event, or the control has had it: either way the toolkit must not
    // deliver it again. Input the control ignored has reached its parents already.
    if (delivery.delivered && GoesUpToParents(event->type())) event->accept();
    return true;
}

}  // namespace vok
