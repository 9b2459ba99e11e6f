#include "AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
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

// Follows `path` through symbolic links to the file they lead to, which need not exist: a dangling
// link leads to the file it names. A relative link is taken from the link's own directory. Empty after
// too many links (a loop) or when a link cannot be read.
fs::path FinalTarget(fs::path path) {
    constexpr int kMostLinks = 40; // as the system's own path resolution allows
    for (int links = 0; links <= kMostLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            return {};
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {};
}

} // namespace

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Open(const fs::path& target) {
    Discard();
    m_failed = false;
    // The file a link leads to is replaced, never the link; a link loop cannot be saved to.
    m_target = FinalTarget(target);
    if (m_target.empty()) {
        return false;
    }
    struct stat old {};
    const bool exists = ::stat(m_target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return false; // a folder on the way is a loop, not a folder, or may not be searched
    }
    // Only a regular file is replaced: a rename would put a plain file in place of a directory, a device
    // or a pipe. And a rename would succeed where writing the file in place is refused; honour that too.
    if (exists && (!S_ISREG(old.st_mode) || ::access(m_target.c_str(), W_OK) != 0)) {
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
        // The replacement keeps the owner and group of the file it replaces where this process may set
        // them (the group alone often, both only with privilege), then its permissions: a change of
        // owner may clear the set-id bits.
        if (::fchown(m_fd, old.st_uid, old.st_gid) != 0) {
            (void)::fchown(m_fd, static_cast<uid_t>(-1), old.st_gid);
        }
        ::fchmod(m_fd, old.st_mode & 07777);
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
