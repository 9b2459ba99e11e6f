#include "link/core/cmcTick.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace {

using testsupport::FakeClock;

struct TickCase {
    const char* name;
    std::uint32_t start;
    std::uint32_t period;
    std::uint32_t elapsed;
    std::uint32_t remaining;
    bool running;
};

class TickTest : public testing::TestWithParam<TickCase> {};

TEST_P(TickTest, CountsDownOnTheWrappingCounter) {
    const TickCase& c = GetParam();
    FakeClock clock(c.start);
    cmcTick tick(clock);
    tick.Start(c.period);
    clock.Advance(c.elapsed);
    EXPECT_EQ(tick.Remaining(), c.remaining);
    EXPECT_EQ(tick.IsRunning(), c.running);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         TickTest,
                         testing::Values(TickCase{"Fresh", 1000, 100, 0, 100, true},
                                         TickCase{"Partway", 1000, 100, 40, 60, true},
                                         TickCase{"LastMillisecond", 1000, 100, 99, 1, true},
                                         TickCase{"RunOut", 1000, 100, 100, 0, false},
                                         TickCase{"LongPast", 1000, 100, 5000, 0, false},
                                         TickCase{"AcrossTheWrap", 0xFFFFFFFBu, 100, 15, 85, true},
                                         TickCase{"ZeroPeriod", 7, 0, 0, 0, false}),
                         [](const testing::TestParamInfo<TickCase>& p) { return p.param.name; });

TEST(TickLifecycle, NeverStartedReportsZero) {
    FakeClock clock(12345);
    cmcTick tick(clock);
    EXPECT_EQ(tick.Remaining(), 0u);
    EXPECT_FALSE(tick.IsRunning());
}

TEST(TickLifecycle, RunningOutStopsTheCountdownForGood) {
    // Once run out, the tick stays at 0 even when the counter later comes round to the same span.
    FakeClock clock(0);
    cmcTick tick(clock);
    tick.Start(100);
    clock.Set(150);
    EXPECT_EQ(tick.Remaining(), 0u);
    clock.Set(50);
    EXPECT_EQ(tick.Remaining(), 0u);
    tick.Start(100);
    EXPECT_EQ(tick.Remaining(), 100u);
}

} // namespace
