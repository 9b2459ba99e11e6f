#include "QtInstanceLock.h"

#include <QLockFile>
#include <QStandardPaths>
#include <QString>

namespace platform {
namespace {

std::filesystem::path RuntimeDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return std::filesystem::path(dir.toStdU16String());
}

} // namespace

std::string QtInstanceLock::FileNameFor(const std::string& name) {
    std::string file = name;
    for (char& c : file) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
            c == '|') {
            c = '_';
        }
    }
    return file + ".lock";
}

QtInstanceLock::QtInstanceLock(const std::string& name) : QtInstanceLock(name, RuntimeDirectory()) {}

QtInstanceLock::QtInstanceLock(const std::string& name, const std::filesystem::path& directory)
    : m_path(directory / FileNameFor(name)),
      m_lock(std::make_unique<QLockFile>(QString::fromStdU16String(m_path.u16string()))) {
    // Only a dead owner makes a lock stale: the program may run for days.
    m_lock->setStaleLockTime(0);
}

QtInstanceLock::~QtInstanceLock() {
    Unlock();
}

bool QtInstanceLock::TryLock() {
    return m_lock->isLocked() || m_lock->tryLock(0);
}

void QtInstanceLock::Unlock() {
    if (m_lock->isLocked()) {
        m_lock->unlock();
    }
}

bool QtInstanceLock::IsLocked() const {
    return m_lock->isLocked();
}

} // namespace platform
