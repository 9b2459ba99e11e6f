#pragma once

#include "platform/Clock.h"

#include <cstdint>

// A millisecond countdown on the wrapping 32-bit tick counter.
class cmcTick {
public:
    explicit cmcTick(const platform::IClock& clock) : m_clock(clock) {}

    // Starts counting down `ms` milliseconds from now.
    void Start(std::uint32_t ms);

    // Milliseconds left; 0 when never started or run out (running out stops the countdown).
    std::uint32_t Remaining();

    bool IsRunning() const { return m_running; }

private:
    const platform::IClock& m_clock;
    std::uint32_t m_period = 0;
    std::uint32_t m_start = 0;
    bool m_running = false;
};
