#include "controls/RepeatTimer.h"

#include <QTimer>

namespace vok {
namespace {

class QtRepeatTimer : public IRepeatTimer {
public:
    explicit QtRepeatTimer(QObject* parent) : timer_(parent) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (OnTimer) OnTimer();
        });
    }
    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override {
        interval_ = milliseconds;
        if (milliseconds <= 0) timer_.stop();
        else timer_.start(milliseconds);  // re-arms a running timer
    }

private:
    QTimer timer_;
    int interval_ = 0;
};

}  // namespace

std::unique_ptr<IRepeatTimer> MakeRepeatTimer(QObject* parent) { return std::make_unique<QtRepeatTimer>(parent); }

}  // namespace vok
