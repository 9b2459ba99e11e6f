#include "AtomicFile.h"

#include <cerrno>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

// POSIX file calls; a Windows build needs _commit, MoveFileEx and the wide-character paths here.
constexpr int kOpenFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;

// Makes the rename itself durable. Best effort: the file is already complete and in place.
void SyncDirectory(const fs::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Open(const fs::path& target) {
    Discard();
    m_failed = false;
    std::error_code error;
    m_target = target;
    if (fs::is_symlink(target, error)) {
        const auto resolved = fs::weakly_canonical(target, error);
        if (!error) {
            m_target = resolved;
        }
    }
    const auto status = fs::status(m_target, error);
    const bool exists = fs::exists(status);
    // Only a regular file is replaced: a rename would put a plain file in place of a directory, a device
    // or a pipe. And a rename would succeed where writing the file in place is refused; honour that too.
    if (exists && (!fs::is_regular_file(status) || ::access(m_target.c_str(), W_OK) != 0)) {
        return false;
    }
    const fs::path directory = m_target.has_parent_path() ? m_target.parent_path() : fs::path(".");
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto candidate =
            directory / ("." + m_target.filename().string() + "." + std::to_string(random() % 1000000) + ".tmp");
        // Mode 0666 lets the umask decide for a new file, as an ordinary save would.
        m_fd = ::open(candidate.c_str(), kOpenFlags, 0666);
        if (m_fd >= 0) {
            m_temporary = candidate;
            break;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    if (m_fd < 0) {
        return false;
    }
    if (exists) {
        // The replacement keeps the permissions of the file it replaces.
        ::fchmod(m_fd, static_cast<mode_t>(status.permissions() & fs::perms::mask));
    }
    return true;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (m_fd < 0 || m_failed) {
        return false;
    }
    while (!bytes.empty()) {
        const auto written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            m_failed = true;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFile::Commit() {
    if (m_fd < 0 || m_failed) {
        Discard();
        return false;
    }
    const bool synced = ::fsync(m_fd) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    std::error_code error;
    if (!synced || !closed) {
        Discard();
        return false;
    }
    fs::rename(m_temporary, m_target, error);
    if (error) {
        Discard();
        return false;
    }
    m_temporary.clear();
    SyncDirectory(m_target.has_parent_path() ? m_target.parent_path() : fs::path("."));
    return true;
}

void AtomicFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        std::error_code error;
        fs::remove(m_temporary, error);
        m_temporary.clear();
    }
}

} // namespace platform
