#include "link/sim/PtyRadio.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace radiosim {

namespace {
// A burst the pacing may send at once after a quiet spell: one frame's worth.
constexpr double kMaxCredit = 16;
} // namespace

PtyRadio::PtyRadio(RadioSim& radio) : m_radio(radio) {}

PtyRadio::~PtyRadio() {
    m_timer.reset();
    HangUp();
}

bool PtyRadio::Create(std::string& error) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = std::strerror(errno);
        return false;
    }
    char name[128];
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        error = std::strerror(errno);
        return false;
    }
    m_path = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slave < 0) {
        error = std::strerror(errno);
        return false;
    }
    // Raw from the start, so nothing the radio says before the program opens its end is altered.
    termios tio{};
    ::tcgetattr(m_slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(m_slave, TCSANOW, &tio);
    return true;
}

void PtyRadio::Attach(platform::ITimerSource& timers, const platform::IClock& clock) {
    m_timer = timers.CreateTimer([this, &clock] { Service(clock.NowMs()); });
    m_timer->Start(1);
}

void PtyRadio::Service(std::uint32_t nowMs) {
    if (m_hungUp || m_master < 0) {
        return;
    }
    std::uint8_t buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0) {
            break; // nothing waiting, or the program's end is closed for now
        }
        m_radio.Receive(buffer, static_cast<int>(n));
    }
    auto& output = m_radio.Output();
    std::size_t allowed = output.size();
    if (m_bytesPerSecond > 0) {
        const std::uint32_t elapsed = m_serviced ? nowMs - m_lastService : 0;
        m_credit = std::min(m_credit + elapsed * m_bytesPerSecond / 1000.0, output.empty() ? kMaxCredit : 1e9);
        allowed = std::min(allowed, static_cast<std::size_t>(m_credit));
    }
    m_lastService = nowMs;
    m_serviced = true;
    const long limit = m_radio.GetFaults().hangUpAfter;
    if (limit >= 0) {
        allowed = std::min(allowed, static_cast<std::size_t>(std::max(limit - m_wireBytes, 0L)));
    }
    std::uint8_t chunk[512];
    while (allowed > 0) {
        const std::size_t n = std::min(allowed, sizeof chunk);
        std::copy_n(output.begin(), n, chunk);
        const ssize_t written = ::write(m_master, chunk, n);
        if (written <= 0) {
            break;
        }
        if (m_wireBytes == 0) {
            m_firstMs = nowMs;
        }
        m_lastMs = nowMs;
        output.erase(output.begin(), output.begin() + written);
        m_wireBytes += written;
        m_credit -= static_cast<double>(written);
        allowed -= static_cast<std::size_t>(written);
    }
    if (limit >= 0 && m_wireBytes >= limit) {
        HangUp();
    }
}

void PtyRadio::HangUp() {
    if (m_slave >= 0) {
        ::close(m_slave);
        m_slave = -1;
    }
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
    m_hungUp = true;
}

} // namespace radiosim
