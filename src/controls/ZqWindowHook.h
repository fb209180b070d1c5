#pragma once
// The hooks of one control: a single event filter on the control that offers each
// event to its hooks in priority order. A hook may be removed at any time, also from
// inside its own handler; it is dropped once no dispatch of it is running.
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
    // Runs hooks[index..] on the event, then the control's own handling.
    bool Dispatch(const std::vector<std::shared_ptr<TWindowHook>>& hooks, std::size_t index, QEvent* event,
                  bool& delivered, bool& result);

    QObject* control_;
    std::vector<std::shared_ptr<TWindowHook>> hooks_;
};

}  // namespace vok
