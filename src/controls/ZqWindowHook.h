#pragma once
// The hooks of one control: a single event filter on the control that offers each
// event to its hooks in priority order, ahead of the filters installed before it. A hook
// may be removed at any time, also from inside its own handler; it is dropped once no
// dispatch of it is running.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "controls/ZqWinController.h"

namespace vok {

struct TWindowHook {
    // (event, next) -> true when the event must not go on to the control.
    std::function<bool(QEvent*, const TZqNextWndProc&)> Handler;
    int Priority = 0;
    bool Removed = false;
};

class TWindowHookChain : public QObject {
    Q_OBJECT
public:
    // The chain of a control, made on first use; it lives as long as the control.
    static TWindowHookChain* Of(QObject* control, bool create);

    // Linked in behind the hooks of higher priority, ahead of the others.
    void Install(const std::shared_ptr<TWindowHook>& hook);
    void Remove(const std::shared_ptr<TWindowHook>& hook);
    int Count() const { return int(hooks_.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TWindowHookChain(QObject* control);
    struct Delivery {
        bool delivered = false;  // the control has had the event
        bool result = false;     // and this was its answer
    };
    // Runs hooks[index..] on the event; true when it is done with (a hook kept it, or it
    // was delivered because a hook called next and waits for the answer), false when
    // the toolkit is to deliver it on as usual.
    bool Dispatch(const std::vector<std::shared_ptr<TWindowHook>>& hooks, std::size_t index, QEvent* event,
                  Delivery& delivery, bool wanted);
    // The control's handling, with the filters installed before the chain.
    bool DeliverPastChain(QEvent* event);

    QObject* control_;
    QEvent* passing_ = nullptr;  // being delivered past the chain
    std::vector<std::shared_ptr<TWindowHook>> hooks_;
};

}  // namespace vok
