#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A name table: a chained hash table from a name to a 32-bit value.
//
// Names read from the overlay (category names, cell kind names, colour names) are resolved through
// such tables. Keys compare byte for byte, case-sensitively. A name may be added once only: a second
// Add of the same key is a fault ("Overlapped Hash table."), because it marks a duplicated name in a
// built-in or overlay name list.
class cmcHash {
public:
    // One entry of a chain; owned by the table.
    struct Entry {
        std::string key;
        std::uint32_t value = 0;
        std::unique_ptr<Entry> next;
    };

    // A table of `buckets` chains; 0 gives kDefaultHashBuckets (1031).
    explicit cmcHash(std::uint32_t buckets = 0);
    ~cmcHash();
    cmcHash(const cmcHash&) = delete;
    cmcHash& operator=(const cmcHash&) = delete;

    // Adds `key` with `value` at the head of its chain; a key already present is a fault.
    void Add(std::string_view key, std::uint32_t value);

    // The entry of `key`, or nullptr. The pointer stays valid as long as the table lives.
    const Entry* Find(std::string_view key) const;

    std::uint32_t BucketCount() const { return static_cast<std::uint32_t>(m_buckets.size()); }
    std::size_t Count() const { return m_count; }

    // How many entries the chain of bucket `bucket` holds (for tests of the distribution).
    std::size_t ChainLength(std::uint32_t bucket) const;

private:
    std::vector<std::unique_ptr<Entry>> m_buckets;
    std::size_t m_count = 0;
};
