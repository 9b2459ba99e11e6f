#pragma once

#include "link/core/cmcBuff.h"
#include "link/core/cmcTask.h"
#include "platform/ISerialDevice.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The program's only access to the clone cable: a numbered serial port opened with a settings text
// such as "9600,N,8,1". Reads never wait; writes go to a transmit buffer that the pump task hands to
// the device in chunks of at most 1024 bytes, every 10 ms while the driver's output queue is empty.
// The device itself is borrowed and must outlive the port.
class cmcComm {
public:
    // Turns a port number into the device path to open.
    using PathResolver = std::function<std::string(int port)>;

    cmcComm(platform::ISerialDevice& device, platform::ITimerSource& timers);
    ~cmcComm();
    cmcComm(const cmcComm&) = delete;
    cmcComm& operator=(const cmcComm&) = delete;

    // Replaces the default resolver (environment VQN58_COM<n>, then the fixed table).
    void SetPathResolver(PathResolver resolver);

    // Opens port `port` with `settings` ("baud,parity,data bits,stop bits"). False when already open
    // (nothing changes) or when the device cannot be opened or set up; LastOpenFailure tells why.
    bool Open(int port, std::string_view settings);
    void Close();
    bool IsOpen() const;
    // Queues bytes for sending; bytes given while closed are dropped. Returns 0.
    int Write(const std::uint8_t* bytes, int n);
    // Bytes read now (at most max); 0 when closed, when nothing waits or on failure. Never waits.
    int Read(std::uint8_t* buffer, int max);
    int InQueue();
    int OutQueue();
    // All output not yet on the wire: OutQueue plus the transmit buffer.
    int PendingOut();
    bool WriteFailed() const { return m_writeFailed; }

    int Port() const { return m_port; }
    const platform::OpenFailure& LastOpenFailure() const { return m_openFailure; }
    const platform::LineSettings& Settings() const { return m_settings; }

    // The line settings a settings text stands for (baud, parity check, data bits clamped into 4..8,
    // stop bits "1.5", "2" or one).
    static platform::LineSettings ParseSettings(std::string_view settings);

    static constexpr int kInQueueSize = 32000;
    static constexpr int kOutQueueSize = 1024;

private:
    static void PumpStep(void* data, cmcTask* task);
    void Pump();

    platform::ISerialDevice& m_device;
    PathResolver m_resolver;
    platform::OpenFailure m_openFailure;
    platform::LineSettings m_settings;
    int m_port = 0;
    bool m_writeFailed = false;
    cmcBuff m_transmit;
    cmcTask m_pump;
};
