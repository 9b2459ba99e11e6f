#include "overlay/GTexLineCache.h"

GTexLineCache::GTexLineCache() {
    m_sentinel.prev = &m_sentinel;
    m_sentinel.next = &m_sentinel;
}

GTexLineCache::~GTexLineCache() {
    Entry* entry = m_sentinel.next;
    while (entry != &m_sentinel) {
        Entry* next = entry->next;
        delete entry;
        entry = next;
    }
}

const GTexLineCache::Entry* GTexLineCache::Find(long offset) {
    for (Entry* entry = m_sentinel.next; entry != &m_sentinel; entry = entry->next) {
        if (entry->offset == offset) {
            if (entry != m_sentinel.next) {
                Unlink(entry);
                LinkFront(entry);
            }
            return entry;
        }
    }
    return nullptr;
}

void GTexLineCache::Insert(long offset, long length, const std::string& text) {
    Entry* entry = nullptr;
    if (m_size < kCapacity) {
        entry = new Entry;
        ++m_size;
    } else {
        // Reuse the least recently used entry: same effect as freeing it and making a new one.
        entry = m_sentinel.prev;
        Unlink(entry);
    }
    entry->offset = offset;
    entry->length = length;
    entry->text = text;
    LinkFront(entry);
}

void GTexLineCache::Unlink(Entry* entry) {
    entry->prev->next = entry->next;
    entry->next->prev = entry->prev;
}

void GTexLineCache::LinkFront(Entry* entry) {
    entry->prev = &m_sentinel;
    entry->next = m_sentinel.next;
    m_sentinel.next->prev = entry;
    m_sentinel.next = entry;
}
