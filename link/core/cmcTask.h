#pragma once

#include "platform/Timer.h"

#include <memory>

// One step of work every n milliseconds on the user-interface loop, with a re-entry guard: a tick that
// comes while the step runs (through a modal loop inside it) is dropped. The step may change the period
// of its own task, stop it, or destroy it (the owner going away from inside the step).
class cmcTask {
public:
    using Step = void (*)(void* data, cmcTask* task);

    explicit cmcTask(platform::ITimerSource& timers);
    ~cmcTask();
    cmcTask(const cmcTask&) = delete;
    cmcTask& operator=(const cmcTask&) = delete;

    // Installs the step and its data; does not start the timer.
    void SetStep(Step step, void* data);
    // Negative: off. 0 or more: on with an interval of max(ms, 1) milliseconds, the first tick one
    // interval from now. A running task given the interval it already has keeps its rhythm.
    void SetPeriod(int ms);
    // Clears step and data, then turns the timer off.
    void Stop();
    bool IsStopped() const { return m_stopped; }
    bool IsBusy() const { return m_busy; }
    int Period() const { return m_period; }

private:
    void OnTick();

    std::unique_ptr<platform::ITimer> m_timer;
    Step m_step = nullptr;
    void* m_data = nullptr;
    int m_period = -1;
    bool m_busy = false;
    bool m_stopped = true;
    bool* m_destroyed = nullptr; // set while the step runs: tells OnTick that the task was destroyed
};
