// The window's clone link: the simulated radio stands in where the port names it or nothing else can
// answer, and the settings' device of a port is used otherwise.

#include "app/WindowCloneLink.h"

#include "DocumentFixture.h"
#include "app/AppCloneDocument.h"
#include "link/ICloneView.h"
#include "link/sim/RadioSim.h"
#include "model/ImageMap.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"

#include <chrono>
#include <optional>
#include <thread>

namespace {

using Answer = platform::IMessageBox::Answer;

class RecordingView final : public clonelink::ICloneView {
public:
    void BeginOperation(int op) override { begun.push_back(op); }
    void ShowProgress(const clonelink::CloneProgress& progress) override {
        last = progress.filledCells;
        bytes = progress.bytesDone;
        total = progress.bytesTotal;
    }
    void EndOperation() override { ++ended; }
    std::vector<int> begun;
    int last = 0;
    int bytes = 0;
    int total = 0;
    int ended = 0;
};

class WindowCloneLinkTest : public apptest::DocumentFixture {
protected:
    WindowCloneLinkTest() { texts.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL"); }

    int Run(void (CloneCommands::*command)()) {
        std::optional<int> finished;
        link->Commands().OnFinished([&](int code) { finished = code; });
        (link->Commands().*command)();
        // Real pseudo-terminal I/O on fake time: the kernel passes bytes on in its own time, so each
        // fake millisecond also waits a little real time.
        for (int ms = 0; !finished && ms < 120000; ++ms) {
            m_time.Advance(1);
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        return finished.value_or(-99);
    }

    // The link on a machine with the serial devices `ports`.
    void Make(std::vector<platform::SerialPortEntry> ports = {}) {
        Started();
        document = std::make_unique<AppCloneDocument>(App(), Services().events);
        link = std::make_unique<WindowCloneLink>(
            messages, *document, m_time.Timers(), m_time.Clock(), &view, [ports] { return ports; });
        link->Manager().Driver().SetSettleWait([](int) {});
    }

    cmcGTex texts;
    OverlayMessages messages{texts, m_box};
    RecordingView view;
    std::unique_ptr<AppCloneDocument> document;
    std::unique_ptr<WindowCloneLink> link;
};

TEST_F(WindowCloneLinkTest, ReadsAndWritesTheSimulatedRadioChosenForThePort) {
    m_store.WriteString("Ports", "COM7", "sim");
    Make();
    App().Environ().comPort = 7;
    App().Environ().portChosen = true;
    ASSERT_EQ(Run(&CloneCommands::CloneRead), 0);
    ASSERT_NE(link->SimulatedRadio(), nullptr);
    EXPECT_TRUE(App().IsModified());
    EXPECT_TRUE(App().FileName().empty());
    EXPECT_EQ(view.begun, (std::vector<int>{1, 2}));
    EXPECT_EQ(view.ended, 2);
    EXPECT_GE(view.last, 32); // the whole bar
    EXPECT_EQ(view.bytes, view.total);
    EXPECT_EQ(view.total, 0x800);
    EXPECT_TRUE(link->LastPort().Simulated());

    App().MainImage().SetByte(model::kCommentAddress, 'Z');
    m_box.Script({Answer::Ok});
    ASSERT_EQ(Run(&CloneCommands::CloneWrite), 0);
    EXPECT_EQ(link->SimulatedRadio()->Image().GetByte(model::kCommentAddress), 'Z');
    EXPECT_EQ(m_box.Last().icon, platform::IMessageBox::Icon::Information); // the success message
}

// A port the user chose stays theirs when its device is gone: the message says so, and no other device
// answers in its place.
TEST_F(WindowCloneLinkTest, AChosenDeviceThatIsNotThereFailsWithThePortMessage) {
    m_store.WriteString("Ports", "COM7", "/dev/vqn58-no-such-device");
    Make();
    App().Environ().comPort = 7;
    App().Environ().portChosen = true;
    EXPECT_EQ(Run(&CloneCommands::CloneInfo), 2);
    EXPECT_EQ(link->SimulatedRadio(), nullptr);
    EXPECT_EQ(link->LastPort().path, "/dev/vqn58-no-such-device");
    EXPECT_EQ(m_box.Count(), 1u);
    EXPECT_EQ(m_box.Last().icon, platform::IMessageBox::Icon::Error);
}

// Before the user chose a port, a machine with only its own port nodes (no cable plugged in) talks to
// the simulated radio rather than to a node nothing answers on.
TEST_F(WindowCloneLinkTest, BeforeAPortIsChosenTheSimulatedRadioAnswers) {
    Make({{"/dev/ttyS0", "", true, "", false}});
    EXPECT_EQ(Run(&CloneCommands::CloneInfo), 0);
    EXPECT_NE(link->SimulatedRadio(), nullptr);
    EXPECT_TRUE(link->LastPort().automatic);
    EXPECT_EQ(link->Commands().Identity().modelCode, 0x2691);
}

} // namespace
