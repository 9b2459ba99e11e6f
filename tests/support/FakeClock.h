#pragma once

#include "platform/Clock.h"
#include "platform/Timer.h"

#include <cstdint>

namespace testsupport {

// A tick counter that moves only when a test moves it.
class FakeClock final : public platform::IClock {
public:
    explicit FakeClock(std::uint32_t start = 0) : m_now(start) {}
    std::uint32_t NowMs() const override { return m_now; }
    void Set(std::uint32_t now) { m_now = now; }
    void Advance(std::uint32_t ms) { m_now += ms; }

private:
    std::uint32_t m_now;
};

// Fake time for the timer-driven machinery: a fake clock and the timer source it drives. Advance(ms)
// moves the clock forward and fires every timer at each of its due times on the way, exactly as a
// perfectly punctual event loop would; nothing waits for real time.
class FakeTime {
public:
    explicit FakeTime(std::uint32_t start = 0) : m_clock(start), m_timers(m_clock) {}

    FakeClock& Clock() { return m_clock; }
    platform::ManualTimerSource& Timers() { return m_timers; }

    // Moves time forward by `ms`, firing due timers in order; returns how many ticks fired.
    int Advance(std::uint32_t ms);

    // Advances in steps of at most `stepMs` until `done` answers true or `limitMs` have passed.
    // Returns done().
    template <typename Done> bool AdvanceUntil(Done done, std::uint32_t limitMs, std::uint32_t stepMs = 1) {
        for (std::uint32_t spent = 0; !done() && spent < limitMs; spent += stepMs) {
            Advance(stepMs);
        }
        return done();
    }

private:
    FakeClock m_clock;
    platform::ManualTimerSource m_timers;
};

} // namespace testsupport
