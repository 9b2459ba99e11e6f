#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The overlay file as the reader sees it: a read-only byte stream with a current offset, read one line
// at a time.
//
// The file is opened in binary on every platform; a carriage return right before a line feed is dropped
// here, so a file written with CR LF line ends reads exactly like one written with LF. A line is at most
// kMaxLineBytes bytes including its line feed; a longer physical line comes back as several lines.
// Only regular files are opened: a directory, a device or a pipe is refused rather than read forever or
// waited on. A read error counts as the end of the file.
class GTexFile {
public:
    // The most bytes one line read returns, its line feed included.
    static constexpr std::size_t kMaxLineBytes = 8191;

    GTexFile() = default;
    ~GTexFile();
    GTexFile(const GTexFile&) = delete;
    GTexFile& operator=(const GTexFile&) = delete;

    // Opens `path` for reading; the current offset becomes 0. False when it cannot be opened.
    bool Open(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }

    // The offset of the next byte a line read takes.
    long Offset() const { return m_offset; }

    // Moves the current offset; false for a negative offset. The stream itself is repositioned only when
    // the next line is read from the file, so a line served from elsewhere costs no file operation.
    bool Seek(long offset);

    // Reads one line from the current offset into `line` (line feed kept, a CR before it dropped) and
    // advances the offset past the bytes taken. False, with `line` empty, at the end of the file.
    bool ReadLine(std::string& line);

    // Physical line reads and stream repositionings since opening (or since ResetCounters).
    std::uint64_t LineReads() const { return m_lineReads; }
    std::uint64_t StreamSeeks() const { return m_streamSeeks; }
    void ResetCounters();

private:
    std::FILE* m_file = nullptr;
    long m_offset = 0;
    long m_streamOffset = 0;
    std::uint64_t m_lineReads = 0;
    std::uint64_t m_streamSeeks = 0;
};
