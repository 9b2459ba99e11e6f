#include "platform/serial/SerialDevice.h"

#include "platform/serial/PosixTty.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

SerialDevice::~SerialDevice() {
    Close();
}

bool SerialDevice::Open(const std::string& path, const LineSettings& settings, OpenFailure& failure) {
    if (IsOpen()) {
        failure = {OpenFailure::Kind::Busy, path, {}};
        return false;
    }
    // Looking at the path touches nothing; opening a device that is no terminal might.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        failure = posixtty::ClassifyOpenError(path, errno);
        return false;
    }
    if (!S_ISCHR(info.st_mode)) {
        failure = {OpenFailure::Kind::NotSerial, path, {}};
        return false;
    }
    // The open itself changes nothing on the line (no controlling terminal, no wait for the carrier, not
    // inherited by child processes); the locks come next, and only their holder configures the line, so
    // a refused opener leaves the holder's settings as they are.
    m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        failure = posixtty::ClassifyOpenError(path, errno);
        return false;
    }
    if (!::isatty(m_fd)) {
        Close();
        failure = {OpenFailure::Kind::NotSerial, path, {}};
        return false;
    }
    if (!posixtty::LockExclusive(m_fd)) {
        Close();
        failure = {OpenFailure::Kind::Busy, path, {}};
        return false;
    }
    m_exclusive = true;
    if (!posixtty::ConfigureTerminal(m_fd, settings)) {
        Close();
        failure = {OpenFailure::Kind::NotSerial, path, {}};
        return false;
    }
    posixtty::SetModemLines(m_fd);
    ::tcflush(m_fd, TCIOFLUSH);
    return true;
}

void SerialDevice::Close() {
    if (m_fd >= 0 && m_exclusive) {
        // Give up exclusivity explicitly: another holder of the line may keep the terminal open. Only
        // our own: an opener refused as busy must leave the holder's exclusive mode in place.
        ::ioctl(m_fd, TIOCNXCL);
    }
    m_exclusive = false;
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_fd = -1;
}

int SerialDevice::InputWaiting() {
    return m_fd >= 0 ? posixtty::BytesToRead(m_fd) : 0;
}

int SerialDevice::OutputWaiting() {
    return m_fd >= 0 ? posixtty::BytesToSend(m_fd) : 0;
}

int SerialDevice::Read(std::uint8_t* buffer, int max) {
    if (m_fd < 0) {
        return 0;
    }
    const ssize_t n = ::read(m_fd, buffer, static_cast<std::size_t>(max));
    return n > 0 ? static_cast<int>(n) : 0;
}

int SerialDevice::Write(const std::uint8_t* bytes, int n, int timeoutMs) {
    return m_fd >= 0 ? posixtty::WriteWithin(m_fd, bytes, n, timeoutMs) : 0;
}

} // namespace platform
