#include "link/PortPath.h"
#include "link/cmcComm.h"
#include "support/FakeClock.h"
#include "support/MemorySerialPort.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using Stop = platform::LineSettings::StopBits;

TEST(cmcComm, SettingsTextFields) {
    const struct {
        const char* text;
        std::uint32_t baud;
        bool parityCheck;
        int bits;
        Stop stop;
    } cases[] = {
        {"9600,N,8,1", 9600, false, 8, Stop::One},
        {"9600,n,8,1", 9600, false, 8, Stop::One},
        {"4800,O,9,2", 4800, true, 8, Stop::Two},
        {"4800,E,3,1.5", 4800, false, 4, Stop::OneAndHalf},
        {"19200,m,7,1.50", 19200, true, 7, Stop::One},
    };
    for (const auto& c : cases) {
        const auto s = cmcComm::ParseSettings(c.text);
        EXPECT_EQ(s.baud, c.baud) << c.text;
        EXPECT_EQ(s.parityCheck, c.parityCheck) << c.text;
        EXPECT_EQ(s.dataBits, c.bits) << c.text;
        EXPECT_EQ(s.stopBits, c.stop) << c.text;
    }
}

TEST(cmcComm, PortNumbersBecomeDevicePaths) {
    EXPECT_EQ(clonelink::DefaultDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(clonelink::DefaultDevicePath(6), "/dev/ttyUSB1");
    EXPECT_EQ(clonelink::DefaultDevicePath(12), "/dev/ttyACM3");
    EXPECT_EQ(clonelink::DefaultDevicePath(20), "/dev/ttyS19");
    ::setenv("VQN58_COM7", "/dev/ttyCable", 1);
    EXPECT_EQ(clonelink::DefaultDevicePath(7), "/dev/ttyCable");
    // The environment comes before the settings value, which comes before the table.
    EXPECT_EQ(clonelink::DevicePath(7, "/dev/ttySet"), "/dev/ttyCable");
    ::unsetenv("VQN58_COM7");
    EXPECT_EQ(clonelink::DevicePath(7, "/dev/ttySet"), "/dev/ttySet");
    EXPECT_EQ(clonelink::DevicePath(7, ""), "/dev/ttyUSB2");
}

// Until the user chooses a port, the one USB adapter plugged in is used, else the simulated radio; a
// port the user chose stays theirs, whatever is plugged in.
TEST(PortChoice, TheAdapterOrTheSimulatedRadioUntilTheUserChooses) {
    using Entry = platform::SerialPortEntry;
    const Entry legacy{"/dev/ttyS0", "", true, "", false};
    const Entry cable{"/dev/ttyUSB0", "USB serial cable", true, "", true};
    const Entry other{"/dev/ttyUSB1", "Another adapter", true, "", true};
    struct Case {
        const char* what;
        std::vector<Entry> ports;
        bool chosen;
        std::string configured;
        std::string path;
        std::string product;
        bool automatic;
    };
    const Case cases[] = {
        {"no devices", {}, false, "", "sim", "", true},
        {"a legacy node only", {legacy}, false, "", "sim", "", true},
        {"one USB adapter", {legacy, cable}, false, "", "/dev/ttyUSB0", "USB serial cable", true},
        {"two adapters", {cable, other}, false, "", "sim", "", true},
        {"chosen, from the table", {cable}, true, "", "/dev/ttyS0", "", false},
        {"chosen, set for the port", {cable, other}, true, "/dev/ttyUSB1", "/dev/ttyUSB1", "Another adapter", false},
        {"chosen, and gone", {cable}, true, "/dev/ttyUSB3", "/dev/ttyUSB3", "", false},
        {"the simulated radio chosen", {cable}, true, "sim", "sim", "", false},
    };
    for (const Case& c : cases) {
        const clonelink::PortInUse use = clonelink::ChoosePort(1, c.configured, c.chosen, c.ports);
        EXPECT_EQ(use.path, c.path) << c.what;
        EXPECT_EQ(use.product, c.product) << c.what;
        EXPECT_EQ(use.automatic, c.automatic) << c.what;
        EXPECT_EQ(use.Simulated(), c.path == "sim") << c.what;
    }
    // The environment decides before anything else.
    ::setenv("VQN58_COM1", "/dev/ttyCable", 1);
    EXPECT_EQ(clonelink::ChoosePort(1, "", false, {cable}).path, "/dev/ttyCable");
    EXPECT_FALSE(clonelink::ChoosePort(1, "", false, {cable}).automatic);
    ::unsetenv("VQN58_COM1");
}

TEST(cmcComm, WritePumpsChunksOf1024WhileTheDriverQueueIsEmpty) {
    testsupport::FakeTime time;
    testsupport::MemorySerialPort device;
    device.SetPeer(nullptr);
    cmcComm comm(device, time.Timers());
    ASSERT_TRUE(comm.Open(3, "9600,N,8,1"));
    EXPECT_FALSE(comm.Open(3, "9600,N,8,1"));
    EXPECT_EQ(device.opens, 1);

    const std::vector<std::uint8_t> bytes(3000, 0x42);
    comm.Write(bytes.data(), 3000);
    EXPECT_EQ(device.chunks, std::vector<int>{1024});
    device.outputWaiting = 5; // the driver is still sending: the pump waits
    time.Advance(30);
    EXPECT_EQ(device.chunks.size(), 1u);
    EXPECT_EQ(comm.PendingOut(), 5 + 3000 - 1024);
    device.outputWaiting = 0;
    time.Advance(10);
    time.Advance(10);
    EXPECT_EQ(device.chunks, (std::vector<int>{1024, 1024, 952}));
    time.Advance(50);
    EXPECT_EQ(device.chunks.size(), 3u);
    EXPECT_EQ(comm.PendingOut(), 0);

    std::uint8_t buffer[16];
    EXPECT_EQ(comm.Read(buffer, 16), 0);
}

TEST(cmcComm, AShortWriteKeepsTheBytesUntilClose) {
    testsupport::FakeTime time;
    testsupport::MemorySerialPort device;
    device.SetPeer(nullptr);
    device.acceptLimit = 10;
    cmcComm comm(device, time.Timers());
    ASSERT_TRUE(comm.Open(1, "9600,N,8,1"));
    const std::vector<std::uint8_t> bytes(100, 1);
    comm.Write(bytes.data(), 100);
    EXPECT_TRUE(comm.WriteFailed());
    EXPECT_EQ(comm.PendingOut(), 100);
    comm.Close();
    EXPECT_FALSE(comm.WriteFailed());
    EXPECT_EQ(comm.PendingOut(), 0);
    comm.Write(bytes.data(), 100); // dropped while closed
    EXPECT_EQ(comm.PendingOut(), 0);
}

} // namespace
