#pragma once
// Plays a list of frames over and over on the program's timer, at a rate in frames a
// second; a frame that cannot be shown is skipped. The owner draws: ShowFrame gets
// the frame to show and the one shown before it.
#include <QObject>
#include <functional>

namespace vok {

class TZqTimer;

class TFramePlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinRate = 1;
    static constexpr int kMaxRate = 60;
    static constexpr int kDefaultRate = 10;

    explicit TFramePlayer(QObject* parent = nullptr);

    // How many frames there are now; the list may change while it plays.
    std::function<int()> Count;
    // Shows frame `frame` (previous: the frame shown before it, or -1); false when it
    // cannot be shown, and the next one is tried.
    std::function<bool(int frame, int previous)> ShowFrame;
    // Playing started or stopped.
    std::function<void(bool playing)> OnPlayingChange;

    // Shows the first frame that can be shown and plays on from it; nothing without frames.
    void Start();
    void Stop();
    // "Play" pressed: stops a running play, else starts one at the rate given.
    void Toggle(int framesPerSecond);
    bool Playing() const { return playing_; }
    // The frame on show and the one before it; -1 when none.
    int Frame() const { return frame_; }
    int Previous() const { return previous_; }
    // Frames a second, held to 1 to 60; takes effect at once while playing.
    int Rate() const { return rate_; }
    void SetRate(int framesPerSecond);

    // The timer that steps the frames; tests call its Tick().
    TZqTimer* Timer() const { return timer_; }

private:
    // Moves on to the next frame that can be shown.
    void Step();
    // Shows the first frame from `first` on, round the list, that can be shown;
    // each frame is tried once.
    bool ShowFrom(int first);
    void SetPlaying(bool playing);
    int IntervalMs() const;

    TZqTimer* timer_;
    int rate_ = kDefaultRate;
    int frame_ = -1;
    int previous_ = -1;
    bool playing_ = false;
};

}  // namespace vok
