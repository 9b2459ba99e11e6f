#pragma once

#include <chrono>
#include <thread>

namespace testsupport {

// Waits until `done()` holds, for something another process or the kernel does in its own time (bytes
// passing through a pseudo-terminal, say) where there is nothing to block on. Checks every millisecond;
// `limit` only ends a wait for something that never comes, so it is far longer than any machine needs.
// Whether `done()` held at the end.
template <typename Done> bool WaitUntil(Done done, std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return done();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace testsupport
