#pragma once

namespace platform {

// The single-instance lock of the desktop program: a named, process-wide lock that only one running
// copy can hold. A lock left behind by a copy that died is recovered by the next one.
class IInstanceLock {
public:
    virtual ~IInstanceLock() = default;
    // Takes the lock without waiting; true when this process now holds it (also when it already did).
    virtual bool TryLock() = 0;
    // Releases the lock when this process holds it; nothing otherwise.
    virtual void Unlock() = 0;
    virtual bool IsLocked() const = 0;
};

} // namespace platform
