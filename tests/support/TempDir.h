#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with everything in it when the
// object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    // Writes `bytes` to the file `name` in this directory and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

// The whole content of a file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// A file of tests/data.
std::filesystem::path TestDataPath(std::string_view name);

} // namespace testsupport
