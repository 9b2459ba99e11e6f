#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Splits a clone file, opened in binary, into lines. A line ends at a line feed; a carriage return just
// before it is dropped (as a text-mode read would), and the file's last line counts whether or not it
// has a line end. Only the first kKeptBytes bytes of a line are kept: no valid line is longer, and a
// hostile file cannot make the reader hold more.
class QcfLineReader {
public:
    static constexpr std::size_t kKeptBytes = 767;

    struct Line {
        std::string text; // without its line end, cut to kKeptBytes
        bool cut = false; // the physical line was longer than kKeptBytes
    };

    explicit QcfLineReader(std::FILE* file) : m_file(file) {}

    // The next line; false at the end of the file or on a read error (see Failed).
    bool Next(Line& line);

    // True when reading stopped on an error rather than at the end of the file.
    bool Failed() const { return m_failed; }

private:
    int Get();

    std::FILE* m_file;
    bool m_failed = false;
};
