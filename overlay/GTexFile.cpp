#include "overlay/GTexFile.h"

#include <filesystem>
#include <system_error>

namespace {

// One byte from the stream without taking its lock for every byte: the overlay is read a byte at a
// time, and only the user-interface thread ever reads it.
inline int NextByte(std::FILE* file) {
#if defined(_WIN32)
    return _getc_nolock(file);
#else
    return getc_unlocked(file);
#endif
}

} // namespace

GTexFile::~GTexFile() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool GTexFile::Open(const std::string& path) {
    if (m_file != nullptr || path.empty()) {
        return false;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
        return false;
    }
    m_file = std::fopen(path.c_str(), "rb");
    m_offset = 0;
    m_streamOffset = 0;
    return m_file != nullptr;
}

bool GTexFile::Seek(long offset) {
    if (offset < 0) {
        return false;
    }
    m_offset = offset;
    return true;
}

bool GTexFile::ReadLine(std::string& line) {
    line.clear();
    if (m_file == nullptr) {
        return false;
    }
    ++m_lineReads;
    if (m_streamOffset != m_offset) {
        ++m_streamSeeks;
        if (std::fseek(m_file, m_offset, SEEK_SET) != 0) {
            return false;
        }
        m_streamOffset = m_offset;
    }
    std::clearerr(m_file);
    long taken = 0;
    while (line.size() < kMaxLineBytes) {
        int byte = NextByte(m_file);
        if (byte == EOF) {
            break;
        }
        ++taken;
        if (byte == '\r') {
            const int next = NextByte(m_file);
            if (next == '\n') {
                ++taken;
                byte = '\n';
            } else if (next != EOF) {
                std::ungetc(next, m_file);
            }
        }
        line.push_back(static_cast<char>(byte));
        if (byte == '\n') {
            break;
        }
    }
    m_offset += taken;
    m_streamOffset = m_offset;
    return !line.empty();
}

void GTexFile::ResetCounters() {
    m_lineReads = 0;
    m_streamSeeks = 0;
}
