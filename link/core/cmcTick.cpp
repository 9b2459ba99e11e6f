#include "link/core/cmcTick.h"

void cmcTick::Start(std::uint32_t ms) {
    m_period = ms;
    m_start = m_clock.NowMs();
    m_running = true;
}

std::uint32_t cmcTick::Remaining() {
    if (!m_running) {
        return 0;
    }
    // Unsigned subtraction is taken modulo 2^32, so the wrap of the tick counter needs no care.
    const std::uint32_t elapsed = m_clock.NowMs() - m_start;
    if (elapsed < m_period) {
        return m_period - elapsed;
    }
    m_running = false;
    return 0;
}
