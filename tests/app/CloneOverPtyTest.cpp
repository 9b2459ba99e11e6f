// The clone chains end to end: the clone commands, the clone manager and the driver on the real serial
// device, through a pseudo-terminal, against the simulated radio.

#include "app/CloneCommands.h"
#include "link/indCloneMan.h"
#include "link/sim/PtyRadio.h"
#include "link/sim/SimOptions.h"
#include "model/ImageMap.h"
#include "model/ModelRules.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/Timer.h"
#include "platform/serial/SerialDevice.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// A document that records what the clone commands do to it.
class TestDocument final : public ICloneDocument {
public:
    TestDocument() {
        image = radiosim::PatternImage();
        for (std::int32_t a = 0; a < 0x600; ++a) {
            image.SetByte(a, static_cast<std::uint8_t>(0xA5 ^ (a & 0xFF)));
        }
        original = image;
    }
    void CommitPendingInput() override {}
    bool AskToSaveChanges() override { return true; }
    int WarningCheckErrors() override { return 0; }
    bool IsMakerMode() const override { return maker; }
    int ComPort() override { return 3; }
    std::string DevicePath(int port) override { return "/dev/ttyS" + std::to_string(port - 1); }
    bool MayCloneWrite() override { return true; }
    bool RejectImage(const cmcEeprom& i) override { return model::RejectImage(i); }
    bool IsNewerImage(const cmcEeprom& i) override { return model::IsNewerImage(i); }
    const cmcEeprom& Image() override { return image; }
    std::int32_t ImageSize() override { return image.GetSize(); }
    void MergeForWrite() override {}
    void AdoptReadImage(const cmcEeprom& read) override {
        image = read;
        ++adopted;
    }
    void CloseSheet() override {}
    void ShowCloneInfo() override { ++infoShown; }

    cmcEeprom image;
    cmcEeprom original;
    bool maker = false;
    int adopted = 0;
    int infoShown = 0;
};

