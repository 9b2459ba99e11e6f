#include "app/cmcRecent.h"

#include <algorithm>

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDelimiter(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

// A root directory keeps its delimiter, so "/x.qcf" is never taken for a name without a directory.
std::string WithoutTrailingDelimiter(std::string path) {
    while (path.size() > 1 && IsDelimiter(path.back())) {
        path.pop_back();
    }
    return path;
}

} // namespace

bool cmcRecent::SamePath(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) == Lower(y); });
}

void cmcRecent::RemoveEqual(const std::string& path) {
    std::erase_if(m_entries, [&](const std::string& entry) { return SamePath(entry, path); });
}

void cmcRecent::Trim() {
    if (m_entries.size() > m_capacity) {
        m_entries.resize(m_capacity);
    }
}

void cmcRecent::AddFirst(const std::string& path) {
    RemoveEqual(path);
    m_entries.insert(m_entries.begin(), path);
    Trim();
}

void cmcRecent::AddLast(const std::string& path) {
    RemoveEqual(path);
    m_entries.push_back(path);
    Trim();
}

int cmcRecent::Count() {
    Trim();
    return static_cast<int>(m_entries.size());
}

std::string cmcRecent::Entry(int i) const {
    return (i >= 0 && static_cast<std::size_t>(i) < m_entries.size()) ? m_entries[static_cast<std::size_t>(i)]
                                                                      : std::string();
}

std::string cmcRecent::DisplayName(int i, const std::string& directory) {
    if (i < 0 || i >= Count()) {
        return {};
    }
    const std::string& entry = m_entries[static_cast<std::size_t>(i)];
    std::size_t cut = entry.size();
    while (cut > 0 && !IsDelimiter(entry[cut - 1])) {
        --cut;
    }
    const std::string entryDirectory = WithoutTrailingDelimiter(entry.substr(0, cut));
    if (SamePath(entryDirectory, WithoutTrailingDelimiter(directory))) {
        return entry.substr(cut);
    }
    return entry;
}
