#pragma once
// A timer that calls OnTimer every Interval milliseconds on the interface thread.
// It runs while Enabled, Interval is not 0 and OnTimer is set; changing the interval
// of a running timer re-arms the same timer. Tests read Active() and Interval() and
// call Tick() instead of waiting.
#include <QObject>
#include <exception>
#include <functional>

class QTimer;

namespace vok {

class TZqTimer : public QObject {
    Q_OBJECT
public:
    explicit TZqTimer(QObject* parent = nullptr);
    ~TZqTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    // Milliseconds; 0 stops the timer.
    void SetInterval(int interval);
    void SetOnTimer(std::function<void(TZqTimer&)> onTimer);
    bool HasOnTimer() const { return bool(onTimer_); }
    // A failure of OnTimer goes here and the timer goes on. Without a handler, and for a
    // failure that is no std::exception, the application's standard report shows it.
    std::function<void(const std::exception&)> OnError;

    // A free number for the owner.
    int Tag = 0;

    // True while the timer holds a running system timer.
    bool Active() const { return timer_ != nullptr; }
    // One tick, as the running timer gives it.
    void Tick();

private:
    void UpdateTimer();

    bool enabled_ = true;
    int interval_ = 1000;
    std::function<void(TZqTimer&)> onTimer_;
    QTimer* timer_ = nullptr;
};

}  // namespace vok
