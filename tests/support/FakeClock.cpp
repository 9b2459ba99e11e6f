#include "FakeClock.h"

namespace testsupport {

int FakeTime::Advance(std::uint32_t ms) {
    const std::uint32_t target = m_clock.NowMs() + ms;
    int fired = m_timers.RunDue();
    for (;;) {
        const auto wait = m_timers.MsUntilNextDue();
        const auto left = target - m_clock.NowMs();
        if (!wait || *wait > left) {
            break;
        }
        m_clock.Advance(*wait);
        fired += m_timers.RunDue();
    }
    m_clock.Set(target);
    return fired;
}

} // namespace testsupport
