#pragma once

#include "link/cmcCloneDrv.h"
#include "link/sim/RadioSim.h"
#include "link/sim/SimOptions.h"
#include "support/FakeClock.h"
#include "support/MemorySerialPort.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// A clone driver configured as the clone manager does, on an in-memory port under fake time.
class CloneDriverTest : public ::testing::Test {
protected:
    CloneDriverTest() {
        driver.SetSettleWait([](int) {});
        driver.SetModel(0x2691, 0);
        driver.SetImageSize(0x801);
        driver.SetPort(1, "9600,N,8,1");
        driver.SetCommandPreamble(12);
        driver.SetEchoCheck(true);
    }

    static void Done(void* data, dst_CDrv_Result& result) {
        auto* self = static_cast<CloneDriverTest*>(data);
        self->result = result;
        self->finishedAt = self->time.Clock().NowMs();
        ++self->calls;
    }

    // Runs until the operation ends (or `limitMs` of fake time passed).
    void RunToEnd(std::uint32_t limitMs = 30000) {
        time.AdvanceUntil([&] { return !driver.IsBusy(); }, limitMs, 10);
    }

    // The simulated radio answers on the port.
    void AttachRadio() {
        port.SetPeer([this](const std::uint8_t* bytes, int n) {
            radio.Receive(bytes, n);
            auto& out = radio.Output();
            port.Feed(std::vector<std::uint8_t>(out.begin(), out.end()));
            out.clear();
        });
    }

    // The line echoes; once the program has sent a frame with `command`, `reply` is fed.
    void ReplyTo(std::uint8_t command, std::vector<std::uint8_t> reply) {
        port.SetPeer([this, command, reply](const std::uint8_t* bytes, int n) {
            port.Feed(bytes, n);
            for (int i = 0; i < n; ++i) {
                m_frame.push_back(bytes[i]);
                if (bytes[i] == 0xFD) {
                    std::size_t at = 0;
                    while (at < m_frame.size() && m_frame[at] == 0xFE) {
                        ++at;
                    }
                    if (at + 2 < m_frame.size() && m_frame[at + 2] == command) {
                        replyAt = time.Clock().NowMs();
                        port.Feed(reply);
                    }
                    m_frame.clear();
                }
            }
        });
    }

    static std::vector<std::uint8_t> RadioFrame(std::uint8_t command, const std::string& body) {
        std::string bytes = "\xFE\xFE\xEF\xEE";
        bytes += static_cast<char>(command);
        bytes += body;
        bytes += '\xFD';
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }

    static std::vector<std::uint8_t> DataFrame(std::int32_t address, const std::vector<std::uint8_t>& data) {
        const auto payload = cloneframes::DataPayload(address, data.data(), static_cast<int>(data.size()));
        return RadioFrame(0xE4, std::string(payload.begin(), payload.end()));
    }

    static std::string Text(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

    testsupport::FakeTime time;
    testsupport::MemorySerialPort port;
    cmcCloneDrv driver{port, time.Timers(), time.Clock()};
    radiosim::RadioSim radio{radiosim::PatternImage()};
    std::optional<dst_CDrv_Result> result;
    std::uint32_t finishedAt = 0;
    std::uint32_t replyAt = 0;
    int calls = 0;

private:
    std::vector<std::uint8_t> m_frame;
};
