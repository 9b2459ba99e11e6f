#include "platform/qt/AtomicFileDevice.h"

#include <string_view>

namespace platform {

AtomicFileDevice::~AtomicFileDevice() {
    close();
}

bool AtomicFileDevice::Begin(const std::filesystem::path& target) {
    close();
    m_failed = false;
    if (!m_file.Open(target)) {
        return false;
    }
    return open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool AtomicFileDevice::Commit() {
    if (!isOpen()) {
        return false;
    }
    const bool committed = !m_failed && m_file.Commit();
    close();
    return committed;
}

void AtomicFileDevice::close() {
    m_file.Discard(); // nothing after a Commit
    if (isOpen()) {
        QIODevice::close();
    }
}

qint64 AtomicFileDevice::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 AtomicFileDevice::writeData(const char* data, qint64 size) {
    if (m_failed || !m_file.Write(std::string_view(data, static_cast<std::size_t>(size)))) {
        m_failed = true;
        setErrorString(QStringLiteral("write failed"));
        return -1;
    }
    return size;
}

} // namespace platform
