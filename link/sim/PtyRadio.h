#pragma once

#include "link/sim/RadioSim.h"
#include "platform/Timer.h"

#include <memory>
#include <string>

namespace radiosim {

// The simulated radio on a pseudo-terminal: the program opens DevicePath() as its serial port. Each
// Service call moves what the program wrote into the radio and the radio's output back onto the line,
// at most `bytesPerSecond` when pacing is on (960 for 9600 baud, 8N1), all at once otherwise. After
// the hang-up fault's byte count the line goes dead: both ends held here are closed.
class PtyRadio {
public:
    explicit PtyRadio(RadioSim& radio);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Opens the pseudo-terminal pair; false with `error` set when the system refuses.
    bool Create(std::string& error);
    const std::string& DevicePath() const { return m_path; }

    // 0: no pacing.
    void SetPacing(int bytesPerSecond) { m_bytesPerSecond = bytesPerSecond; }
    void Service(std::uint32_t nowMs);
    // Services the line every millisecond on `timers` until this object goes away.
    void Attach(platform::ITimerSource& timers, const platform::IClock& clock);

    bool HungUp() const { return m_hungUp; }
    long WireBytes() const { return m_wireBytes; }
    // Time of the first and the last byte put on the line (ms of the clock given to Service).
    std::uint32_t FirstByteMs() const { return m_firstMs; }
    std::uint32_t LastByteMs() const { return m_lastMs; }

private:
    void HangUp();

    RadioSim& m_radio;
    int m_master = -1;
    int m_slave = -1; // held open so the line stays up while the program reopens its end
    std::string m_path;
    int m_bytesPerSecond = 0;
    double m_credit = 0;
    std::uint32_t m_lastService = 0;
    bool m_serviced = false;
    bool m_hungUp = false;
    long m_wireBytes = 0;
    std::uint32_t m_firstMs = 0;
    std::uint32_t m_lastMs = 0;
    std::unique_ptr<platform::ITimer> m_timer;
};

} // namespace radiosim
