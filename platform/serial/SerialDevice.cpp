#include "platform/serial/SerialDevice.h"

#include "platform/serial/PosixTty.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <libserialport.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

using clonelink::OpenFailure;

SerialDevice::~SerialDevice() {
    Close();
}

bool SerialDevice::Open(const std::string& path, const clonelink::LineSettings& settings, OpenFailure& failure) {
    if (IsOpen()) {
        failure = {OpenFailure::Kind::Busy, path, {}};
        return false;
    }
    if (sp_get_port_by_name(path.c_str(), &m_port) == SP_OK) {
        return OpenLibSerialPort(path, settings, failure);
    }
    m_port = nullptr;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        failure = posixtty::ClassifyOpenError(path, errno);
        return false;
    }
    if (!S_ISCHR(info.st_mode)) {
        failure = {OpenFailure::Kind::NotSerial, path, {}};
        return false;
    }
    return OpenTerminal(path, settings, failure);
}

bool SerialDevice::OpenLibSerialPort(const std::string& path,
                                     const clonelink::LineSettings& settings,
                                     OpenFailure& failure) {
    if (sp_open(m_port, SP_MODE_READ_WRITE) != SP_OK) {
        const int error = sp_last_error_code();
        sp_close(m_port); // libserialport may hold on to a half-open descriptor
        sp_free_port(m_port);
        m_port = nullptr;
        failure = posixtty::ClassifyOpenError(path, error);
        return false;
    }
    sp_get_port_handle(m_port, &m_fd);
    if (!Lock(path, failure)) {
        return false;
    }
    // Flow control first: it decides how RTS and DTR may be driven afterwards.
    const bool configured =
        sp_set_flowcontrol(m_port, SP_FLOWCONTROL_NONE) == SP_OK &&
        sp_set_baudrate(m_port, static_cast<int>(settings.baud)) == SP_OK &&
        sp_set_bits(m_port, settings.dataBits) == SP_OK && sp_set_parity(m_port, SP_PARITY_NONE) == SP_OK &&
        sp_set_stopbits(m_port, settings.stopBits == clonelink::LineSettings::StopBits::One ? 1 : 2) == SP_OK;
    if (!configured) {
        Close();
        failure = {OpenFailure::Kind::NotSerial, path, {}};
        return false;
    }
    // A device without modem lines refuses these; that is no reason to fail.
    sp_set_rts(m_port, SP_RTS_ON);
    sp_set_dtr(m_port, SP_DTR_OFF);
    sp_flush(m_port, SP_BUF_BOTH);
    return true;
}

bool SerialDevice::OpenTerminal(const std::string& path,
                                const clonelink::LineSettings& settings,
                                OpenFailure& failure) {
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
    if (!Lock(path, failure)) {
        return false;
    }
    if (!posixtty::ConfigureTerminal(m_fd, settings)) {
        Close();
        failure = {OpenFailure::Kind::NotSerial, path, {}};
        return false;
    }
    posixtty::SetModemLines(m_fd);
    ::tcflush(m_fd, TCIOFLUSH);
    return true;
}

bool SerialDevice::Lock(const std::string& path, OpenFailure& failure) {
    if (posixtty::LockExclusive(m_fd)) {
        m_exclusive = true;
        return true;
    }
    Close();
    failure = {OpenFailure::Kind::Busy, path, {}};
    return false;
}

void SerialDevice::Close() {
    if (m_fd >= 0 && m_exclusive) {
        // Give up exclusivity explicitly: another holder of the line may keep the terminal open. Only
        // our own: an opener refused as busy must leave the holder's exclusive mode in place.
        ::ioctl(m_fd, TIOCNXCL);
    }
    m_exclusive = false;
    if (m_port != nullptr) {
        sp_close(m_port);
        sp_free_port(m_port);
        m_port = nullptr;
    } else if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_fd = -1;
}

int SerialDevice::InputWaiting() {
    if (m_port != nullptr) {
        return std::max<int>(sp_input_waiting(m_port), 0);
    }
    return m_fd >= 0 ? posixtty::BytesToRead(m_fd) : 0;
}

int SerialDevice::OutputWaiting() {
    if (m_port != nullptr) {
        return std::max<int>(sp_output_waiting(m_port), 0);
    }
    return m_fd >= 0 ? posixtty::BytesToSend(m_fd) : 0;
}

int SerialDevice::Read(std::uint8_t* buffer, int max) {
    if (m_port != nullptr) {
        return std::max<int>(sp_nonblocking_read(m_port, buffer, static_cast<std::size_t>(max)), 0);
    }
    if (m_fd < 0) {
        return 0;
    }
    const ssize_t n = ::read(m_fd, buffer, static_cast<std::size_t>(max));
    return n > 0 ? static_cast<int>(n) : 0;
}

int SerialDevice::Write(const std::uint8_t* bytes, int n, int timeoutMs) {
    if (m_port != nullptr) {
        const int written = static_cast<int>(sp_blocking_write(
            m_port, bytes, static_cast<std::size_t>(n), static_cast<unsigned>(std::max(timeoutMs, 0))));
        return std::max<int>(written, 0);
    }
    return m_fd >= 0 ? posixtty::WriteWithin(m_fd, bytes, n, timeoutMs) : 0;
}

} // namespace platform
