#include "platform/Fault.h"
#include "support/FakeClock.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using testsupport::FakeTime;

TEST(ManualTimerSource, FiresAtEachIntervalInDueOrder) {
    FakeTime time(0xFFFFFFF0u); // starts just before the counter wraps
    std::vector<char> log;
    auto fast = time.Timers().CreateTimer([&] { log.push_back('f'); });
    auto slow = time.Timers().CreateTimer([&] { log.push_back('s'); });
    fast->Start(10);
    slow->Start(25);
    EXPECT_EQ(time.Advance(50), 5 + 2);
    EXPECT_EQ(std::string(log.begin(), log.end()), "ffsfffs");
}

TEST(ManualTimerSource, StoppedOrDestroyedTimersNeverFire) {
    FakeTime time;
    int ticks = 0;
    auto timer = time.Timers().CreateTimer([&] { ++ticks; });
    timer->Start(0); // an interval of 0 runs every millisecond
    time.Advance(3);
    EXPECT_EQ(ticks, 3);
    timer->Stop();
    time.Advance(10);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(time.Timers().MsUntilNextDue().has_value());
}

TEST(ManualTimerSource, CallbackMayDestroyItsOwnTimerAndStartAnother) {
    FakeTime time;
    std::unique_ptr<platform::ITimer> first;
    std::unique_ptr<platform::ITimer> second;
    int secondTicks = 0;
    first = time.Timers().CreateTimer([&] {
        first.reset();
        second = time.Timers().CreateTimer([&] { ++secondTicks; });
        second->Start(5);
    });
    first->Start(5);
    time.Advance(20);
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(secondTicks, 3);
}

TEST(FaultDeathTest, EndsWithStatusThreeAfterShowingTheText) {
    EXPECT_EXIT(platform::Fault("Out of EEPROM image address (GetByte)."),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                "Out of EEPROM image address \\(GetByte\\)\\.");
}

TEST(ScriptedMessageBox, AnswersFromScriptThenAsAClosedBox) {
    testsupport::ScriptedMessageBox box;
    using A = platform::IMessageBox::Answer;
    using B = platform::IMessageBox::Buttons;
    using I = platform::IMessageBox::Icon;
    box.Script({A::No});
    EXPECT_EQ(box.Show("t", "first", I::Warning, B::YesNoCancel), A::No);
    EXPECT_EQ(box.Show("t", "second", I::Warning, B::YesNoCancel), A::Cancel);
    EXPECT_EQ(box.Show("t", "third", I::Warning, B::Ok), A::Ok);
    EXPECT_EQ(box.Count(), 3u);
    EXPECT_EQ(box.Last().text, "third");
}

} // namespace
