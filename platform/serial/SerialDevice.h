#pragma once

#include "platform/ISerialDevice.h"

namespace platform {

// The serial device of the clone cable, driven through the terminal interface: a serial port, a USB
// adapter and a pseudo-terminal (such as the simulated radio's) alike. The open is exclusive: an
// advisory lock (flock) keeps out programs that honour it, TIOCEXCL every other open of the terminal.
// Both are taken before the line is configured, so an opener refused as busy has changed nothing.
// Nothing here waits except Write, and that at most its time-out.
class SerialDevice final : public ISerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice() override;
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    bool Open(const std::string& path, const LineSettings& settings, OpenFailure& failure) override;
    void Close() override;
    bool IsOpen() const override { return m_fd >= 0; }
    int InputWaiting() override;
    int OutputWaiting() override;
    int Read(std::uint8_t* buffer, int max) override;
    int Write(const std::uint8_t* bytes, int n, int timeoutMs) override;

private:
    int m_fd = -1;
    bool m_exclusive = false; // this object set the terminal's exclusive mode
};

} // namespace platform
