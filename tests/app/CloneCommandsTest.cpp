// The clone commands on the main application object: the chains, the information and read handlers
// and what they do to the document, against the simulated radio on an in-memory line.

#include "app/CloneCommands.h"

#include "DocumentFixture.h"
#include "app/AppCloneDocument.h"
#include "link/indCloneMan.h"
#include "link/sim/RadioSim.h"
#include "model/CellKinds.h"
#include "model/ImageMap.h"
#include "model/datCh.h"
#include "overlay/OverlayMessages.h"
#include "support/MemorySerialPort.h"

#include <optional>

namespace {

using Answer = platform::IMessageBox::Answer;

class CloneCommandsTest : public apptest::DocumentFixture {
protected:
    CloneCommandsTest() {
        m_texts.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        m_manager.Driver().SetSettleWait([](int) {});
        Radio(InitialFile(0));
    }

    // The radio holds `memory`; its replies travel back on the line at once.
    void Radio(const cmcEeprom& memory, const radiosim::Identity& identity = {}) {
        m_radio = std::make_unique<radiosim::RadioSim>(memory);
        m_radio->SetIdentity(identity);
        m_port.SetPeer([this](const std::uint8_t* bytes, int n) {
            m_radio->Receive(bytes, n);
            auto& out = m_radio->Output();
            m_port.Feed(std::vector<std::uint8_t>(out.begin(), out.end()));
            out.clear();
            if (m_silentAfterWrite && m_radio->WritesAccepted() > 0) {
                radiosim::Faults silent; // the acknowledgement went out; nothing after it does
                silent.silent = true;
                m_radio->SetFaults(silent);
            }
        });
    }

    // The document of the commands, with the place of an address answered by the test.
    class PlacingDocument final : public ICloneDocument {
    public:
        PlacingDocument(AppCloneDocument& real, std::vector<std::int32_t>& asked) : m_real(real), m_asked(asked) {}
        void CommitPendingInput() override { m_real.CommitPendingInput(); }
        bool AskToSaveChanges() override { return m_real.AskToSaveChanges(); }
        int WarningCheckErrors() override { return m_real.WarningCheckErrors(); }
        bool IsMakerMode() const override { return m_real.IsMakerMode(); }
        int ComPort() override { return m_real.ComPort(); }
        std::string DevicePath(int port) override { return m_real.DevicePath(port); }
        bool MayCloneWrite() override { return m_real.MayCloneWrite(); }
        bool RejectImage(const cmcEeprom& image) override { return m_real.RejectImage(image); }
        bool IsNewerImage(const cmcEeprom& image) override { return m_real.IsNewerImage(image); }
        const cmcEeprom& Image() override { return m_real.Image(); }
        std::int32_t ImageSize() override { return m_real.ImageSize(); }
        void MergeForWrite() override { m_real.MergeForWrite(); }
        void AdoptReadImage(const cmcEeprom& image) override { m_real.AdoptReadImage(image); }
        void CloseSheet() override { m_real.CloseSheet(); }
        void ShowCloneInfo() override { m_real.ShowCloneInfo(); }
        bool CheckAfterWrite() override { return m_real.CheckAfterWrite(); }
        std::string PlaceOfAddress(std::int32_t address) override {
            m_asked.push_back(address);
            return " (the place)";
        }

    private:
        AppCloneDocument& m_real;
        std::vector<std::int32_t>& m_asked;
    };

    // Runs one command of a fresh command object on the document (started by the test); returns its
    // final code. With `placing`, the place of an address is the test's.
    int Run(void (CloneCommands::*command)(), bool placing = false) {
        m_document = std::make_unique<AppCloneDocument>(App(), Services().events);
        m_placing = std::make_unique<PlacingDocument>(*m_document, m_placeAsked);
        m_commands = std::make_unique<CloneCommands>(
            m_manager, m_messages, placing ? static_cast<ICloneDocument&>(*m_placing) : *m_document);
        std::optional<int> finished;
        m_commands->OnFinished([&](int code) { finished = code; });
        ((*m_commands).*command)();
        m_time.AdvanceUntil([&] { return finished.has_value(); }, 60000, 10);
        return finished.value_or(-99);
    }

    int DataFrames() const {
        int n = 0;
        const auto& w = m_port.written;
        for (std::size_t i = 0; i + 3 < w.size(); ++i) {
            n += w[i] == 0xFE && w[i + 1] == 0xEE && w[i + 2] == 0xEF && w[i + 3] == 0xE4;
        }
        return n;
    }

