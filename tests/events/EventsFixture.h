#pragma once

#include "events/cmcEvMan.h"
#include "support/FakeClock.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace eventstest {

// A handler context that logs "<name><type>" for every event it gets and may run an action then.
struct Listener {
    std::string name;
    std::vector<std::string>* log = nullptr;
    std::function<void(const Event&)> action;
    std::vector<Event> seen;

    static void Handle(void* context, const Event& event);
};

// A manager on fake time with a shared log.
class EventsTest : public testing::Test {
protected:
    testsupport::FakeTime m_time;
    cmcEvMan m_man{m_time.Timers()};
    std::vector<std::string> m_log;

    Listener MakeListener(std::string name) { return Listener{std::move(name), &m_log, {}, {}}; }
    void Register(Listener& listener) { m_man.Register(&Listener::Handle, &listener); }
    void Unregister(Listener& listener) { m_man.Unregister(&Listener::Handle, &listener); }
    // One queue pass: the manager's task runs every 10 ms.
    void Pass() { m_time.Advance(10); }
    std::vector<std::string> TakeLog() { return std::exchange(m_log, {}); }
};

} // namespace eventstest
