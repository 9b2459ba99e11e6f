#pragma once

#include <functional>

namespace cli {

// Turns SIGINT and SIGTERM into a request the command sees, so it can end cleanly: release the serial
// port (its exclusive mode cleared), leave no temporary file, and exit with 128 + the signal. Also
// ignores SIGPIPE, so a closed standard output is a failed write the command reports rather than a
// silent death. Blocking waits are interrupted (no automatic restart). The two signals are unblocked
// while the guard lives, so a command started with them blocked still hears them (a signal already
// pending then arrives at once). One guard at a time; the previous handling and mask come back when it
// is destroyed.
class SignalGuard {
public:
    SignalGuard();
    ~SignalGuard();
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

    // The first signal received since the guard was made, or 0; 0 again once the command is settled.
    static int Pending();
    // Runs `save` (which returns an exit status) unless a signal has already asked the command to end:
    // then 128 + that signal, and nothing is saved. Once `save` has run, the command is settled: its
    // status is the save's, whatever signal arrives later, so a status of 128 + n always means that
    // nothing was saved.
    static int SaveUnlessSignalled(const std::function<int()>& save);
};

} // namespace cli
