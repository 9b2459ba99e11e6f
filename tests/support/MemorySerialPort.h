#pragma once

#include "platform/ISerialDevice.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

// An in-memory serial device. What the program writes is recorded and handed to `peer` (by default
// echoed back, as the one-wire clone cable does); what the test or the peer feeds is read back.
class MemorySerialPort final : public platform::ISerialDevice {
public:
    using Peer = std::function<void(const std::uint8_t* bytes, int n)>;

    MemorySerialPort() {
        m_peer = [this](const std::uint8_t* bytes, int n) { Feed(bytes, n); };
    }

    // Replaces the echo with another peer (nullptr: the line stays silent, not even echoing).
    void SetPeer(Peer peer) { m_peer = std::move(peer); }
    void Feed(const std::uint8_t* bytes, int n) { input.insert(input.end(), bytes, bytes + n); }
    void Feed(const std::vector<std::uint8_t>& bytes) { input.insert(input.end(), bytes.begin(), bytes.end()); }

    bool
    Open(const std::string& path, const platform::LineSettings& settings, platform::OpenFailure& failure) override {
        openedPath = path;
        lastSettings = settings;
        if (openFailure != platform::OpenFailure::Kind::None) {
            failure = {openFailure, path, "dialout"};
            return false;
        }
        ++opens;
        m_open = true;
        return true;
    }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    int InputWaiting() override { return m_open ? static_cast<int>(input.size()) : 0; }
    int OutputWaiting() override { return m_open ? outputWaiting : 0; }
    int Read(std::uint8_t* buffer, int max) override {
        const int n = std::min<int>(max, static_cast<int>(input.size()));
        std::copy_n(input.begin(), n, buffer);
        input.erase(input.begin(), input.begin() + n);
        return n;
    }
    int Write(const std::uint8_t* bytes, int n, int /*timeoutMs*/) override {
        int accepted = acceptLimit >= 0 ? std::min(n, acceptLimit) : n;
        written.insert(written.end(), bytes, bytes + accepted);
        chunks.push_back(accepted);
        if (m_peer && accepted > 0) {
            m_peer(bytes, accepted);
        }
        return accepted;
    }

    std::deque<std::uint8_t> input;    // bytes waiting to be read
    std::vector<std::uint8_t> written; // every byte the program wrote
    std::vector<int> chunks;           // the size of each device write
    int outputWaiting = 0;             // the driver's output queue as reported
    int acceptLimit = -1;              // a device write accepts at most this many bytes (-1: all)
    int opens = 0;
    platform::OpenFailure::Kind openFailure = platform::OpenFailure::Kind::None;
    std::string openedPath;
    platform::LineSettings lastSettings;

private:
    Peer m_peer;
    bool m_open = false;
};

} // namespace testsupport
