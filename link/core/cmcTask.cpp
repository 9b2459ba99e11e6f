#include "link/core/cmcTask.h"

#include <algorithm>

cmcTask::cmcTask(platform::ITimerSource& timers) : m_timer(timers.CreateTimer([this] { OnTick(); })) {
    SetPeriod(-1);
}

cmcTask::~cmcTask() {
    // The owner may destroy the task from inside its own step: tell the running OnTick not to touch
    // this object again. Destroying m_timer stops the timer.
    if (m_destroyed) {
        *m_destroyed = true;
    }
}

void cmcTask::SetStep(Step step, void* data) {
    m_step = step;
    m_data = data;
}

void cmcTask::SetPeriod(int ms) {
    if (ms < 0) {
        m_timer->Stop();
    } else {
        const int interval = std::max(ms, 1);
        // Restarting a running timer with its own interval would push its next tick away; a caller
        // that repeats SetPeriod faster than the interval would starve the step.
        if (!m_timer->IsActive() || interval != std::max(m_period, 1)) {
            m_timer->Start(interval);
        }
    }
    m_period = ms;
    m_stopped = !m_timer->IsActive();
}

void cmcTask::Stop() {
    m_step = nullptr;
    m_data = nullptr;
    SetPeriod(-1);
}

void cmcTask::OnTick() {
    if (m_busy || m_step == nullptr) {
        return; // a tick that comes while the step runs (through a modal loop inside it) is dropped
    }
    // The busy flag keeps OnTick from nesting, so one flag on this stack frame is enough.
    bool destroyed = false;
    m_destroyed = &destroyed;
    m_busy = true;
    m_step(m_data, this);
    if (destroyed) {
        return;
    }
    m_busy = false;
    m_destroyed = nullptr;
}
