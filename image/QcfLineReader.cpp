#include "image/QcfLineReader.h"

int QcfLineReader::Get() {
    const int c = std::getc(m_file);
    if (c == EOF && std::ferror(m_file)) {
        m_failed = true;
    }
    return c;
}

bool QcfLineReader::Next(Line& line) {
    line.text.clear();
    line.cut = false;
    if (m_failed) {
        return false;
    }
    int c = Get();
    if (c == EOF) {
        return false;
    }
    std::size_t length = 0; // of the whole physical line, not only the kept part
    bool pendingReturn = false;
    for (; c != EOF && c != '\n'; c = Get()) {
        // A carriage return is held back until the next byte shows whether it ends the line.
        if (pendingReturn) {
            if (length++ < kKeptBytes) {
                line.text.push_back('\r');
            }
        }
        pendingReturn = c == '\r';
        if (!pendingReturn && length++ < kKeptBytes) {
            line.text.push_back(static_cast<char>(c));
        }
    }
    // A carriage return at the very end of the file, with no line feed after it, is data.
    if (pendingReturn && c == EOF && length++ < kKeptBytes) {
        line.text.push_back('\r');
    }
    line.cut = length > kKeptBytes;
    return !m_failed;
}