class CloneOverPty : public ::testing::Test {
protected:
    CloneOverPty() { gtex.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL"); }

    void StartRadio(const radiosim::Faults& faults = {},
                    const radiosim::Identity& identity = {},
                    const cmcEeprom& memory = radiosim::PatternImage()) {
        radio = std::make_unique<radiosim::RadioSim>(memory);
        radio->SetFaults(faults);
        radio->SetIdentity(identity);
        line = std::make_unique<radiosim::PtyRadio>(*radio);
        std::string error;
        ASSERT_TRUE(line->Create(error)) << error;
        line->Attach(timers, clock);
        const std::string path = line->DevicePath();
        manager.Driver().Comm().SetPathResolver([path](int) { return path; });
    }

    int Run(void (CloneCommands::*command)()) {
        std::optional<int> finished;
        commands.OnFinished([&](int code) { finished = code; });
        (commands.*command)();
        platform::RunLoopUntil(timers, [&] { return finished.has_value(); });
        return finished.value_or(-99);
    }

    std::string Head(int code) { return gtex.GetLine("GI_Mess_CloneErr_Head", code); }

    platform::SteadyClock clock;
    platform::ManualTimerSource timers{clock};
    cmcGTex gtex;
    testsupport::ScriptedMessageBox box;
    OverlayMessages messages{gtex, box};
    platform::SerialDevice device;
    indCloneMan manager{messages, device, timers, clock};
    TestDocument document;
    CloneCommands commands{manager, messages, document};
    std::unique_ptr<radiosim::RadioSim> radio;
    std::unique_ptr<radiosim::PtyRadio> line;
};

TEST_F(CloneOverPty, InformationKeepsTheIdentity) {
    StartRadio();
    EXPECT_EQ(Run(&CloneCommands::CloneInfo), 0);
    EXPECT_EQ(document.infoShown, 1);
    EXPECT_EQ(commands.Identity().modelCode, 0x2691);
    EXPECT_EQ(commands.Identity().bytes[0], 22);
    EXPECT_EQ(commands.Identity().bytes[2], 1);
    EXPECT_EQ(box.Count(), 0u);
}

// The identity carries the clone comment of the memory the radio holds, also after a write changed it.
TEST_F(CloneOverPty, InformationNamesTheCommentOfTheMemory) {
    const auto comment = [&] {
        EXPECT_EQ(Run(&CloneCommands::CloneInfo), 0);
        const auto& bytes = commands.Identity().bytes;
        return std::string(bytes.begin() + 3, bytes.begin() + 19);
    };
    cmcEeprom memory = radiosim::PatternImage();
    const std::string harbour = "HARBOUR MASTER  ";
    for (std::size_t i = 0; i < harbour.size(); ++i) {
        memory.SetByte(model::kCommentAddress + static_cast<std::int32_t>(i), static_cast<std::uint8_t>(harbour[i]));
    }
    StartRadio({}, {}, memory);
    EXPECT_EQ(comment(), harbour);
    const std::string written = "Sea Breeze      ";
    for (std::size_t i = 0; i < written.size(); ++i) {
        document.image.SetByte(model::kCommentAddress + static_cast<std::int32_t>(i),
                               static_cast<std::uint8_t>(written[i]));
    }
    box.Script({platform::IMessageBox::Answer::Ok});
    ASSERT_EQ(Run(&CloneCommands::CloneWrite), 0);
    EXPECT_EQ(comment(), written);
}

TEST_F(CloneOverPty, ReadAdoptsTheRadiosMemory) {
    StartRadio();
    EXPECT_EQ(Run(&CloneCommands::CloneRead), 0);
    EXPECT_EQ(document.adopted, 1);
    for (std::int32_t a = 0; a < 0x800; ++a) {
        ASSERT_EQ(document.image.GetByte(a), radio->Image().GetByte(a)) << a;
    }
}

TEST_F(CloneOverPty, WriteSendsTheNormalOrTheFactoryRange) {
    for (const bool maker : {false, true}) {
        StartRadio();
        document.maker = maker;
        box.Script({platform::IMessageBox::Answer::Ok});
        ASSERT_EQ(Run(&CloneCommands::CloneWrite), 0) << maker;
        const std::int32_t last = maker ? 0x7EF : 0x6FF;
        const cmcEeprom before = radiosim::PatternImage();
        for (std::int32_t a = 0; a < 0x801; ++a) {
            const auto expected = a <= last ? document.image.GetByte(a) : before.GetByte(a);
            ASSERT_EQ(radio->Image().GetByte(a), expected) << maker << " " << a;
        }
        EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Information);
        box.Clear();
    }
}

struct FaultCase {
    const char* name;
    bool write;
    std::uint8_t code;
    radiosim::Faults faults;
    radiosim::Identity identity;
    std::int32_t address = -1; // a byte of the radio's memory to change
    std::uint8_t value = 0;
};

std::vector<FaultCase> FaultCases() {
    // The information reply is 32 bytes; the radio's data frames follow it.
    const auto faults = [](auto set) {
        radiosim::Faults f;
        set(f);
        return f;
    };
    const auto identity = [](auto set) {
        radiosim::Identity id;
        set(id);
        return id;
    };
    std::vector<std::uint8_t> shortInfo = radiosim::DefaultInfo();
    shortInfo.pop_back();
    shortInfo[0] = 21;
    std::vector<std::uint8_t> badMarker = radiosim::DefaultInfo();
    badMarker[2] = 0;
    return {
        {"silent", false, 5, faults([](auto& f) { f.silent = true; }), {}},
        {"corrupted byte", false, 6, faults([](auto& f) { f.corruptByte = 32 + 12; }), {}},
        {"dropped byte", false, 6, faults([](auto& f) { f.dropByte = 32 + 12; }), {}},
        {"bad checksum", false, 6, faults([](auto& f) { f.badChecksum = true; }), {}},
        {"bad end count", false, 7, faults([](auto& f) { f.badEndCount = true; }), {}},
        {"refused write", true, 10, faults([](auto& f) { f.refuseWrite = true; }), {}},
        {"other model", false, 11, {}, identity([](auto& id) { id.modelCode = 0x2692; })},
        {"other sub code", true, 11, {}, identity([](auto& id) { id.subCode = 0; })},
        {"short identity", false, 11, {}, identity([&](auto& id) { id.info = shortInfo; })},
        {"identity marker", true, 14, {}, identity([&](auto& id) { id.info = badMarker; })},
        {"not this radio", false, 15, {}, {}, model::kAcceptAddress, 0},
        {"newer image", false, 16, {}, {}, model::kModelTypeAddress, 7},
    };
}

