#include "controls/FramePlayer.h"

#include <algorithm>

#include "controls/ZqTimer.h"

namespace vok {

TFramePlayer::TFramePlayer(QObject* parent) : QObject(parent), timer_(new TZqTimer(this)) {
    timer_->SetInterval(0);
    timer_->SetOnTimer([this](TZqTimer&) { Step(); });
}

void TFramePlayer::Start() {
    frame_ = previous_ = -1;
    if (!Count || !ShowFrame || Count() <= 0) return;
    ShowFrom(0);
    SetPlaying(true);
}

void TFramePlayer::Stop() { SetPlaying(false); }

void TFramePlayer::Toggle(int framesPerSecond) {
    if (playing_) return Stop();
    SetRate(framesPerSecond);
    Start();
}

void TFramePlayer::SetRate(int framesPerSecond) {
    rate_ = std::clamp(framesPerSecond, kMinRate, kMaxRate);
    if (playing_) timer_->SetInterval(IntervalMs());
}

int TFramePlayer::IntervalMs() const { return (1000 + rate_ / 2) / rate_; }

void TFramePlayer::Step() {
    // The list emptied while playing: nothing is left to play.
    if (!Count || Count() <= 0) return Stop();
    ShowFrom(frame_ + 1);
}

bool TFramePlayer::ShowFrom(int first) {
    const int count = Count ? Count() : 0;
    for (int i = 0; i < count; ++i) {
        const int next = (first + i) % count;
        if (ShowFrame(next, frame_)) {
            previous_ = frame_;
            frame_ = next;
            return true;
        }
    }
    return false;
}

void TFramePlayer::SetPlaying(bool playing) {
    timer_->SetInterval(playing ? IntervalMs() : 0);
    if (playing == playing_) return;
    playing_ = playing;
    if (OnPlayingChange) OnPlayingChange(playing);
}

}  // namespace vok
