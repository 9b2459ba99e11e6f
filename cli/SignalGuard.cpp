#include "cli/SignalGuard.h"

#include <csignal>

namespace cli {

namespace {

volatile std::sig_atomic_t g_pending = 0;
struct sigaction g_previous[3];
constexpr int kSignals[3] = {SIGINT, SIGTERM, SIGPIPE};

extern "C" void Record(int signal) {
    if (g_pending == 0) {
        g_pending = signal;
    }
}

} // namespace

SignalGuard::SignalGuard() {
    g_pending = 0;
    for (int i = 0; i < 3; ++i) {
        struct sigaction action {};
        action.sa_handler = kSignals[i] == SIGPIPE ? SIG_IGN : &Record;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    }
}

SignalGuard::~SignalGuard() {
    for (int i = 0; i < 3; ++i) {
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
}

int SignalGuard::Pending() {
    return g_pending;
}

} // namespace cli
