#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace platform {

// Replaces a file all at once or not at all. The new content goes to a temporary file in the target's
// own directory; Commit flushes it to the disk and renames it over the target in one step, so a reader
// (or a crash, or a full disk) sees either the old file or the complete new one, never a mix. Anything
// short of a successful Commit removes the temporary file and leaves the target untouched.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile(); // discards an uncommitted temporary file
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Prepares to replace `target`. Symbolic links are followed to the file they lead to, which is
    // replaced (or made, for a dangling link) while the links stay. The new file keeps the owner, group
    // and permissions of the old one as far as this process may set them. False when the links form a
    // loop, the target exists but is not a regular file or may not be written, or the temporary file
    // cannot be created.
    bool Open(const std::filesystem::path& target);

    // Appends bytes to the temporary file; false on any write failure (the file is then spoiled and
    // Commit will refuse).
    bool Write(std::string_view bytes);

    // Flushes the temporary file to the disk and renames it over the target. False when anything failed
    // since Open; the target is then as it was before Open.
    bool Commit();

    // Removes the temporary file, if any, without touching the target.
    void Discard();

private:
    int m_fd = -1;
    bool m_failed = false;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
};

} // namespace platform
