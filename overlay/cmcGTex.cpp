#include "overlay/cmcGTex.h"

#include "platform/Fault.h"

namespace {

constexpr std::string_view kEndKey = "End_Of_Ovl";

// Entries found this far down the index are moved to its head; the first ones stay where they are.
constexpr std::size_t kLastUnmovedPosition = 10;

// A header line: '#' followed by at least one character before the line end. A lone "#" is an
// ordinary line.
bool IsHeader(const std::string& line) {
    return line.size() >= 2 && line[0] == '#' && line[1] != '\n';
}

// The line without its line end: everything from the first line feed on is cut off.
std::string_view WithoutLineEnd(std::string_view line) {
    return line.substr(0, line.find('\n'));
}

} // namespace

cmcGTex::cmcGTex() = default;

cmcGTex::~cmcGTex() {
    // Unlink the index one entry at a time: a long index would otherwise be freed by recursion.
    while (m_head) {
        m_head = std::move(m_head->next);
    }
}

bool cmcGTex::SetSourceFile(const std::string& path) {
    if (m_pathSet) {
        return false;
    }
    m_path = path;
    m_pathSet = true;
    return true;
}

std::string cmcGTex::GetLine(std::string_view key, int index) {
    Section* section = FindSection(key);
    if (section == nullptr || !m_file.IsOpen() || index < 0) {
        Fail(key);
    }
    // Reading on from the bookmark serves sequential reads at one line each; a jump backwards has to
    // count lines again from the section's start.
    int running = section->bookmarkIndex;
    long from = section->bookmarkOffset;
    if (index < section->bookmarkIndex) {
        running = 0;
        from = section->start;
    }
    if (!Seek(from)) {
        Fail(key);
    }
    for (; running < index; ++running) {
        if (!ReadLine(true)) {
            Fail(key);
        }
    }
    if (!ReadLine(true)) {
        Fail(key);
    }
    section->bookmarkIndex = index + 1;
    section->bookmarkOffset = m_file.Offset();
    return std::string(WithoutLineEnd(m_line));
}

std::string cmcGTex::GetText(std::string_view key) {
    return GetLine(key, 0);
}

std::string cmcGTex::GetLongText(std::string_view key) {
    std::string text;
    for (int index = 0;; ++index) {
        const std::string line = GetLine(key, index);
        if (!line.empty() && line[0] == '#') {
            return text;
        }
        if (index > 0) {
            text += '\n';
        }
        text += line;
    }
}

cmcGTex::ReadCounters cmcGTex::Counters() const {
    ReadCounters counters;
    counters.fileLineReads = m_file.LineReads();
    counters.streamSeeks = m_file.StreamSeeks();
    counters.cacheHits = m_cacheHits;
    counters.cacheMisses = m_cacheMisses;
    counters.indexCompares = m_indexCompares;
    return counters;
}

void cmcGTex::ResetCounters() {
    m_file.ResetCounters();
    m_cacheHits = 0;
    m_cacheMisses = 0;
    m_indexCompares = 0;
}

std::vector<std::string> cmcGTex::IndexOrder() const {
    std::vector<std::string> keys;
    keys.reserve(m_sectionCount);
    for (const Section* section = m_head.get(); section != nullptr; section = section->next.get()) {
        keys.push_back(section->key);
    }
    return keys;
}

cmcGTex::Section* cmcGTex::FindSection(std::string_view key) {
    Section* previous = nullptr;
    std::size_t position = 0;
    for (Section* section = m_head.get(); section != nullptr; section = section->next.get()) {
        ++m_indexCompares;
        if (section->key == key) {
            if (position > kLastUnmovedPosition) {
                // Move to the head so keys asked for often are found after a short walk.
                std::unique_ptr<Section> moved = std::move(previous->next);
                previous->next = std::move(moved->next);
                if (m_tail == section) {
                    m_tail = previous;
                }
                moved->next = std::move(m_head);
                m_head = std::move(moved);
            }
            return section;
        }
        previous = section;
        ++position;
    }
    // Not indexed yet: scan on for headers, one line per step, until the key turns up or the scan ends.
    std::size_t seen = m_sectionCount;
    while (m_moreToScan) {
        ScanNextLine();
        if (m_sectionCount > seen) {
            seen = m_sectionCount;
            ++m_indexCompares;
            if (m_tail->key == key) {
                return m_tail;
            }
        }
    }
    return nullptr;
}

bool cmcGTex::ScanNextLine() {
    if (!m_moreToScan) {
        return false;
    }
    if (!m_file.IsOpen()) {
        m_scanOffset = 0;
        m_moreToScan = m_file.Open(m_path);
        return m_moreToScan;
    }
    if (!Seek(m_scanOffset)) {
        m_moreToScan = false;
        return false;
    }
    if (!ReadLine(false)) {
        m_moreToScan = false;
    } else if (IsHeader(m_line)) {
        std::string sectionKey(WithoutLineEnd(m_line).substr(1));
        const bool last = sectionKey == kEndKey;
        AppendSection(std::move(sectionKey), m_file.Offset());
        if (last) {
            m_moreToScan = false;
        }
    }
    m_scanOffset = m_file.Offset();
    return m_moreToScan;
}

bool cmcGTex::Seek(long offset) {
    return m_file.Seek(offset);
}

bool cmcGTex::ReadLine(bool useCache) {
    if (!useCache) {
        return m_file.ReadLine(m_line);
    }
    const long offset = m_file.Offset();
    if (const GTexLineCache::Entry* hit = m_cache.Find(offset)) {
        ++m_cacheHits;
        m_line = hit->text;
        return m_file.Seek(offset + hit->length);
    }
    ++m_cacheMisses;
    // The end of the file is not cached: a later read there must fail again, not find an empty line.
    if (!m_file.ReadLine(m_line)) {
        return false;
    }
    m_cache.Insert(offset, m_file.Offset() - offset, m_line);
    return true;
}

void cmcGTex::AppendSection(std::string key, long start) {
    auto section = std::make_unique<Section>();
    section->key = std::move(key);
    section->start = start;
    section->bookmarkIndex = 0;
    section->bookmarkOffset = start;
    Section* added = section.get();
    if (m_tail == nullptr) {
        m_head = std::move(section);
    } else {
        m_tail->next = std::move(section);
    }
    m_tail = added;
    ++m_sectionCount;
}

void cmcGTex::Fail(std::string_view key) {
    std::string text = "GTEX Error !\nThe index '";
    text.append(key);
    text.append("' was not found.");
    platform::Fault(text);
}
