#pragma once

#include "link/ISerialDevice.h"

struct sp_port;

namespace platform {

// The serial device of the clone cable on libserialport. The open is exclusive: an advisory lock
// (flock) keeps out programs that honour it, TIOCEXCL every other open of the terminal. A device that
// libserialport cannot describe (a pseudo-terminal, such as the simulated radio's, has no entry in the
// system's device tree) is driven through the terminal interface directly, with the same settings and
// the same exclusivity. Nothing here waits except Write, and that at most its time-out.
class SerialDevice final : public clonelink::ISerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice() override;
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    bool
    Open(const std::string& path, const clonelink::LineSettings& settings, clonelink::OpenFailure& failure) override;
    void Close() override;
    bool IsOpen() const override { return m_fd >= 0; }
    int InputWaiting() override;
    int OutputWaiting() override;
    int Read(std::uint8_t* buffer, int max) override;
    int Write(const std::uint8_t* bytes, int n, int timeoutMs) override;

    // True while the open device is driven through libserialport (false for a pseudo-terminal).
    bool UsesLibSerialPort() const { return m_port != nullptr; }

private:
    bool OpenLibSerialPort(const std::string& path,
                           const clonelink::LineSettings& settings,
                           clonelink::OpenFailure& failure);
    bool
    OpenTerminal(const std::string& path, const clonelink::LineSettings& settings, clonelink::OpenFailure& failure);
    bool Lock(const std::string& path, clonelink::OpenFailure& failure);

    sp_port* m_port = nullptr;
    int m_fd = -1;
    bool m_exclusive = false; // this object set the terminal's exclusive mode
};

} // namespace platform
