#include "EventsFixture.h"

#include <cstring>
#include <memory>

namespace eventstest {
namespace {

using Log = std::vector<std::string>;

TEST_F(EventsTest, SendDeliversAtOnceToTheLatestRegisteredFirst) {
    Listener a = MakeListener("a");
    Listener b = MakeListener("b");
    Register(a);
    Register(b);
    m_man.Send(27, 7, 9);
    EXPECT_EQ(TakeLog(), (Log{"b27", "a27"}));
    ASSERT_EQ(a.seen.size(), 1u);
    EXPECT_EQ(a.seen[0].mode, Event::Sent);
    EXPECT_EQ(a.seen[0].first, 7u);
    EXPECT_EQ(a.seen[0].second, 9u);
    EXPECT_EQ(a.seen[0].Length(), 0);
    EXPECT_STREQ(a.seen[0].Text(), "");
}

TEST_F(EventsTest, SendTextCopiesTheTextWithItsTerminator) {
    Listener a = MakeListener("a");
    Register(a);
    std::string text = "Channel 16";
    m_man.SendText(4, 0x0000FF, 0xFFFFFF, text);
    ASSERT_EQ(a.seen.size(), 1u);
    EXPECT_EQ(a.seen[0].Length(), 11);
    EXPECT_STREQ(a.seen[0].Text(), "Channel 16");
    EXPECT_EQ(a.seen[0].first, 0x0000FFu);
}

TEST_F(EventsTest, ArgumentsHoldAnObjectIdentityWhole) {
    Listener a = MakeListener("a");
    Register(a);
    const auto identity = reinterpret_cast<cmcEvArg>(&a);
    m_man.Send(1, 0, identity);
    EXPECT_EQ(a.seen.at(0).second, identity);
}

TEST_F(EventsTest, RegisteringTheSamePairTwiceLeavesOneLiveEntry) {
    Listener a = MakeListener("a");
    Listener other = MakeListener("o");
    Register(a);
    Register(other);
    Register(a);
    m_man.Send(9);
    EXPECT_EQ(TakeLog(), (Log{"a9", "o9"})); // the new registration moved to the front
    EXPECT_EQ(m_man.HandlerEntries(), 3u);   // the replaced entry waits for the next queue pass
    Pass();
    EXPECT_EQ(m_man.HandlerEntries(), 2u);
}

TEST_F(EventsTest, UnregisterMatchesHandlerAndContextTogether) {
    Listener a = MakeListener("a");
    Listener b = MakeListener("b");
    Register(a);
    Register(b);
    Unregister(a);
    m_man.Send(20);
    EXPECT_EQ(TakeLog(), (Log{"b20"}));
    Pass();
    EXPECT_EQ(m_man.HandlerEntries(), 1u);
}

TEST_F(EventsTest, HandlerAddressesBelow0x10000AreIgnored) {
    const auto bogus = reinterpret_cast<cmcEvMan::Handler>(std::uintptr_t{0xFFFF});
    m_man.Register(bogus, nullptr);
    EXPECT_EQ(m_man.HandlerEntries(), 0u);
    m_man.Unregister(bogus, nullptr);
    m_man.Send(2); // would call the bogus address if it had been kept
}

TEST_F(EventsTest, HandlerRegisteredDuringADeliveryMissesThatEvent) {
    Listener late = MakeListener("late");
    Listener a = MakeListener("a");
    a.action = [&](const Event&) { Register(late); };
    Register(a);
    m_man.Send(9);
    m_man.Send(20);
    EXPECT_EQ(TakeLog(), (Log{"a9", "late20", "a20"}));
}

TEST_F(EventsTest, HandlerThatUnregistersItselfIsNotCalledAgainInThePass) {
    Listener quitter = MakeListener("q");
    Listener a = MakeListener("a");
    quitter.action = [&](const Event&) { Unregister(quitter); };
    Register(quitter);
    Register(a);
    m_man.Post(13);
    m_man.Post(16);
    Pass();
    EXPECT_EQ(TakeLog(), (Log{"a13", "q13", "a16"}));
    EXPECT_EQ(m_man.HandlerEntries(), 1u); // unlinked at the end of that pass
}

TEST_F(EventsTest, HandlerUnregisteredByAnEarlierOneIsNotReached) {
    Listener a = MakeListener("a");
    Listener b = MakeListener("b");
    b.action = [&](const Event&) { Unregister(a); };
    Register(a);
    Register(b);
    m_man.Send(21);
    EXPECT_EQ(TakeLog(), (Log{"b21"}));
}

TEST_F(EventsTest, PostedEventsWaitForTheQueuePassAndKeepTheirOrder) {
    Listener a = MakeListener("a");
    Register(a);
    m_man.Post(13, 1, 2);
    m_man.PostText(11, 3, 33, "GI_PMenu_NoItem");
    const char block[] = {'x', '\0', 'y'};
    m_man.PostData(28, block, 3);
    m_time.Advance(9);
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_EQ(m_man.QueuedEvents(), 3u);
    m_time.Advance(1);
    EXPECT_EQ(TakeLog(), (Log{"a13", "a11", "a28"}));
    EXPECT_EQ(m_man.QueuedEvents(), 0u);
    ASSERT_EQ(a.seen.size(), 3u);
    EXPECT_EQ(a.seen[0].mode, Event::Posted);
    EXPECT_STREQ(a.seen[1].Text(), "GI_PMenu_NoItem");
    EXPECT_EQ(a.seen[1].second, 33u);
    EXPECT_EQ(a.seen[2].Length(), 3);
    EXPECT_EQ(std::memcmp(a.seen[2].Data(), block, 3), 0);
    EXPECT_STREQ(a.seen[2].Text(), ""); // not a terminated text
}

TEST_F(EventsTest, EventPostedDuringAPassIsDeliveredInTheNextPass) {
    Listener a = MakeListener("a");
    a.action = [&](const Event& event) {
        if (event.type == 13) {
            m_man.Post(16);
        }
    };
    Register(a);
    m_man.Post(13);
    Pass();
    EXPECT_EQ(TakeLog(), (Log{"a13"}));
    EXPECT_EQ(m_man.QueuedEvents(), 1u);
    Pass();
    EXPECT_EQ(TakeLog(), (Log{"a16"}));
}

TEST_F(EventsTest, PassRunFromAModalLoopInsideASendKeepsTheWalkedEntries) {
    // The first handler unregisters itself and runs a nested loop (a message box) in which a queue
    // pass runs; the send must still reach the next handler safely.
    Listener modal = MakeListener("m");
    Listener a = MakeListener("a");
    modal.action = [&](const Event& event) {
        if (event.type == 2) {
            Unregister(modal);
            m_man.Post(3);
            Pass();
        }
    };
    Register(a);
    Register(modal);
    m_man.Send(2);
    EXPECT_EQ(TakeLog(), (Log{"m2", "a3", "a2"}));
    EXPECT_EQ(m_man.HandlerEntries(), 2u);
    Pass();
    EXPECT_EQ(m_man.HandlerEntries(), 1u);
}

TEST(EventsLifetime, DestroyingTheManagerDropsUndeliveredEvents) {
    testsupport::FakeTime time;
    std::vector<std::string> log;
    Listener a{"a", &log, {}, {}};
    auto man = std::make_unique<cmcEvMan>(time.Timers());
    man->Register(&Listener::Handle, &a);
    man->PostText(4, 0, 0, "never shown");
    man->Post(27);
    man.reset();
    time.Advance(100);
    EXPECT_TRUE(log.empty());
}

} // namespace
} // namespace eventstest
