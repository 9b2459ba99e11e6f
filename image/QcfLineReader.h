#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Splits a clone file, opened in binary, into lines as a text-mode read into a buffer of 768 bytes
// would. A line ends at a line feed; a carriage return just before it is dropped. A physical line of
// more than kLineBytes bytes (its line feed counted) is taken as several lines: each holds kLineBytes
// bytes, the last one the rest. The file's last line counts whether or not it has a line end.
class QcfLineReader {
public:
    static constexpr std::size_t kLineBytes = 767;

    struct Line {
        std::string text;   // without its line feed
        bool ended = false; // a line feed ended it (false for a piece of a longer line and at the end of the file)
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