TEST_F(CloneOverPty, EveryFaultEndsInItsOneMessageAndLeavesTheDocument) {
    for (const FaultCase& c : FaultCases()) {
        cmcEeprom memory = radiosim::PatternImage();
        if (c.address >= 0) {
            memory.SetByte(c.address, c.value);
        }
        StartRadio(c.faults, c.identity, memory);
        box.Clear();
        box.Script({platform::IMessageBox::Answer::Ok});
        const int code = Run(c.write ? &CloneCommands::CloneWrite : &CloneCommands::CloneRead);
        EXPECT_EQ(code, c.code) << c.name;
        ASSERT_GE(box.Count(), 1u) << c.name;
        EXPECT_EQ(box.Last().text.rfind(Head(c.code) + "\n", 0), 0u) << c.name << ": " << box.Last().text;
        EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Error) << c.name;
        EXPECT_EQ(document.adopted, 0) << c.name;
        EXPECT_TRUE(document.image.Equals(document.original)) << c.name;
        EXPECT_TRUE(radio->Image().Equals(memory)) << c.name;
    }
}

// A line that goes dead part-way ends the operation with its message within two seconds of the hang-up.
TEST_F(CloneOverPty, AHangUpInTheMiddleEndsWithACodeSoon) {
    for (const bool write : {false, true}) {
        radiosim::Faults faults;
        faults.hangUpAfter = 1500;
        StartRadio(faults);
        box.Clear();
        box.Script({platform::IMessageBox::Answer::Ok});
        std::optional<int> finished;
        std::optional<std::uint32_t> hungUpAt;
        commands.OnFinished([&](int code) { finished = code; });
        write ? commands.CloneWrite() : commands.CloneRead();
        platform::RunLoopUntil(timers, [&] {
            if (!hungUpAt && line->HungUp()) {
                hungUpAt = clock.NowMs();
            }
            return finished.has_value();
        });
        ASSERT_TRUE(finished.has_value()) << write;
        EXPECT_GT(*finished, 0) << write;
        ASSERT_TRUE(hungUpAt.has_value()) << write;
        EXPECT_LT(clock.NowMs() - *hungUpAt, 2000u) << write;
        EXPECT_EQ(box.Count(), write ? 2u : 1u) << write; // the confirmation of a write, then the failure
        EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Error) << write;
        EXPECT_EQ(document.adopted, 0);
        EXPECT_FALSE(manager.IsBusy());
    }
}

TEST_F(CloneOverPty, ABusyDeviceIsAnOpenFailure) {
    StartRadio();
    platform::SerialDevice other;
    platform::OpenFailure failure;
    ASSERT_TRUE(other.Open(line->DevicePath(), {}, failure));
    EXPECT_EQ(Run(&CloneCommands::CloneInfo), 2);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_NE(box.Last().text.find(line->DevicePath() + " is in use"), std::string::npos) << box.Last().text;
    other.Close();
    EXPECT_EQ(Run(&CloneCommands::CloneInfo), 0);
}

} // namespace
