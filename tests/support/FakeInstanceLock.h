#pragma once

#include "platform/InstanceLock.h"

namespace testsupport {

// A single-instance lock shared through a flag: two FakeInstanceLocks on one `held` flag behave as two
// processes asking for the same named lock.
class FakeInstanceLock final : public platform::IInstanceLock {
public:
    explicit FakeInstanceLock(bool& held) : m_held(held) {}
    ~FakeInstanceLock() override { Unlock(); }
    FakeInstanceLock(const FakeInstanceLock&) = delete;
    FakeInstanceLock& operator=(const FakeInstanceLock&) = delete;

    bool TryLock() override {
        if (m_mine) {
            return true;
        }
        if (m_held) {
            return false;
        }
        m_held = m_mine = true;
        return true;
    }
    void Unlock() override {
        if (m_mine) {
            m_held = m_mine = false;
        }
    }
    bool IsLocked() const override { return m_mine; }

private:
    bool& m_held;
    bool m_mine = false;
};

} // namespace testsupport
