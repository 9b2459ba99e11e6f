#pragma once

#include "Clock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// A periodic timer of the user-interface loop. Its callback runs on the loop's thread, never
// re-entered by the timer itself; a timer that falls behind fires once, not once per missed period.
class ITimer {
public:
    virtual ~ITimer() = default;
    // Starts or restarts the timer with an interval of `intervalMs` (at least 1) milliseconds.
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// Makes timers. The callback given stays owned by the timer; destroying the timer stops it.
class ITimerSource {
public:
    virtual ~ITimerSource() = default;
    virtual std::unique_ptr<ITimer> CreateTimer(std::function<void()> onTick) = 0;
};

// A timer source without a window system: its owner calls RunDue() and each timer whose due time has
// come fires once, in order of due time. The tests drive it with a fake clock; the command-line tool
// drives it with the steady clock through RunLoopUntil.
class ManualTimerSource final : public ITimerSource {
public:
    explicit ManualTimerSource(const IClock& clock);
    ~ManualTimerSource() override;
    ManualTimerSource(const ManualTimerSource&) = delete;
    ManualTimerSource& operator=(const ManualTimerSource&) = delete;

    std::unique_ptr<ITimer> CreateTimer(std::function<void()> onTick) override;

    // Fires every active timer that is due at the clock's present time, earliest first; each fires at
    // most once per call and is then due again one interval after now. Returns how many fired.
    int RunDue();

    // Milliseconds until the earliest active timer is due (0 when one is due now); nothing when no
    // timer is active.
    std::optional<std::uint32_t> MsUntilNextDue() const;

    const IClock& Clock() const { return m_clock; }

private:
    class Timer;
    friend class Timer;
    const IClock& m_clock;
    std::vector<Timer*> m_timers; // every live timer, in creation order
    std::uint64_t m_sequence = 0;
};

// Runs `source`'s timers on the real clock, sleeping between due times, until `done` answers true
// (asked after every pass) or no timer is active any more. Returns done().
bool RunLoopUntil(ManualTimerSource& source, const std::function<bool()>& done);

} // namespace platform
