#pragma once

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace testsupport {

// A pseudo-terminal pair: the test keeps the master (non-blocking); the code under test opens `path`,
// the other end, as its serial device or terminal.
class Pty {
public:
    Pty() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::grantpt(m_master);
        ::unlockpt(m_master);
        path = ::ptsname(m_master);
    }
    ~Pty() { ::close(m_master); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    int Master() const { return m_master; }

    // Waits up to `ms` for bytes from the other end (and drops them); true when some came.
    bool AwaitBytes(int ms) const {
        char buffer[256];
        for (int waited = 0; waited < ms; waited += 5) {
            if (::read(m_master, buffer, sizeof buffer) > 0) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    std::string path;

private:
    int m_master = -1;
};

} // namespace testsupport
