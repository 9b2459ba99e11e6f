#include "cli/SignalGuard.h"

#include "cli/CliCommand.h"

#include <csignal>

namespace cli {

namespace {

volatile std::sig_atomic_t g_pending = 0;
bool g_settled = false;
struct sigaction g_previous[3];
sigset_t g_previousMask;
constexpr int kSignals[3] = {SIGINT, SIGTERM, SIGPIPE};

extern "C" void Record(int signal) {
    if (g_pending == 0) {
        g_pending = signal;
    }
}

} // namespace

SignalGuard::SignalGuard() {
    g_pending = 0;
    g_settled = false;
    for (int i = 0; i < 3; ++i) {
        struct sigaction action {};
        action.sa_handler = kSignals[i] == SIGPIPE ? SIG_IGN : &Record;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    }
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    ::sigprocmask(SIG_UNBLOCK, &ending, &g_previousMask);
}

SignalGuard::~SignalGuard() {
    ::sigprocmask(SIG_SETMASK, &g_previousMask, nullptr);
    for (int i = 0; i < 3; ++i) {
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
}

int SignalGuard::Pending() {
    return g_settled ? 0 : g_pending;
}

int SignalGuard::SaveUnlessSignalled(const std::function<int()>& save) {
    if (const int signal = Pending(); signal != 0) {
        return kExitSignalBase + signal;
    }
    const int status = save();
    g_settled = true;
    return status;
}

} // namespace cli
