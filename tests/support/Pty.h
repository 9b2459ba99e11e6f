#pragma once

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace testsupport {

// A pseudo-terminal pair: the test keeps the master (non-blocking); the code under test opens `path`,
// the other end, as its serial device or terminal. The test holds that end open as well (without
// reading it), so a wait on the master lasts until bytes come, also before the code under test has
// opened its end or after it has closed it.
class Pty {
public:
    Pty() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::grantpt(m_master);
        ::unlockpt(m_master);
        path = ::ptsname(m_master);
        m_held = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    }
    ~Pty() {
        ::close(m_held);
        ::close(m_master);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    int Master() const { return m_master; }

    // Waits up to `ms` for bytes from the other end (and drops them); true when some came.
    bool AwaitBytes(int ms) const { return !Read(ms).empty(); }

    // Reads what the other end writes until `text` has come (true) or `ms` have passed without it.
    // Everything read is kept in `seen`.
    bool AwaitText(const std::string& text, int ms, std::string& seen) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (seen.find(text) == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                return false;
            }
            seen += Read(static_cast<int>(left.count()));
        }
        return true;
    }

    // What the other end has written, waiting up to `ms` for the first bytes; empty when none came.
    std::string Read(int ms) const {
        pollfd ready{m_master, POLLIN, 0};
        if (::poll(&ready, 1, ms) <= 0 || (ready.revents & POLLIN) == 0) {
            return {};
        }
        char buffer[256];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }

    std::string path;

private:
    int m_master = -1;
    int m_held = -1;
};

} // namespace testsupport
