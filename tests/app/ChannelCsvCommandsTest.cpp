// File > Export channels and File > Import channels on the application object, with scripted dialogs.

#include "app/ChannelCsvCommands.h"

#include "DocumentFixture.h"
#include "events/EventNumbers.h"
#include "model/ChannelExport.h"
#include "model/ChannelPlan.h"
#include "model/datCh.h"
#include "overlay/OverlayMessages.h"

#include <filesystem>
#include <sstream>

namespace {

using apptest::DocumentFixture;

// The shipped overlay: the import lists its changes cell by cell on the program's own sheets.
class ChannelCsv : public DocumentFixture {
protected:
    ChannelCsv() {
        std::filesystem::copy_file(std::string(VQN58_BIN_DIR) + "/VQN58.OVL",
                                   m_dir / "VQN58.OVL",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ChannelCsvCommands Commands() { return ChannelCsvCommands(Started(), Services().events); }
    bool Tagged(int row) {
        datCh record(App().MainImage());
        record.Load(model::kPlanUsa, row);
        return record.Tagged;
    }
};

TEST_F(ChannelCsv, ExportWritesTheChannelListsWhereTheUserSays) {
    ChannelCsvCommands commands = Commands();
    const auto path = m_dir / "boat.csv";
    m_dialogs.Script({path});
    EXPECT_EQ(commands.Export(), ChannelCsvCommands::kDone);
    EXPECT_TRUE(m_dialogs.Last().save);
    EXPECT_EQ(m_dialogs.Last().setup.fileName, "Untitled.csv");
    EXPECT_EQ(m_dialogs.Last().setup.defaultExtension, "csv");
    EXPECT_EQ(testsupport::ReadFileBytes(path), model::ExportChannels(App().MainImage()));
    // Cancel writes nothing; a folder that is not there gives one message.
    EXPECT_EQ(commands.Export(), ChannelCsvCommands::kCancelled);
    m_dialogs.Script({m_dir / "missing" / "boat.csv"});
    EXPECT_EQ(commands.Export(), ChannelCsvCommands::kFailed);
    ASSERT_EQ(Shown().size(), 1U);
    EXPECT_NE(Shown()[0].find((m_dir / "missing" / "boat.csv").string()), std::string::npos) << Shown()[0];
}

// The import lists what it changes, as vqn58-cli diff does, and asks first; nothing is asked about
// unsaved changes. Cancel leaves the document as it was; OK takes the file and marks it modified.
TEST_F(ChannelCsv, ImportListsItsChangesAndAsksBeforeTakingThem) {
    ChannelCsvCommands commands = Commands();
    ASSERT_FALSE(App().IsModified());
    ASSERT_FALSE(Tagged(40));
    const std::string header = model::kChannelCsvHeader;
    const auto file = m_dir.Write("tag.csv", header + "\nusa,40,20,,0,1,0,0,0,,,\nusa,2,1,,1,0,0,0,0,,,\n");
    const std::string question = "2 channel lines were read; 1 row would change.\n\n"
                                 "These cells will change (sheet, row, column, now, after the import):\n"
                                 "USA channels,20,Tag,-,Tag\n\n"
                                 "Apply the changes to the document?";
    m_dialogs.Script({file, file});
    m_box.Script({OverlayMessages::Answer::Cancel, OverlayMessages::Answer::Ok});
    EXPECT_EQ(commands.Import(), ChannelCsvCommands::kCancelled);
    EXPECT_FALSE(Tagged(40));
    EXPECT_FALSE(App().IsModified());
    m_events.clear();
    EXPECT_EQ(commands.Import(), ChannelCsvCommands::kDone);
    EXPECT_TRUE(Tagged(40));
    EXPECT_TRUE(App().IsModified());
    EXPECT_EQ(Events(kEvImageChanged), 1);
    ASSERT_EQ(Shown().size(), 2U); // no save question, only the changes
    EXPECT_EQ(Shown()[0], question);
    EXPECT_EQ(Shown()[1], question);
    ASSERT_FALSE(m_view.results.empty());
    EXPECT_EQ(m_view.results.back(), "Imported " + file.string() + ": 1 row changed");

    // A file that changes nothing asks nothing.
    m_dialogs.Script({file});
    EXPECT_EQ(commands.Import(), ChannelCsvCommands::kDone);
    ASSERT_EQ(Shown().size(), 3U);
    EXPECT_EQ(Shown()[2], "2 channel lines were read; 0 rows changed.");
}

// A long list shows its first changes and counts the others.
TEST_F(ChannelCsv, ALongListOfChangesIsCut) {
    ChannelCsvCommands commands = Commands();
    std::string text = std::string(model::kChannelCsvHeader) + "\n";
    for (int row = 0; row < 10; ++row) {
        text += "weather," + std::to_string(row) + ",,,1,,,,,,,\n";
    }
    for (int channel = 0; channel < 30; ++channel) {
        text += "free," + std::to_string(channel) + ",,,,,,,," + std::to_string(156800000 + 25000 * channel) + ",,\n";
    }
    m_dialogs.Script({m_dir.Write("long.csv", text)});
    EXPECT_EQ(commands.Import(), ChannelCsvCommands::kCancelled);
    ASSERT_EQ(Shown().size(), 1U);
    std::istringstream lines(Shown()[0]);
    std::string line;
    while (std::getline(lines, line) && !line.starts_with("These cells will change")) {
    }
    std::size_t listed = 0;
    while (std::getline(lines, line) && line.find(',') != std::string::npos) {
        ++listed;
    }
    EXPECT_EQ(listed, ChannelCsvCommands::kListedChanges);
    EXPECT_TRUE(line.starts_with("...and ") && line.ends_with(" more changes")) << Shown()[0];
}

TEST_F(ChannelCsv, ARefusedImportNamesTheLineAndChangesNothing) {
    ChannelCsvCommands commands = Commands();
    const std::string header = model::kChannelCsvHeader;
    m_dialogs.Script({m_dir.Write("bad.csv", header + "\nusa,40,20,,0,1,0,0,0,,,\nfree,0,1,,,,,,,156013000,,\n"),
                      m_dir.Write("garbage.csv", std::string(3 * 1024 * 1024, '\x01'))});
    EXPECT_EQ(commands.Import(), ChannelCsvCommands::kFailed);
    EXPECT_EQ(commands.Import(), ChannelCsvCommands::kFailed);
    EXPECT_FALSE(Tagged(40));
    EXPECT_FALSE(App().IsModified());
    ASSERT_EQ(Shown().size(), 2U);
    EXPECT_EQ(Shown()[0],
              "The channels were not imported; nothing has been changed.\n"
              "Line 3: rx_hz 156013000 Hz is not on the radio's 6250 Hz raster.");
    EXPECT_EQ(Shown()[1].rfind("The channels were not imported", 0), 0U);
}

} // namespace
