// File > Export channels and File > Import channels on the application object, with scripted dialogs.

#include "app/ChannelCsvCommands.h"

#include "DocumentFixture.h"
#include "events/EventNumbers.h"
#include "model/ChannelExport.h"
#include "model/ChannelPlan.h"
#include "model/datCh.h"

namespace {

using apptest::DocumentFixture;

class ChannelCsv : public DocumentFixture {
protected:
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
    EXPECT_EQ(Shown()[0], "GI_Csv_Export_Failed " + (m_dir / "missing" / "boat.csv").string());
}

TEST_F(ChannelCsv, ImportAsksNothingOfACleanDocumentAndMarksItModified) {
    ChannelCsvCommands commands = Commands();
    ASSERT_FALSE(App().IsModified());
    ASSERT_FALSE(Tagged(40));
    const std::string header = model::kChannelCsvHeader;
    m_dialogs.Script({m_dir.Write("tag.csv", header + "\nusa,40,20,,0,1,0,0,0,,,\n")});
    m_events.clear();
    EXPECT_EQ(commands.Import(), ChannelCsvCommands::kDone);
    EXPECT_TRUE(Tagged(40));
    EXPECT_TRUE(App().IsModified());
    EXPECT_EQ(Events(kEvImageChanged), 1);
    ASSERT_EQ(Shown().size(), 1U); // no save question, only what was done
    EXPECT_EQ(Shown()[0], "GI_Csv_Import_Done 1 1");
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
    EXPECT_EQ(Shown()[0], "GI_Csv_Import_Failed\nLine 3: GI_Csv_Err_Raster rx_hz 156013000");
    EXPECT_EQ(Shown()[1].rfind("GI_Csv_Import_Failed\n", 0), 0U);
}

} // namespace
