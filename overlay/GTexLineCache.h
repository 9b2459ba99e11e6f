#pragma once

#include <cstddef>
#include <string>

// The overlay reader's cache of recently read lines, keyed by the file offset where each line starts.
//
// A doubly linked ring around a sentinel holding at most kCapacity entries; the most recently used
// entry sits right after the sentinel, and a new line pushes out the least recently used one at the
// back. Each entry owns a copy of the line and remembers how many file bytes the line took, so a hit
// moves the reader past the line without touching the file.
class GTexLineCache {
public:
    static constexpr std::size_t kCapacity = 64;

    struct Entry {
        long offset = 0;  // file offset where the line starts
        long length = 0;  // file bytes the line took (offset after minus offset before)
        std::string text; // the line as read, line feed kept
        Entry* prev = nullptr;
        Entry* next = nullptr;
    };

    GTexLineCache();
    ~GTexLineCache();
    GTexLineCache(const GTexLineCache&) = delete;
    GTexLineCache& operator=(const GTexLineCache&) = delete;

    // The entry of the line starting at `offset`, moved to the front; nullptr when it is not cached.
    const Entry* Find(long offset);

    // Caches a line just read from the file at the front, dropping the least recently used entry when
    // the cache is full.
    void Insert(long offset, long length, const std::string& text);

    std::size_t Size() const { return m_size; }

private:
    void Unlink(Entry* entry);
    void LinkFront(Entry* entry);

    Entry m_sentinel;
    std::size_t m_size = 0;
};
