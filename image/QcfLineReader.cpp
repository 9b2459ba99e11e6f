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
    line.ended = false;
    if (m_failed) {
        return false;
    }
    int c = Get();
    if (c == EOF) {
        return false;
    }
    for (; c != EOF; c = Get()) {
        if (c == '\r') {
            // A carriage return counts only when no line feed follows it.
            const int next = Get();
            if (next == '\n') {
                c = next;
            } else if (next != EOF) {
                std::ungetc(next, m_file);
            }
        }
        if (c == '\n') {
            line.ended = true;
            break;
        }
        line.text.push_back(static_cast<char>(c));
        // The buffer is full when only its line feed would still fit: the rest is the next line.
        if (line.text.size() == kLineBytes) {
            break;
        }
    }
    return !m_failed;
}
