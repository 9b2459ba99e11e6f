#include "link/core/cmcTask.h"

#include "support/FakeClock.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

using testsupport::FakeTime;

// Counts the ticks of a task and runs an optional action inside each step.
struct Probe {
    int ticks = 0;
    std::function<void(cmcTask*)> action;

    static void Step(void* data, cmcTask* task) {
        auto* probe = static_cast<Probe*>(data);
        ++probe->ticks;
        if (probe->action) {
            probe->action(task);
        }
    }
};

class TaskTest : public testing::Test {
protected:
    FakeTime m_time;
    Probe m_probe;
    cmcTask m_task{m_time.Timers()};

    void Install() { m_task.SetStep(&Probe::Step, &m_probe); }
};

TEST_F(TaskTest, NewTaskIsOffAndSetStepDoesNotStartIt) {
    EXPECT_TRUE(m_task.IsStopped());
    EXPECT_EQ(m_task.Period(), -1);
    Install();
    m_time.Advance(1000);
    EXPECT_EQ(m_probe.ticks, 0);
}

struct PeriodCase {
    int period;
    std::uint32_t advanceMs;
    int ticks;
    bool stopped;
};

class TaskPeriodTest : public TaskTest, public testing::WithParamInterface<PeriodCase> {};

TEST_P(TaskPeriodTest, RunsTheStepOncePerInterval) {
    const PeriodCase& c = GetParam();
    Install();
    m_task.SetPeriod(c.period);
    EXPECT_EQ(m_task.IsStopped(), c.stopped);
    EXPECT_EQ(m_task.Period(), c.period);
    m_time.Advance(c.advanceMs);
    EXPECT_EQ(m_probe.ticks, c.ticks);
}

INSTANTIATE_TEST_SUITE_P(Periods,
                         TaskPeriodTest,
                         testing::Values(PeriodCase{0, 100, 100, false}, // interval 1
                                         PeriodCase{1, 100, 100, false},
                                         PeriodCase{10, 105, 10, false},
                                         PeriodCase{1000, 999, 0, false}, // a time-out not yet reached
                                         PeriodCase{1000, 1000, 1, false},
                                         PeriodCase{-1, 1000, 0, true},
                                         PeriodCase{-5, 1000, 0, true}),
                         [](const testing::TestParamInfo<PeriodCase>& p) {
                             const int period = p.param.period;
                             return (period < 0 ? "PeriodMinus" : "Period") +
                                    std::to_string(period < 0 ? -period : period) + "After" +
                                    std::to_string(p.param.advanceMs) + "ms";
                         });

TEST_F(TaskTest, NegativePeriodStopsARunningTask) {
    Install();
    m_task.SetPeriod(10);
    m_time.Advance(30);
    m_task.SetPeriod(-5);
    EXPECT_TRUE(m_task.IsStopped());
    m_time.Advance(100);
    EXPECT_EQ(m_probe.ticks, 3);
}

TEST_F(TaskTest, RepeatingTheSamePeriodDoesNotPostponeTheNextTick) {
    Install();
    m_task.SetPeriod(10);
    for (int i = 0; i < 10; ++i) {
        m_time.Advance(5);
        m_task.SetPeriod(10);
    }
    EXPECT_EQ(m_probe.ticks, 5);
}

TEST_F(TaskTest, TickThatComesWhileTheStepRunsIsDropped) {
    // The step runs a nested loop (as a modal message box does) in which 50 ms pass.
    Probe other;
    cmcTask otherTask(m_time.Timers());
    otherTask.SetStep(&Probe::Step, &other);
    otherTask.SetPeriod(10);
    bool busyInside = false;
    m_probe.action = [&](cmcTask* task) {
        if (m_probe.ticks == 1) {
            busyInside = task->IsBusy();
            m_time.Advance(50);
        }
    };
    Install();
    m_task.SetPeriod(10);
    // The outer tick is fired by hand: FakeTime::Advance cannot be nested inside itself.
    m_time.Clock().Advance(10);
    m_time.Timers().RunDue();
    EXPECT_EQ(m_time.Clock().NowMs(), 60u);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(m_task.IsBusy());
    EXPECT_EQ(m_probe.ticks, 1); // its own five ticks inside the loop were dropped
    EXPECT_EQ(other.ticks, 6);   // other tasks keep running inside the loop
    m_time.Advance(10);
    EXPECT_EQ(m_probe.ticks, 2);
}

TEST_F(TaskTest, StepMayStopItsOwnTask) {
    m_probe.action = [](cmcTask* task) { task->Stop(); };
    Install();
    m_task.SetPeriod(10);
    m_time.Advance(100);
    EXPECT_EQ(m_probe.ticks, 1);
    EXPECT_TRUE(m_task.IsStopped());
    // Stop cleared the step: turning the timer on again runs nothing.
    m_task.SetPeriod(10);
    m_time.Advance(100);
    EXPECT_EQ(m_probe.ticks, 1);
}

TEST_F(TaskTest, NewPeriodSetByTheStepTakesEffectForTheFollowingTicks) {
    std::vector<std::uint32_t> times;
    m_probe.action = [&](cmcTask* task) {
        times.push_back(m_time.Clock().NowMs());
        task->SetPeriod(30);
    };
    Install();
    m_task.SetPeriod(10);
    m_time.Advance(100);
    EXPECT_EQ(times, (std::vector<std::uint32_t>{10, 40, 70, 100}));
}

TEST(TaskLifetime, OwnerMayDestroyTheTaskFromInsideItsStep) {
    FakeTime time;
    auto task = std::make_unique<cmcTask>(time.Timers());
    struct Owner {
        std::unique_ptr<cmcTask>* task;
        int ticks = 0;
    } owner{&task};
    task->SetStep(
        [](void* data, cmcTask*) {
            auto* o = static_cast<Owner*>(data);
            ++o->ticks;
            o->task->reset();
        },
        &owner);
    task->SetPeriod(10);
    time.Advance(100);
    EXPECT_EQ(task, nullptr);
    EXPECT_EQ(owner.ticks, 1);
}

} // namespace
