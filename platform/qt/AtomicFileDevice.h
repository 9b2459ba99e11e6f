#pragma once

#include "platform/AtomicFile.h"

#include <QIODevice>
#include <filesystem>

namespace platform {

// A write-only Qt device over an AtomicFile: what is written goes to a temporary file beside the target,
// and Commit puts it in the target's place only when every write succeeded. A failed write fails the
// device (Qt's writer sees -1) and spoils the file; closing or destroying the device without a Commit
// removes the temporary file and leaves the target as it was.
class AtomicFileDevice : public QIODevice {
public:
    AtomicFileDevice() = default;
    ~AtomicFileDevice() override;
    AtomicFileDevice(const AtomicFileDevice&) = delete;
    AtomicFileDevice& operator=(const AtomicFileDevice&) = delete;

    // Makes the temporary file for `target` and opens the device for writing; false, closed, when the
    // temporary file cannot be made (AtomicFile::Open).
    bool Begin(const std::filesystem::path& target);
    // Puts the written file in the target's place and closes the device. False when a write failed, the
    // device is not open, or the file could not be synced or renamed; the target is then as it was.
    bool Commit();
    // True once a write has failed since Begin.
    bool Failed() const { return m_failed; }

    bool isSequential() const override { return true; }
    void close() override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    AtomicFile m_file;
    bool m_failed = false;
};

} // namespace platform
