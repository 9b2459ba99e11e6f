// The clone driver against whatever a radio (or line noise) may send: the first byte picks the
// operation, the rest is what the line carries back after the echo of the request. Every run must end
// with exactly one completion and a result code, never a fault, a hang or a memory error.

#include "link/cmcCloneDrv.h"
#include "support/FakeClock.h"
#include "support/MemorySerialPort.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr CloneRange kRanges[] = {{0x000, 0x7FF}, {1, 0}};
constexpr CloneRange kWrite[] = {{0x005, 0x123}, {1, 0}};

void Done(void* data, dst_CDrv_Result& result) {
    auto* codes = static_cast<std::vector<int>*>(data);
    codes->push_back(result.code);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    testsupport::FakeTime time;
    testsupport::MemorySerialPort port;
    const std::vector<std::uint8_t> reply(data + 1, data + size);
    bool replied = false;
    port.SetPeer([&](const std::uint8_t* bytes, int n) {
        port.Feed(bytes, n);
        if (!replied && bytes[n - 1] == 0xFD) {
            replied = true;
            port.Feed(reply);
        }
    });
    cmcCloneDrv driver(port, time.Timers(), time.Clock());
    driver.SetSettleWait([](int) {});
    driver.SetImageSize(0x801);
    driver.SetCommandPreamble(12);
    driver.SetEchoCheck((data[0] & 4) == 0);
    std::vector<int> codes;
    cmcEeprom image;
    image.SetSize(0x801);
    switch (data[0] % 4) {
    case 0:
        driver.StartInfo(&Done, &codes);
        break;
    case 1:
        driver.StartRead(kRanges, &Done, &codes);
        break;
    case 2:
        driver.StartRead(nullptr, &Done, &codes);
        break;
    default:
        driver.StartWrite(image, kWrite, &Done, &codes);
        break;
    }
    time.AdvanceUntil([&] { return !driver.IsBusy(); }, 60000, 10);
    if (driver.IsBusy() || codes.size() != 1 || codes[0] == 1 || codes[0] > 17) {
        std::abort();
    }
    return 0;
}
