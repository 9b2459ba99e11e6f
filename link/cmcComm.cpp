#include "link/cmcComm.h"

#include "link/PortPath.h"
#include "overlay/cmcGTex.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A plain decimal conversion: leading blanks, optional sign, digits; anything else gives 0.
long PlainNumber(const std::optional<std::string>& field) {
    return field ? std::strtol(field->c_str(), nullptr, 10) : 0;
}

} // namespace

cmcComm::cmcComm(platform::ISerialDevice& device, platform::ITimerSource& timers)
    : m_device(device), m_resolver(clonelink::DefaultDevicePath), m_pump(timers) {
    m_pump.SetStep(&cmcComm::PumpStep, this);
}

cmcComm::~cmcComm() {
    Close();
    m_pump.Stop();
}

void cmcComm::SetPathResolver(PathResolver resolver) {
    m_resolver = resolver ? std::move(resolver) : PathResolver(clonelink::DefaultDevicePath);
}

platform::LineSettings cmcComm::ParseSettings(std::string_view settings) {
    platform::LineSettings line;
    line.baud = static_cast<std::uint32_t>(std::max(PlainNumber(GetField(settings, ',', 0)), 0L));
    const auto parity = GetField(settings, ',', 1);
    const char p = parity && !parity->empty() ? (*parity)[0] : '\0';
    line.parityCheck = p == 'M' || p == 'm' || p == 'O' || p == 'o';
    line.dataBits = static_cast<int>(std::clamp(PlainNumber(GetField(settings, ',', 2)), 4L, 8L));
    const auto stop = GetField(settings, ',', 3);
    line.stopBits = stop == "1.5" ? platform::LineSettings::StopBits::OneAndHalf
                    : stop == "2" ? platform::LineSettings::StopBits::Two
                                  : platform::LineSettings::StopBits::One;
    return line;
}

bool cmcComm::Open(int port, std::string_view settings) {
    if (IsOpen()) {
        return false;
    }
    m_port = port;
    m_writeFailed = false;
    m_settings = ParseSettings(settings);
    m_openFailure = {};
    // The device opens exclusively, with its queues purged and the line set up in one step; a failed
    // set-up leaves it closed.
    return m_device.Open(m_resolver(port), m_settings, m_openFailure);
}

void cmcComm::Close() {
    m_pump.SetPeriod(-1);
    if (m_device.IsOpen()) {
        m_device.Close();
    }
    m_transmit.Clear();
    m_writeFailed = false;
}

bool cmcComm::IsOpen() const {
    return m_device.IsOpen();
}

int cmcComm::Write(const std::uint8_t* bytes, int n) {
    if (!IsOpen() || n <= 0) {
        return 0;
    }
    m_pump.SetPeriod(-1);
    m_transmit.Append(bytes, n);
    m_pump.SetPeriod(0);
    Pump();
    return 0;
}

int cmcComm::Read(std::uint8_t* buffer, int max) {
    if (!IsOpen() || max <= 0) {
        return 0;
    }
    const int n = std::min(max, InQueue());
    return n > 0 ? std::max(m_device.Read(buffer, n), 0) : 0;
}

int cmcComm::InQueue() {
    return IsOpen() ? std::max(m_device.InputWaiting(), 0) : 0;
}

int cmcComm::OutQueue() {
    return IsOpen() ? std::max(m_device.OutputWaiting(), 0) : 0;
}

int cmcComm::PendingOut() {
    return OutQueue() + m_transmit.Length();
}

void cmcComm::PumpStep(void* data, cmcTask* /*task*/) {
    static_cast<cmcComm*>(data)->Pump();
}

void cmcComm::Pump() {
    int next = -1;
    if (IsOpen()) {
        const int chunk = std::min(kOutQueueSize, m_transmit.Length());
        if (OutQueue() != 0) {
            next = 10;
        } else if (chunk > 0) {
            // The write waits at most as long as the chunk takes on the wire plus three seconds.
            const int perByteMs = m_settings.baud > 0 ? static_cast<int>(100000 / m_settings.baud) : 0;
            const int written = m_device.Write(m_transmit.Data(), chunk, perByteMs * chunk + 3000);
            if (written < chunk) {
                m_writeFailed = true;
            } else if (chunk < m_transmit.Length()) {
                for (int i = 0; i < written; ++i) {
                    m_transmit.PopFront();
                }
                next = 10;
            } else {
                m_transmit.Clear();
            }
        } else {
            m_transmit.Clear();
        }
    }
    m_pump.SetPeriod(next);
}
