#pragma once

#include "overlay/GTexFile.h"
#include "overlay/GTexLineCache.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The definition overlay reader: answers lookups of texts and definition lines by section key.
//
// The overlay is a text file of '#'-headed sections. The file is opened lazily by the first lookup and
// never read whole: the section index grows only as far as lookups need, sequential reads of a section
// are served from a per-section bookmark, and the 64 most recently read lines are cached.
//
// A failed lookup (missing key, missing or unreadable file, end of file inside a section) is a fault:
// "GTEX Error !\nThe index '<key>' was not found." through platform::Fault, so callers never see an
// error result.
class cmcGTex {
public:
    cmcGTex();
    ~cmcGTex();
    cmcGTex(const cmcGTex&) = delete;
    cmcGTex& operator=(const cmcGTex&) = delete;

    // Records the overlay's path; succeeds only the first time (false, nothing changed, afterwards).
    // Does not open the file.
    bool SetSourceFile(const std::string& path);

    // Line `index` (from 0) of section `key`, without its line end. Lines run on past the next header:
    // line k is simply the k-th line after the header. A negative index, like a line past the end of
    // the file, is a fault.
    std::string GetLine(std::string_view key, int index);

    // Line 0 of section `key`.
    std::string GetText(std::string_view key);

    // Lines 0, 1, 2 ... of `key` up to (not including) the first non-empty line that begins with '#',
    // joined by "\n".
    std::string GetLongText(std::string_view key);

    // What the reader has cost so far, for benchmarks and tests that count reads rather than time.
    struct ReadCounters {
        std::uint64_t fileLineReads = 0; // lines read from the file, by the header scan and by lookups
        std::uint64_t streamSeeks = 0;   // repositionings of the file stream
        std::uint64_t cacheHits = 0;     // lines served from the line cache
        std::uint64_t cacheMisses = 0;   // lookup lines that had to be read from the file
        std::uint64_t indexCompares = 0; // section keys compared while walking the index
    };
    ReadCounters Counters() const;
    void ResetCounters();

    // Whether the overlay file is open (it opens with the first lookup).
    bool IsOpen() const { return m_file.IsOpen(); }

    // The keys of the section index in list order (the most recently promoted first).
    std::vector<std::string> IndexOrder() const;

private:
    // One entry of the section index.
    struct Section {
        std::string key;
        long start = 0;          // file offset of line 0
        int bookmarkIndex = 0;   // index of the line after the last one read
        long bookmarkOffset = 0; // file offset where that line starts
        std::unique_ptr<Section> next;
    };

    Section* FindSection(std::string_view key);
    bool ScanNextLine();
    bool Seek(long offset);
    bool ReadLine(bool useCache);
    void AppendSection(std::string key, long start);
    [[noreturn]] static void Fail(std::string_view key);

    std::string m_path;
    bool m_pathSet = false;
    GTexFile m_file;
    std::string m_line; // the last line read, line feed kept

    std::unique_ptr<Section> m_head;
    Section* m_tail = nullptr;
    std::size_t m_sectionCount = 0;
    long m_scanOffset = 0;
    bool m_moreToScan = true;

    GTexLineCache m_cache;
    std::uint64_t m_cacheHits = 0;
    std::uint64_t m_cacheMisses = 0;
    std::uint64_t m_indexCompares = 0;
};

// Field `n` (from 0) of `text` split at `separator`; nothing when the text has fewer than n + 1 fields.
// Fields are not trimmed; two separators in a row give an empty field.
std::optional<std::string> GetField(std::string_view text, char separator, int n);
