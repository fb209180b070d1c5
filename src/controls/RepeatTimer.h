#pragma once
// The timer behind a held arrow: an interval that can be retuned on every tick (0 stops
// it), a tag for the extra steps per tick, and the tick event. Tests drive their own.
#include <QObject>
#include <functional>
#include <memory>

namespace vok {

class IRepeatTimer {
public:
    virtual ~IRepeatTimer() = default;
    virtual int Interval() const = 0;
    virtual void SetInterval(int milliseconds) = 0;
    int Tag = 0;
    std::function<void()> OnTimer;
};

std::unique_ptr<IRepeatTimer> MakeRepeatTimer(QObject* parent);

}  // namespace vok
