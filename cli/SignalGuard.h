#pragma once

namespace cli {

// Turns SIGINT and SIGTERM into a request the command sees, so it can end cleanly: release the serial
// port (its exclusive mode cleared), leave no temporary file, and exit with 128 + the signal. Also
// ignores SIGPIPE, so a closed standard output is a failed write the command reports rather than a
// silent death. Blocking waits are interrupted (no automatic restart). One guard at a time; the
// previous handling comes back when it is destroyed.
class SignalGuard {
public:
    SignalGuard();
    ~SignalGuard();
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

    // The first signal received since the guard was made, or 0.
    static int Pending();
};

} // namespace cli
