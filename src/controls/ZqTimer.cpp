#include "controls/ZqTimer.h"

#include <QTimer>

#include "controls/Dialogs.h"

namespace vok {

TZqTimer::TZqTimer(QObject* parent) : QObject(parent) {}

TZqTimer::~TZqTimer() {
    enabled_ = false;
    UpdateTimer();
}

void TZqTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TZqTimer::SetInterval(int interval) {
    if (interval == interval_) return;
    interval_ = interval;
    UpdateTimer();
}

void TZqTimer::SetOnTimer(std::function<void(TZqTimer&)> onTimer) {
    onTimer_ = std::move(onTimer);
    UpdateTimer();
}

void TZqTimer::UpdateTimer() {
    const bool wanted = interval_ > 0 && enabled_ && onTimer_;
    if (!wanted) {
        delete timer_;
        timer_ = nullptr;
        return;
    }
    if (!timer_) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, &TZqTimer::Tick);
    }
    // Starting a running timer again re-arms it with the new interval.
    timer_->start(interval_);
}

void TZqTimer::Tick() {
    if (!onTimer_) return;
    try {
        onTimer_(*this);
    } catch (const std::exception& e) {
        if (OnError) OnError(e);
        else ReportUnhandled(std::current_exception());
    } catch (...) {
        ReportUnhandled(std::current_exception());
    }
}

}  // namespace vok
