#include "controls/RepeatTimer.h"

#include <QPointer>
#include <algorithm>

#include "controls/ZqTimer.h"

namespace vok {
namespace {

// The spin button's timer is the program's one timer class behind the small interface.
class ZqRepeatTimer : public IRepeatTimer {
public:
    explicit ZqRepeatTimer(QObject* parent) : timer_(new TZqTimer(parent)) {
        timer_->SetInterval(0);
        timer_->SetOnTimer([this](TZqTimer&) {
            if (OnTimer) OnTimer();
        });
    }
    // A replaced timer must not tick on into its former owner.
    ~ZqRepeatTimer() override { delete timer_.data(); }
    int Interval() const override { return timer_->Interval(); }
    // 0 or less stops the timer; a new interval re-arms a running one.
    void SetInterval(int milliseconds) override { timer_->SetInterval(std::max(milliseconds, 0)); }

private:
    // A child of the parent as well, so it never outlives the button.
    QPointer<TZqTimer> timer_;
};

}  // namespace

std::unique_ptr<IRepeatTimer> MakeRepeatTimer(QObject* parent) { return std::make_unique<ZqRepeatTimer>(parent); }

}  // namespace vok
