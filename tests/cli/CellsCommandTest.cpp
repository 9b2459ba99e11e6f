// vqn58-cli get, set and show on clone files made by vqn58-cli new, run as separate processes with the
// shipped overlay: round trips, refused entries that leave the file byte for byte, unknown names.

#include "CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using clitest::CliRun;
using clitest::Quoted;
using clitest::RunCliCommand;

class CellsCommand : public testing::Test {
protected:
    void SetUp() override {
        file = (dir.Path() / "boat.qcf").string();
        ASSERT_EQ(RunCliCommand("new " + Quoted(file) + " --model 1").status, 0);
    }
    CliRun Get(const std::string& cells) { return RunCliCommand("get " + Quoted(file) + " " + cells); }
    CliRun Set(const std::string& entries) { return RunCliCommand("set " + Quoted(file) + " " + entries); }

    testsupport::TempDir dir;
    std::string file;
};

TEST_F(CellsCommand, SetThenGetRoundTrips) {
    const struct {
        const char* entry;
        const char* shown;
    } cases[] = {
        {"CL_ComSet_Backlight=On", "On"},
        {"CL_ComSet_Backlight=off", "Off"}, // item texts in any letter case
        {"CL_ComSet_Backlight=#1", "On"},
        {"CL_ComAtis_AtisId=1234567890", "1234567890"},
        {"CL_ComCom_Beep_UP=2000", "1997"},
        {"CL_ComExp_PSave_1stTimer=2.5", "  2.500"},
        {"CL_ComCom_CloneComment='Sea Breeze'", "Sea Breeze"},
        {"CL_MakerR_TotTimer=1500", "999"},
    };
    for (const auto& c : cases) {
        const CliRun set = Set(c.entry);
        ASSERT_EQ(set.status, 0) << c.entry << ": " << set.output;
        const std::string name = std::string(c.entry).substr(0, std::string(c.entry).find('='));
        EXPECT_EQ(Get(name).output, std::string(c.shown) + "\n") << c.entry;
    }
    // Several cells in one call, in the order given.
    const CliRun both = Get("CL_ComSet_Backlight CL_ComAtis_AtisId");
    EXPECT_EQ(both.output, "On\n1234567890\n");
}

TEST_F(CellsCommand, RefusedEntriesSaveNothing) {
    ASSERT_EQ(Set("CL_ComSet_Backlight=Off").status, 0);
    const std::string before = testsupport::ReadFileBytes(file);
    const struct {
        const char* entries;
        const char* why;
    } cases[] = {
        {"CL_ComSet_Backlight=On CL_ComAtis_AtisId=123", "CL_ComAtis_AtisId refused"},
        {"CL_ComSet_Backlight=Dim", "'Dim' is none of its items"},
        {"CL_ComSet_Backlight=#7", "none of its items"},
        {"CL_ComCom_VolTimer=off", "CL_ComCom_VolTimer refused"},
        {"CL_MakerR_Ref=12", "CL_MakerR_Ref refused"},
        {"CL_ComSet_WxAlert=On", "CL_ComSet_WxAlert refused"}, // fixed by the factory data of model 1
        {"CL_Menu_File_Exit=1", "takes no entry"},
    };
    for (const auto& c : cases) {
        const CliRun run = Set(c.entries);
        EXPECT_EQ(run.status, 4) << c.entries << ": " << run.output;
        EXPECT_NE(run.output.find(c.why), std::string::npos) << run.output;
        EXPECT_EQ(testsupport::ReadFileBytes(file), before) << c.entries;
    }
}

TEST_F(CellsCommand, UnknownNamesAreUsageErrors) {
    const std::string before = testsupport::ReadFileBytes(file);
    for (const char* arguments : {"get FILE CL_NoSuchCell",
                                  "get FILE CT_Nowhere.CL_ChList_Atr:3",
                                  "get FILE CL_ChList_Atr:x",
                                  "set FILE CL_NoSuchCell=1",
                                  "set FILE CL_ComSet_Beep",
                                  "show FILE GI_Sheet_Nothing",
                                  "get FILE"}) {
        std::string command = arguments;
        command.replace(command.find("FILE"), 4, Quoted(file));
        EXPECT_EQ(RunCliCommand(command).status, 2) << arguments;
    }
    EXPECT_EQ(testsupport::ReadFileBytes(file), before);
}

TEST_F(CellsCommand, ShowPrintsTheSheetAsTheWindowDrawsIt) {
    ASSERT_EQ(Set("CL_ComExp_ScanF=Off CL_ComSet_ScanF=#0 CL_ComSet_Backlight=On").status, 0);
    const CliRun run = RunCliCommand("show " + Quoted(file) + " GI_Sheet_ComSet");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(run.output.starts_with("row,column,category,kind,index,text,grey,warning\n"));
    EXPECT_NE(run.output.find(",7,135,0,On,0,0\n"), std::string::npos) << run.output;          // backlight
    EXPECT_NE(run.output.find(",7,123,0,Normal scan,1,0\n"), std::string::npos) << run.output; // no scan: grey
    EXPECT_NE(run.output.find(",256,0,Backlight,0,0\n"), std::string::npos);
}

TEST_F(CellsCommand, HelpNamesTheCellsWithExamples) {
    const CliRun help = RunCliCommand("--help");
    for (const char* example : {"CL_ComCom_Beep_UP", "CT_UsaCh.CL_ChList_Atr:32", "CT_FreeCh.CL_Fch_FreqR:5"}) {
        EXPECT_NE(help.output.find(example), std::string::npos) << example;
    }
}

} // namespace
