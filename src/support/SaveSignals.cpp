#include "support/SaveSignals.h"

#include <csignal>
#include <cstring>
#include <limits.h>
#include <unistd.h>

namespace vok {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Written only outside the handler and read only inside it; the flag is set after
// the name is complete and cleared before it changes.
char g_tempName[PATH_MAX + 1];
volatile sig_atomic_t g_holding = 0;
struct sigaction g_previous[3];

int SignalSlot(int sig) {
    for (int i = 0; i < 3; ++i)
        if (kSignals[i] == sig) return i;
    return 0;
}

// Removes the temporary file, then lets the signal do what it did before.
void OnStopSignal(int sig) {
    const int savedErrno = errno;
    if (g_holding) {
        ::unlink(g_tempName);
        g_holding = 0;
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
    static bool installed = false;
    if (installed) return;
    installed = true;
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
}

}  // namespace

void HoldTemporaryFile(const std::string& path) {
    InstallOnce();
    g_holding = 0;
    if (path.size() >= sizeof g_tempName) return;
    std::memcpy(g_tempName, path.c_str(), path.size() + 1);
    g_holding = 1;
}

void ReleaseTemporaryFile() { g_holding = 0; }

}  // namespace vok
