#include "overlay/cmcHash.h"

#include "overlay/HashBucket.h"
#include "platform/Fault.h"

cmcHash::cmcHash(std::uint32_t buckets) : m_buckets(buckets == 0 ? kDefaultHashBuckets : buckets) {}

cmcHash::~cmcHash() {
    // Unlink chains one entry at a time: letting each entry destroy its successor would recurse once
    // per entry of a long chain.
    for (auto& head : m_buckets) {
        while (head) {
            head = std::move(head->next);
        }
    }
}

void cmcHash::Add(std::string_view key, std::uint32_t value) {
    if (Find(key) != nullptr) {
        platform::Fault("Overlapped Hash table.");
    }
    auto& head = m_buckets[HashBucket(key, BucketCount())];
    auto entry = std::make_unique<Entry>();
    entry->key.assign(key);
    entry->value = value;
    entry->next = std::move(head);
    head = std::move(entry);
    ++m_count;
}

const cmcHash::Entry* cmcHash::Find(std::string_view key) const {
    for (const Entry* entry = m_buckets[HashBucket(key, BucketCount())].get(); entry != nullptr;
         entry = entry->next.get()) {
        if (entry->key == key) {
            return entry;
        }
    }
    return nullptr;
}

std::size_t cmcHash::ChainLength(std::uint32_t bucket) const {
    std::size_t length = 0;
    if (bucket < m_buckets.size()) {
        for (const Entry* entry = m_buckets[bucket].get(); entry != nullptr; entry = entry->next.get()) {
            ++length;
        }
    }
    return length;
}
