#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace testsupport {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vqn58-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    // Directories a test made read-only must become writable again to be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, error);
         !error && it != std::filesystem::recursive_directory_iterator();
         it.increment(error)) {
        std::filesystem::permissions(
            it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    }
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::filesystem::path TempDir::Write(std::string_view name, std::string_view bytes) const {
    const auto path = m_path / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path TestDataPath(std::string_view name) {
    const char* fromEnvironment = std::getenv("VQN58_TEST_DATA");
    return std::filesystem::path(fromEnvironment ? fromEnvironment : VQN58_TEST_DATA) / name;
}

} // namespace testsupport
