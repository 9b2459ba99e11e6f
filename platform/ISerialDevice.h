#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Line settings handed to a serial device at open. Parity is always "none" on the wire; the
// parity-check flag only says whether the receiver checks it.
struct LineSettings {
    enum class StopBits { One, OneAndHalf, Two };
    std::uint32_t baud = 9600;
    int dataBits = 8; // 4 to 8
    StopBits stopBits = StopBits::One;
    bool parityCheck = false;
};

// Why an open failed, so the user can be told what to do about it.
struct OpenFailure {
    enum class Kind { None, Busy, Missing, Denied, NotSerial };
    Kind kind = Kind::None;
    std::string device;     // the path that was opened
    std::string ownerGroup; // Denied: the group that owns the device (empty when unknown)
};

// One serial device, opened exclusively. Every call returns at once except Write, which waits at
// most `timeoutMs`. The only implementations are the terminal-interface one of platform/serial/ and the
// in-memory double of the tests. Never throws.
class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;

    // Opens `path` for reading and writing, exclusively (no other process may hold it), sets the line
    // and holds DTR off and RTS on without flow control. On failure the device stays closed and
    // `failure` says why.
    virtual bool Open(const std::string& path, const LineSettings& settings, OpenFailure& failure) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Bytes received and waiting; 0 when closed or when the query fails.
    virtual int InputWaiting() = 0;
    // Bytes handed to the driver and not yet on the wire; 0 when closed or when the query fails.
    virtual int OutputWaiting() = 0;
    // Reads at most `max` waiting bytes without waiting; 0 when nothing waits or on failure.
    virtual int Read(std::uint8_t* buffer, int max) = 0;
    // Writes `n` bytes, waiting at most `timeoutMs`; returns the count written (0 on failure, also when
    // the driver's buffer is full).
    virtual int Write(const std::uint8_t* bytes, int n, int timeoutMs) = 0;
};

} // namespace platform