    cmcGTex m_texts;
    OverlayMessages m_messages{m_texts, m_box};
    testsupport::MemorySerialPort m_port;
    indCloneMan m_manager{m_messages, m_port, m_time.Timers(), m_time.Clock()};
    std::unique_ptr<radiosim::RadioSim> m_radio;
    std::unique_ptr<AppCloneDocument> m_document;
    std::unique_ptr<PlacingDocument> m_placing;
    std::vector<std::int32_t> m_placeAsked;
    bool m_silentAfterWrite = false;
    std::unique_ptr<CloneCommands> m_commands;
};

TEST_F(CloneCommandsTest, ReadLeavesTheDocumentUntitledAndModified) {
    cmcEeprom memory = InitialFile(0);
    memory.SetByte(model::kCommentAddress, 'Q');
    Radio(memory);
    ASSERT_EQ(Started().SaveToFile(m_dir / "saved.qcf"), 0);
    ASSERT_FALSE(App().FileName().empty());
    ASSERT_FALSE(App().IsModified());
    App().Environ().comPort = 9;

    EXPECT_EQ(Run(&CloneCommands::CloneRead), 0);
    EXPECT_EQ(App().MainImage().GetByte(model::kCommentAddress), 'Q');
    EXPECT_TRUE(App().FileName().empty());
    EXPECT_TRUE(App().IsModified());
    EXPECT_GE(Events(21), 1);
    EXPECT_GE(Events(27), 1);
    EXPECT_GE(m_view.sheetCloses, 1);
    EXPECT_EQ(m_commands->Identity().modelCode, 0x2691);
    EXPECT_EQ(m_commands->Identity().bytes[2], 1);
    EXPECT_EQ(m_port.opens, 2);                   // information, then the read
    EXPECT_EQ(m_port.openedPath, "/dev/ttyACM0"); // COM9 of the settings
}

// The device of a COM port comes from the user's settings value Ports/COM<n> when there is one, for
// every operation of every chain.
TEST_F(CloneCommandsTest, ASettingsValueChoosesTheDeviceOfThePort) {
    m_store.WriteString("Ports", "COM9", "/dev/ttyCableOfTheUser");
    Started();
    App().Environ().comPort = 9;
    EXPECT_EQ(Run(&CloneCommands::CloneInfo), 0);
    EXPECT_EQ(m_port.openedPath, "/dev/ttyCableOfTheUser");
    App().Environ().comPort = 8;
    EXPECT_EQ(Run(&CloneCommands::CloneRead), 0);
    EXPECT_EQ(m_port.openedPath, "/dev/ttyUSB3"); // no value for COM8: the fixed table
}

TEST_F(CloneCommandsTest, WriteSendsTheNormalOrTheFactoryRange) {
    for (const bool maker : {false, true}) {
        Reset();
        m_port.written.clear();
        Radio(InitialFile(0));
        Started();
        if (maker) {
            m_box.Script({Answer::Ok});
            App().SwitchMakerModeOn();
            ASSERT_TRUE(App().IsMakerMode());
            m_box.Script({Answer::Ok}); // the caution again before the write
        }
        m_box.Script({Answer::Ok}); // the confirmation
        ASSERT_EQ(Run(&CloneCommands::CloneWrite), 0) << maker;
        EXPECT_EQ(DataFrames(), maker ? 127 : 112);
        const std::int32_t last = maker ? 0x7EF : 0x6FF;
        for (std::int32_t a = 0; a <= last; ++a) {
            ASSERT_EQ(m_radio->Image().GetByte(a), App().MainImage().GetByte(a)) << a;
        }
        EXPECT_FALSE(App().IsModified()); // the merge alone does not modify the document
    }
}

// A write is read back and compared: a byte the radio keeps wrong is named with its place on the
// sheets, a radio that stops answering after the write leaves the write unchecked, and the check can be
// turned off.
TEST_F(CloneCommandsTest, AWriteIsReadBackAndComparedUnlessTurnedOff) {
    const std::int32_t freeName = 0x390 + 8 * 3 + 4; // the first name letter of free channel 4
    struct Case {
        const char* what;
        bool check;
        radiosim::Faults faults;
        bool silentAfterWrite;
        int code;
        const char* message; // the last message's overlay key
    };
    radiosim::Faults misstore;
    misstore.misstore = freeName;
    const Case cases[] = {
        {"checked", true, {}, false, 0, "GI_Mess_CloneWrite_Checked"},
        {"not checked", false, {}, false, 0, "GI_Mess_CloneWrite_Succeeded"},
        {"a byte kept wrong", true, misstore, false, clonecode::kCheckDiffers, "GI_Mess_CloneCheck_Differs"},
        {"a byte kept wrong, unchecked", false, misstore, false, 0, "GI_Mess_CloneWrite_Succeeded"},
        {"silent after the write", true, {}, true, clonecode::kNotChecked, "GI_Mess_CloneCheck_NotDone"},
    };
    for (const Case& c : cases) {
        Reset();
        Radio(InitialFile(0));
        m_radio->SetFaults(c.faults);
        m_silentAfterWrite = c.silentAfterWrite;
        Started();
        App().Environ().checkAfterWrite = c.check;
        const cmcEeprom before = App().MainImage();
        m_box.Script({Answer::Ok}); // the confirmation
        // The place of a byte on the sheets is the shipped sheets' to tell (the window test shows it):
        // here it is only asked for the right address.
        m_placeAsked.clear();
        EXPECT_EQ(Run(&CloneCommands::CloneWrite, true), c.code) << c.what;
        EXPECT_EQ(m_radio->WritesAccepted(), 1) << c.what;
        ASSERT_GE(m_box.Count(), 2u) << c.what;
        EXPECT_EQ(m_box.Count(), 2u) << c.what; // the confirmation and one message at the end
        const std::string expected = m_texts.GetLongText(c.message);
        EXPECT_EQ(m_box.Last().text.substr(0, 20), expected.substr(0, 20)) << c.what;
        EXPECT_FALSE(App().MainImage().Differs(before)) << c.what; // the document stays as it was
        if (c.code == clonecode::kCheckDiffers) {
            EXPECT_NE(m_box.Last().text.find("0x3AC (the place)"), std::string::npos) << m_box.Last().text;
            EXPECT_EQ(m_placeAsked, std::vector<std::int32_t>{freeName});
        }
    }
}

TEST_F(CloneCommandsTest, AWriteStopsBeforeTheRadioOnDataErrorsOrWithoutConfirmation) {
    Started();
    datCh row(App().MainImage());
    row.Load(model::kPlanInternational, 16);
    row.MarkA = true;
    row.Inhibited = true;
    row.Store(model::kPlanInternational, 16);
    EXPECT_EQ(Run(&CloneCommands::CloneWrite), CloneCommands::kStoppedDataErrors);
    ASSERT_EQ(m_box.Count(), 1u);
    EXPECT_EQ(m_box.Last().text, m_texts.GetLongText("GI_Mess_DataError"));
    ASSERT_FALSE(m_view.checks.empty()); // the window's marks follow the check the write ran
    EXPECT_EQ(m_view.checks.back().errors, 1);

    row.Inhibited = false; // the P channel may be used again
    row.Store(model::kPlanInternational, 16);
    m_box.Script({Answer::Cancel});
    EXPECT_EQ(Run(&CloneCommands::CloneWrite), CloneCommands::kStopped);
    EXPECT_EQ(m_box.Last().text, m_texts.GetLongText("GI_Mess_Confirm_CloneWrite"));
    EXPECT_EQ(m_port.opens, 0);
}

TEST_F(CloneCommandsTest, TheInformationHandlerJudgesTheRadio) {
    struct Case {
        const char* name;
        int sub;
        int infoBytes;
        std::uint8_t marker;
        int code;
        int count = -1; // byte 0 of the information; -1: the number of information bytes
    };
    const Case cases[] = {
        {"sub code 0", 0, 22, 1, 11},
        {"21 information bytes", 1, 21, 1, 11},
        {"30 information bytes", 1, 30, 1, 0},
        {"byte 0 not the length", 1, 30, 1, 11, 22},
        {"marker byte", 1, 22, 0, 14},
    };
    for (const Case& c : cases) {
        Reset();
        m_port.opens = 0;
        radiosim::Identity identity;
        identity.subCode = static_cast<std::uint16_t>(c.sub);
        identity.info = radiosim::DefaultInfo();
        identity.info.resize(static_cast<std::size_t>(c.infoBytes), 0x77);
        identity.info[0] = static_cast<std::uint8_t>(c.count < 0 ? c.infoBytes : c.count);
        identity.info[2] = c.marker;
        Radio(InitialFile(0), identity);
        Started();
        EXPECT_EQ(Run(&CloneCommands::CloneRead), c.code) << c.name;
        EXPECT_EQ(m_port.opens, c.code == 0 ? 2 : 1) << c.name; // a refused radio is never read
        // The identity is kept only from an exchange that ends well; a refused reply leaves none.
        const CloneIdentity& kept = m_commands->Identity();
        if (c.code == 0) {
            EXPECT_EQ(kept.modelCode, 0x2691) << c.name;
            EXPECT_EQ(kept.bytes[21], identity.info[21]) << c.name;
        } else {
            EXPECT_EQ(kept.modelCode, 0) << c.name;
            EXPECT_EQ(kept.subCode, 0) << c.name;
            EXPECT_EQ(kept.bytes, CloneIdentity{}.bytes) << c.name;
        }
    }
}

TEST_F(CloneCommandsTest, TheReadHandlerRefusesForeignAndNewerImages) {
    for (const auto& [address, value, code] :
         {std::tuple{model::kAcceptAddress, 0, 15}, std::tuple{model::kModelTypeAddress, 5, 16}}) {
        Reset();
        cmcEeprom memory = InitialFile(0);
        memory.SetByte(address, static_cast<std::uint8_t>(value));
        Radio(memory);
        ASSERT_EQ(Started().SaveToFile(m_dir / "kept.qcf"), 0);
        const cmcEeprom before = App().MainImage();
        EXPECT_EQ(Run(&CloneCommands::CloneRead), code);
        EXPECT_TRUE(App().MainImage().Equals(before));
        EXPECT_FALSE(App().FileName().empty());
        EXPECT_FALSE(App().IsModified());
        EXPECT_EQ(m_box.Last().text.rfind(m_texts.GetLine("GI_Mess_CloneErr_Head", code) + "\n\n", 0), 0u);
    }
}

} // namespace
