#include "support/SaveSignals.h"

#include <atomic>
#include <csignal>
#include <mutex>
#include <cstring>
#include <limits.h>
#include <unistd.h>

namespace vok {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// One slot per save in progress. A slot is claimed by moving its state from free to
// filling, its name written, then marked held; the handler removes held names only.
constexpr int kSlots = 64;
enum SlotState : int { kFree, kFilling, kHeld };
char g_tempName[kSlots][PATH_MAX + 1];
std::atomic<int> g_state[kSlots];
static_assert(std::atomic<int>::is_always_lock_free);
struct sigaction g_previous[3];

int SignalSlot(int sig) {
    for (int i = 0; i < 3; ++i)
        if (kSignals[i] == sig) return i;
    return 0;
}

// Removes the temporary file, then lets the signal do what it did before.
void OnStopSignal(int sig) {
    const int savedErrno = errno;
    for (int k = 0; k < kSlots; ++k) {
        int held = kHeld;
        if (g_state[k].compare_exchange_strong(held, kFree)) ::unlink(g_tempName[k]);
    }
    const struct sigaction& previous = g_previous[SignalSlot(sig)];
    if (previous.sa_handler == SIG_DFL) {
        ::signal(sig, SIG_DFL);
        ::raise(sig);
    } else if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(sig);
    }
    errno = savedErrno;
}

void InstallOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
    for (int i = 0; i < 3; ++i) {
        struct sigaction now {};
        if (::sigaction(kSignals[i], nullptr, &g_previous[i]) != 0) continue;
        // A signal the program ignores does not stop it: nothing to clean up then.
        if (g_previous[i].sa_handler == SIG_IGN) continue;
        now.sa_handler = OnStopSignal;
        sigemptyset(&now.sa_mask);
        now.sa_flags = SA_RESTART;
        ::sigaction(kSignals[i], &now, nullptr);
    }
    });
}

}  // namespace

int HoldTemporaryFile(const std::string& path) {
    InstallOnce();
    if (path.size() >= sizeof g_tempName[0]) return -1;
    for (int k = 0; k < kSlots; ++k) {
        int free = kFree;
        if (!g_state[k].compare_exchange_strong(free, kFilling)) continue;
        std::memcpy(g_tempName[k], path.c_str(), path.size() + 1);
        g_state[k] = kHeld;
        return k;
    }
    return -1;
}

void ReleaseTemporaryFile(int mark) {
    if (mark >= 0 && mark < kSlots) g_state[mark] = kFree;
}

}  // namespace vok
