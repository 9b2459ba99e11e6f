#include "Timer.h"

#include <algorithm>

namespace platform {

class ManualTimerSource::Timer final : public ITimer {
public:
    Timer(ManualTimerSource& source, std::function<void()> onTick) : m_source(source), m_onTick(std::move(onTick)) {
        m_source.m_timers.push_back(this);
    }
    ~Timer() override { std::erase(m_source.m_timers, this); }

    void Start(int intervalMs) override {
        m_interval = static_cast<std::uint32_t>(std::max(intervalMs, 1));
        m_due = m_source.m_clock.NowMs() + m_interval;
        m_active = true;
        m_order = ++m_source.m_sequence;
    }
    void Stop() override { m_active = false; }
    bool IsActive() const override { return m_active; }

    ManualTimerSource& m_source;
    std::function<void()> m_onTick;
    std::uint32_t m_interval = 1;
    std::uint32_t m_due = 0;
    std::uint64_t m_order = 0;
    bool m_active = false;
};

namespace {
// Signed distance from `now` to `due` on the wrapping 32-bit counter.
std::int32_t Until(std::uint32_t due, std::uint32_t now) {
    return static_cast<std::int32_t>(due - now);
}
} // namespace

ManualTimerSource::ManualTimerSource(const IClock& clock) : m_clock(clock) {}

ManualTimerSource::~ManualTimerSource() {
    // Timers that outlive their source must not reach back into it.
    for (Timer* timer : m_timers) {
        timer->m_active = false;
    }
}

std::unique_ptr<ITimer> ManualTimerSource::CreateTimer(std::function<void()> onTick) {
    return std::make_unique<Timer>(*this, std::move(onTick));
}

int ManualTimerSource::RunDue() {
    const std::uint32_t now = m_clock.NowMs();
    // Collect first: callbacks may create, start, stop or destroy timers.
    struct Due {
        Timer* timer;
        std::int32_t until;
        std::uint64_t order;
    };
    std::vector<Due> due;
    for (Timer* timer : m_timers) {
        if (timer->m_active && Until(timer->m_due, now) <= 0) {
            due.push_back({timer, Until(timer->m_due, now), timer->m_order});
        }
    }
    std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) {
        return a.until != b.until ? a.until < b.until : a.order < b.order;
    });
    int fired = 0;
    for (const Due& d : due) {
        // Skip a timer that an earlier callback destroyed, stopped or restarted.
        auto it = std::find(m_timers.begin(), m_timers.end(), d.timer);
        if (it == m_timers.end() || !(*it)->m_active || (*it)->m_order != d.order) {
            continue;
        }
        Timer* timer = *it;
        timer->m_due = now + timer->m_interval;
        ++fired;
        auto callback = timer->m_onTick; // the timer may be destroyed by its own callback
        callback();
    }
    return fired;
}

std::optional<std::uint32_t> ManualTimerSource::MsUntilNextDue() const {
    std::optional<std::uint32_t> best;
    const std::uint32_t now = m_clock.NowMs();
    for (const Timer* timer : m_timers) {
        if (!timer->m_active) {
            continue;
        }
        const auto wait = static_cast<std::uint32_t>(std::max<std::int32_t>(Until(timer->m_due, now), 0));
        if (!best || wait < *best) {
            best = wait;
        }
    }
    return best;
}

bool RunLoopUntil(ManualTimerSource& source, const std::function<bool()>& done) {
    while (!done()) {
        const auto wait = source.MsUntilNextDue();
        if (!wait) {
            return done();
        }
        SleepMs(static_cast<int>(*wait));
        source.RunDue();
    }
    return true;
}

} // namespace platform
