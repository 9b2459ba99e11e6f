#include "FakeClock.h"

namespace testsupport {

int FakeTime::Advance(std::uint32_t ms) {
    const std::uint32_t target = m_clock.NowMs() + ms;
    int fired = m_timers.RunDue();
    for (;;) {
        const auto wait = m_timers.MsUntilNextDue();
        // Signed: a timer callback may itself have advanced the clock past this call's target.
        const auto left = static_cast<std::int32_t>(target - m_clock.NowMs());
        if (!wait || left < 0 || *wait > static_cast<std::uint32_t>(left)) {
            break;
        }
        m_clock.Advance(*wait);
        fired += m_timers.RunDue();
    }
    if (static_cast<std::int32_t>(target - m_clock.NowMs()) > 0) {
        m_clock.Set(target);
    }
    return fired;
}

} // namespace testsupport
