#pragma once

#include "../InstanceLock.h"

#include <filesystem>
#include <memory>
#include <string>

class QLockFile;

namespace platform {

// The single-instance lock as a QLockFile in the user's runtime directory, named after the lock name
// ("Quon VQ-N58 APP Exclusive Mutex.lock"). A lock file whose owner process is gone is taken over;
// a live owner's lock is never taken, however old.
class QtInstanceLock final : public IInstanceLock {
public:
    // The lock of `name` in the runtime directory (QStandardPaths::RuntimeLocation).
    explicit QtInstanceLock(const std::string& name);
    // The lock of `name` in `directory` (tests).
    QtInstanceLock(const std::string& name, const std::filesystem::path& directory);
    ~QtInstanceLock() override;
    QtInstanceLock(const QtInstanceLock&) = delete;
    QtInstanceLock& operator=(const QtInstanceLock&) = delete;

    bool TryLock() override;
    void Unlock() override;
    bool IsLocked() const override;

    const std::filesystem::path& FilePath() const { return m_path; }

    // The lock file's name for a lock name: characters that cannot stand in a file name become '_'.
    static std::string FileNameFor(const std::string& name);

private:
    std::filesystem::path m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
