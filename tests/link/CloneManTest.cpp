#include "link/indCloneMan.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "support/FakeClock.h"
#include "support/MemorySerialPort.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace {

class CloneManTest : public ::testing::Test {
protected:
    CloneManTest() {
        gtex.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        manager.Driver().SetSettleWait([](int) {});
        manager.SetPortSource([] { return 7; });
    }
    std::string Head(int line) { return gtex.GetLine("GI_Mess_CloneErr_Head", line); }
    std::string Check(int line) { return gtex.GetLine("GI_Mess_CloneErr_Check", line); }

    cmcGTex gtex;
    testsupport::ScriptedMessageBox box;
    OverlayMessages messages{gtex, box};
    testsupport::FakeTime time;
    testsupport::MemorySerialPort port;
    indCloneMan manager{messages, port, time.Timers(), time.Clock()};
};

TEST_F(CloneManTest, MessagesComposeHeadingAndCheckLines) {
    EXPECT_EQ(manager.ErrorText(0), "");
    EXPECT_EQ(manager.ErrorText(16), Head(16) + "\n\n");
    EXPECT_EQ(manager.ErrorText(10), Head(10) + "\n\n" + Check(0) + "\n" + Check(2) + "\n" + Check(3));
    EXPECT_EQ(manager.ErrorText(13), Head(13) + "\n\n" + Check(6) + "\n" + Check(7));
    EXPECT_EQ(manager.ErrorText(14), Head(14) + "\n\n" + Check(0) + "\n" + Check(4) + "\n" + Check(5));
    EXPECT_EQ(manager.ErrorText(5), Head(5) + "\n\n" + Check(0) + "\n" + Check(1) + "\n" + Check(2) + "\n" + Check(3));
}

TEST_F(CloneManTest, PortFailureNamesThePortAndWhy) {
    port.openFailure = platform::OpenFailure::Kind::Denied;
    bool completed = false;
    ASSERT_TRUE(
        manager.CloneInfo([](void* d, dst_CDrv_Result& r) { *static_cast<bool*>(d) = r.code == 2; }, &completed));
    time.AdvanceUntil([&] { return !manager.IsBusy(); }, 5000, 10);
    EXPECT_TRUE(completed);
    ASSERT_EQ(box.Count(), 1u);
    const std::string& text = box.Last().text;
    EXPECT_EQ(text.rfind("The serial port COM7 could not be opened.\n", 0), 0u) << text;
    EXPECT_NE(text.find("/dev/ttyUSB2"), std::string::npos) << text;
    EXPECT_NE(text.find("'dialout'"), std::string::npos) << text;
    EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Error);
    EXPECT_EQ(port.openedPath, "/dev/ttyUSB2");
}

TEST_F(CloneManTest, MissingHandlersTurnSuccessIntoFailure) {
    // The line echoes and the radio answers nothing useful: only the handler decides.
    struct Case {
        bool read;
        std::uint8_t code;
    };
    for (const Case c : {Case{false, 11}, Case{true, 8}}) {
        box.Clear();
        port.SetPeer([this, c](const std::uint8_t* bytes, int n) {
            port.Feed(bytes, n);
            if (bytes[n - 1] != 0xFD) {
                return;
            }
            if (c.read) {
                port.Feed({0xFE, 0xFE, 0xEF, 0xEE, 0xE5, 'Q', 'u', 'o', 'n', ' ', 'I', 'n', 'c', '.', '0', '0', 0xFD});
            } else {
                port.Feed({0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x26, 0x91, 0x00, 0x01, 0xFD});
            }
        });
        int code = -1;
        auto done = [](void* d, dst_CDrv_Result& r) { *static_cast<int*>(d) = r.code; };
        const bool started = c.read ? manager.CloneRead(nullptr, done, &code) : manager.CloneInfo(done, &code);
        ASSERT_TRUE(started);
        time.AdvanceUntil([&] { return code >= 0; }, 5000, 10);
        EXPECT_EQ(code, c.code);
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text.rfind(Head(c.code), 0), 0u);
    }
}

TEST(CloneManProgress, ThirtyThreeCellsPerTotal) {
    EXPECT_EQ(indCloneMan::FilledCells(1024, 2048), 16);
    EXPECT_EQ(indCloneMan::FilledCells(1986, 2048), 32);
    EXPECT_EQ(indCloneMan::FilledCells(10, 0), 0);
    // The pace so far carried on, rounded up; unknown before a byte moved.
    EXPECT_EQ(indCloneMan::SecondsLeft(0, 2048, 1000), -1);
    EXPECT_EQ(indCloneMan::SecondsLeft(1024, 2048, 3000), 3);
    EXPECT_EQ(indCloneMan::SecondsLeft(1000, 2048, 3000), 4);
    EXPECT_EQ(indCloneMan::SecondsLeft(2048, 2048, 6400), 0);
}

} // namespace
