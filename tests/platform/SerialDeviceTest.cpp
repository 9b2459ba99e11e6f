#include "platform/serial/SerialDevice.h"

#include "platform/serial/PosixTty.h"
#include "support/Pty.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Kind = platform::OpenFailure::Kind;

using testsupport::Pty;

TEST(SerialDevice, OpenFailuresSayWhy) {
    testsupport::TempDir dir;
    platform::SerialDevice device;
    platform::OpenFailure failure;
    EXPECT_FALSE(device.Open((dir / "ttyNone").string(), {}, failure));
    EXPECT_EQ(failure.kind, Kind::Missing);
    EXPECT_EQ(failure.device, (dir / "ttyNone").string());
    EXPECT_FALSE(device.Open(dir.Write("plain", "x").string(), {}, failure));
    EXPECT_EQ(failure.kind, Kind::NotSerial);
    EXPECT_FALSE(device.IsOpen());

    // Not permitted: the group that owns the device is named when its members may read and write it,
    // so the user knows what to join; joining a group that may not open it would not help.
    const auto file = dir.Write("ttyLocked", "");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    const std::string group = ::getgrgid(info.st_gid)->gr_name;
    for (const auto& [mode, named] : {std::pair{0660, true}, std::pair{0600, false}, std::pair{0640, false}}) {
        ASSERT_EQ(::chmod(file.c_str(), static_cast<mode_t>(mode)), 0);
        const auto denied = platform::posixtty::ClassifyOpenError(file.string(), EACCES);
        EXPECT_EQ(denied.kind, Kind::Denied) << mode;
        EXPECT_EQ(denied.ownerGroup, named ? group : "") << std::oct << mode;
    }
    EXPECT_EQ(platform::posixtty::ClassifyOpenError("/dev/x", EBUSY).kind, Kind::Busy);
}

TEST(SerialDevice, APseudoTerminalOpensExclusivelyAndCarriesBytes) {
    Pty pty;
    platform::SerialDevice device;
    platform::SerialDevice other;
    platform::OpenFailure failure;
    ASSERT_TRUE(device.Open(pty.path, {}, failure)) << static_cast<int>(failure.kind);
    EXPECT_FALSE(other.Open(pty.path, {}, failure));
    EXPECT_EQ(failure.kind, Kind::Busy);
    // The refused second opener must not take away the holder's exclusive mode on its way out.
    const int probe = ::open(pty.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (probe >= 0) { // only a privileged process gets past the exclusive mode to look
        int exclusive = 0;
        EXPECT_EQ(::ioctl(probe, TIOCGEXCL, &exclusive), 0);
        EXPECT_NE(exclusive, 0);
        ::close(probe);
    }

    const std::uint8_t out[] = {0xFE, 0x00, 0xFD, 0x11, 0x13};
    EXPECT_EQ(device.Write(out, 5, 100), 5);
    const std::string sent(out, out + 5);
    std::string seen;
    EXPECT_TRUE(pty.AwaitText(sent, 30000, seen)); // 30 s: only a hang fails
    EXPECT_EQ(seen, sent) << "raw: nothing altered";

    ASSERT_EQ(::write(pty.Master(), "\xFE\xFD", 2), 2);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return device.InputWaiting() >= 2; }));
    EXPECT_EQ(device.InputWaiting(), 2);
    std::uint8_t in[4] = {};
    EXPECT_EQ(device.Read(in, 4), 2);
    EXPECT_EQ(device.Read(in, 4), 0); // nothing waits: no waiting either

    device.Close();
    EXPECT_TRUE(other.Open(pty.path, {}, failure)); // released on close
}

// The locks come before anything touches the line: an opener refused because the device is held has
// not changed the holder's line settings on its way.
TEST(SerialDevice, ARefusedOpenerLeavesTheHoldersLineAlone) {
    Pty pty;
    platform::SerialDevice holder;
    platform::SerialDevice other;
    platform::OpenFailure failure;
    platform::LineSettings slow;
    slow.baud = 2400;
    slow.dataBits = 7;
    slow.stopBits = platform::LineSettings::StopBits::Two;
    ASSERT_TRUE(holder.Open(pty.path, slow, failure));
    termios before{};
    ASSERT_EQ(::tcgetattr(pty.Master(), &before), 0); // the master reports its terminal's settings
    ASSERT_EQ(::cfgetospeed(&before), static_cast<speed_t>(B2400));

    EXPECT_FALSE(other.Open(pty.path, {}, failure));
    EXPECT_EQ(failure.kind, Kind::Busy);
    termios after{};
    ASSERT_EQ(::tcgetattr(pty.Master(), &after), 0);
    EXPECT_EQ(::cfgetospeed(&after), ::cfgetospeed(&before));
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_TRUE(holder.IsOpen());
}

} // namespace
