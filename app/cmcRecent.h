#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The list of recently used clone files, most recent first, with a fixed capacity. Entries are full
// paths (UTF-8) and compare without regard to letter case, so one file is listed once however its
// name was typed.
class cmcRecent {
public:
    explicit cmcRecent(std::size_t capacity = 10) : m_capacity(capacity) {}

    // Removes every entry equal to `path`, inserts it at the top, then trims to the capacity.
    void AddFirst(const std::string& path);
    // Removes every entry equal to `path`, appends it, then trims to the capacity.
    void AddLast(const std::string& path);
    // Trims, then answers the number of entries.
    int Count();
    // Entry i, shortened to its file name when its directory equals `directory` (both taken without a
    // trailing path delimiter, letter case ignored); empty for i at or beyond Count.
    std::string DisplayName(int i, const std::string& directory);
    // Entry i as stored; empty for i outside the list.
    std::string Entry(int i) const;
    void Clear() { m_entries.clear(); }
    std::size_t Capacity() const { return m_capacity; }

    // True when two paths name the same entry (letter case ignored).
    static bool SamePath(const std::string& a, const std::string& b);

private:
    void RemoveEqual(const std::string& path);
    void Trim();

    std::size_t m_capacity;
    std::vector<std::string> m_entries;
};
