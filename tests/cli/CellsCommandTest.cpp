// vqn58-cli get, set and show on clone files made by vqn58-cli new, run as separate processes with the
// shipped overlay: round trips, refused entries that leave the file byte for byte, unknown names.

#include "CliRun.h"
#include "support/TempDir.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using clitest::CliRun;
using clitest::Quoted;
using clitest::RunCliCommand;

// Runs vqn58-cli with `args` and `signal` already pending when it starts (raised while blocked, before
// the program is loaded): the signal arrives as soon as the tool listens for it, before any save.
// The exit status, or -1 when it did not exit normally.
int RunWithSignalPending(std::vector<std::string> args, int signal) {
    args.insert(args.begin(), std::string(VQN58_BIN_DIR) + "/vqn58-cli");
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, signal);
        ::sigprocmask(SIG_BLOCK, &blocked, nullptr);
        ::kill(::getpid(), signal);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

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
                                  "get FILE CL_Free_Byte_Dec:12x",
                                  "set FILE CL_Free_Byte_Dec:12x=1",
                                  "set FILE CL_NoSuchCell=1",
                                  "set FILE CL_ComSet_Beep",
                                  "show FILE GI_Sheet_Nothing",
                                  "layout GI_Sheet_Nothing",
                                  "get FILE"}) {
        std::string command = arguments;
        if (const auto at = command.find("FILE"); at != std::string::npos) {
            command.replace(at, 4, Quoted(file));
        }
        EXPECT_EQ(RunCliCommand(command).status, 2) << arguments << " is a usage error";
    }
    EXPECT_EQ(testsupport::ReadFileBytes(file), before);
}

// A row, line or address that does not exist is a usage error naming the cell and its range, for get and
// set alike; nothing is drawn, invented or saved.
TEST_F(CellsCommand, CellsOutsideTheirRangeAreUsageErrors) {
    const std::string before = testsupport::ReadFileBytes(file);
    const struct {
        const char* cell;
        const char* range;
    } cases[] = {
        {"CT_FreeCh.CL_Fch_FreqR:70", "indices 0 to 69"},
        {"CT_FreeCh.CL_Fch_FreqR:-1", "indices 0 to 69"},
        {"CT_WxCh.CL_WX_ChAtr:10", "indices 0 to 9"},
        {"CT_IntCh.CL_ChList_Tag:304", "indices 0 to 303"},
        {"CL_Fch_FreqR:5", "categories CT_FreeCh"},         // without its category
        {"CT_WxCh.CL_Fch_FreqR:5", "categories CT_FreeCh"}, // with another plan's
        {"CT_FreeCh.CL_ChList_Tag:5", "categories CT_IntCh, CT_UsaCh, CT_CanCh"},
        {"CL_Sel_Mode_F:100", "indices 0 to 1"},
        {"CL_Sel_Mode_F:-1", "indices 0 to 1"},
        {"CL_Sel_Mode_F:2047", "indices 0 to 1"},
        {"CL_Misc_ChNo_1Base:2147483647", "indices 0 to 303"},
        {"CL_Free_Byte_Dec:2049", "indices 0 to 2048"},
        {"CL_ComSet_Backlight:1", "indices 0 to 0"},
    };
    for (const auto& c : cases) {
        for (const std::string& command :
             {"get " + Quoted(file) + " " + c.cell, "set " + Quoted(file) + " " + c.cell + "=1"}) {
            const CliRun run = RunCliCommand(command);
            EXPECT_EQ(run.status, 2) << command << ": " << run.output;
            EXPECT_NE(run.output.find(c.cell), std::string::npos) << run.output;
            EXPECT_NE(run.output.find(c.range), std::string::npos) << run.output;
        }
    }
    EXPECT_EQ(testsupport::ReadFileBytes(file), before);
    EXPECT_EQ(Get("CL_Sel_Mode_F:1 CT_FreeCh.CL_Fch_FreqR:69").status, 0); // both ends stay open
}

// A setting the model fixes takes the value it has, as no change, so what get printed can be set again.
TEST_F(CellsCommand, AFixedSettingTakesItsOwnValue) {
    ASSERT_EQ(RunCliCommand("new " + Quoted(file) + " --model 0 --force").status, 0);
    ASSERT_EQ(Get("CL_ComAtis_IntCh").output, "Disabled\n");
    for (const char* entry : {"CL_ComAtis_IntCh=#0", "CL_ComAtis_IntCh=Disabled"}) {
        const CliRun run = Set(entry);
        EXPECT_EQ(run.status, 0) << entry << ": " << run.output;
    }
    const CliRun changed = Set("CL_ComAtis_IntCh=#1");
    EXPECT_EQ(changed.status, 4) << changed.output;
    EXPECT_EQ(Get("CL_ComAtis_IntCh").output, "Disabled\n");
}

TEST_F(CellsCommand, ShowPrintsTheSheetAsTheWindowDrawsIt) {
    ASSERT_EQ(Set("CL_ComExp_ScanF=Off CL_ComSet_ScanF=#0 CL_ComSet_Backlight=On").status, 0);
    const CliRun run = RunCliCommand("show " + Quoted(file) + " GI_Sheet_ComSet");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(run.output.starts_with("row,column,category,kind,index,number,text,grey,warning\n"));
    EXPECT_NE(run.output.find(",7,135,0,,On,0,0\n"), std::string::npos) << run.output;          // backlight
    EXPECT_NE(run.output.find(",7,123,0,,Normal scan,1,0\n"), std::string::npos) << run.output; // no scan: grey
    EXPECT_NE(run.output.find(",256,0,,Backlight,0,0\n"), std::string::npos);
    // A channel row: the index of the command line and, beside it, the number the window shows.
    const CliRun free = RunCliCommand("show " + Quoted(file) + " GI_Sheet_FreeCh");
    EXPECT_NE(free.output.find(",6,119,5,6,"), std::string::npos) << free.output; // CT_FreeCh.CL_Fch_FreqR:5
}

// The grey column also marks the cells that cannot change: the factory's adjustment values, and the
// columns of an inhibited channel.
TEST_F(CellsCommand, ShowGreysTheCellsThatCannotChange) {
    ASSERT_EQ(Set("CT_IntCh.CL_ChList_Atr:2=#3").status, 0); // inhibits channel 1
    // The line of the cell category.kind:index, without its row and column.
    const auto cellLine = [&](const char* sheet, const std::string& cell) {
        const CliRun run = RunCliCommand("show " + Quoted(file) + " " + sheet);
        EXPECT_EQ(run.status, 0) << run.output;
        const auto at = run.output.find("," + cell + ",");
        return at == std::string::npos ? std::string() : run.output.substr(at + 1, run.output.find('\n', at) - at - 1);
    };
    const struct {
        const char* sheet;
        const char* cell; // category,kind,index
        const char* grey; // ...,grey,warning
    } cases[] = {
        {"GI_Sheet_MakerR", "7,248,0", ",1,0"}, // CL_MakerR_Ref, shown only
        {"GI_Sheet_MakerR", "7,253,0", ",1,0"}, // CL_MakerR_Noise
        {"GI_Sheet_IntCh", "2,114,2", ",1,0"},  // the tag of the inhibited channel
        {"GI_Sheet_IntCh", "2,115,2", ",1,0"},  // its transmit inhibit
        {"GI_Sheet_IntCh", "2,114,4", ",0,0"},  // the next channel's tag is allowed
        {"GI_Sheet_MakerR", "7,237,0", ",0,0"}, // CL_MakerR_TotTimer can change
    };
    for (const auto& c : cases) {
        const std::string line = cellLine(c.sheet, c.cell);
        EXPECT_TRUE(line.ends_with(c.grey))
            << c.sheet << " " << c.cell << " shows grey as in " << c.grey << ": " << line;
    }
}

// Every column of every channel list: attributes, marks, frequencies and names.
TEST_F(CellsCommand, ChannelCellsRoundTrip) {
    const struct {
        const char* entry;
        const char* shown;
    } cases[] = {
        {"CT_UsaCh.CL_ChList_Atr:40=#1", "P"},
        {"CT_UsaCh.CL_ChList_Tag:40=#1", "Tag"},
        {"CT_CanCh.CL_ChList_TxInh:12=#1", "Inhibit"},
        {"CT_IntCh.CL_ChList_Poc:20=#1", "Poc"},
        {"CT_IntCh.CL_ChList_Simp:20=Duplex", "Duplex"},
        {"CT_WxCh.CL_WX_ChAtr:3=Inhibit", "Inhibit"},
        {"CT_FreeCh.CL_Fch_FreqR:5=156.8", "156.80000"},
        {"CT_FreeCh.CL_Fch_FreqT:5=156.01", "156.01250"},
        {"CT_FreeCh.CL_Fch_ChName:5=abc", "ab"},
    };
    for (const auto& c : cases) {
        const CliRun set = Set(c.entry);
        ASSERT_EQ(set.status, 0) << c.entry << ": " << set.output;
        const std::string name = std::string(c.entry).substr(0, std::string(c.entry).find('='));
        EXPECT_EQ(Get(name).output, std::string(c.shown) + "\n") << c.entry;
    }
    EXPECT_EQ(Get("CT_UsaCh.CL_ChList_No:239").output, "ab  \n"); // free channel 5 in the USA list
    const std::string before = testsupport::ReadFileBytes(file);
    const CliRun refused = Set("CT_FreeCh.CL_Fch_FreqR:6=156.013");
    EXPECT_EQ(refused.status, 4);
    EXPECT_NE(refused.output.find("raster"), std::string::npos) << refused.output;
    EXPECT_EQ(testsupport::ReadFileBytes(file), before);
}

// The usable-only view: an inhibited channel disappears from the list, a marked one stays.
TEST_F(CellsCommand, ShowUsableListsOnlyTheUsableChannels) {
    ASSERT_EQ(Set("CT_IntCh.CL_ChList_Atr:2=#3").status, 0); // inhibits 1
    auto channels = [&](const std::string& options) {
        const CliRun run = RunCliCommand("show " + Quoted(file) + " GI_Sheet_IntCh" + options);
        EXPECT_EQ(run.status, 0) << run.output;
        std::vector<std::string> shown;
        std::size_t at = 0;
        while ((at = run.output.find(",1,2,112,", at)) != std::string::npos) {
            at += 9;
            shown.push_back(run.output.substr(at, run.output.find(',', at) - at));
        }
        return shown;
    };
    const auto all = channels("");
    const auto usable = channels(" --usable");
    EXPECT_EQ(all.size(), 304U);
    EXPECT_LT(usable.size(), all.size());
    EXPECT_NE(std::find(all.begin(), all.end(), "2"), all.end());
    EXPECT_EQ(std::find(usable.begin(), usable.end(), "2"), usable.end());
    EXPECT_NE(std::find(usable.begin(), usable.end(), "32"), usable.end()); // channel 16, the P channel
}

TEST_F(CellsCommand, HelpNamesTheCellsWithExamples) {
    const CliRun help = RunCliCommand("--help");
    for (const char* example : {"CL_ComCom_Beep_UP", "CT_UsaCh.CL_ChList_Atr:32", "CT_FreeCh.CL_Fch_FreqR:5"}) {
        EXPECT_NE(help.output.find(example), std::string::npos) << example;
    }
}

} // namespace

namespace {

// A signal before the save stops set, import and new with 128 + n and the file as it was (or not
// made): a status that says "ended by signal" never stands for a saved file.
TEST_F(CellsCommand, ASignalBeforeTheSaveSavesNothing) {
    const std::string before = testsupport::ReadFileBytes(file);
    const auto csv = dir.Write("list.csv",
                               "plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name\n"
                               "usa,40,20,,0,1,0,0,0,,,\n");
    const std::string made = (dir.Path() / "new.qcf").string();
    const struct {
        std::vector<std::string> args;
        int signal;
    } cases[] = {
        {{"set", file, "CL_ComCom_Beep_UP=1000"}, SIGINT},
        {{"set", file, "CL_ComCom_Beep_UP=1000"}, SIGTERM},
        {{"import", file, csv.string()}, SIGTERM},
        {{"new", made}, SIGINT},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunWithSignalPending(c.args, c.signal), 128 + c.signal) << c.args[0] << " " << c.signal;
        EXPECT_TRUE(testsupport::ReadFileBytes(file) == before) << c.args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(made));
    // Without the signal each of them saves.
    EXPECT_EQ(Set("CL_ComCom_Beep_UP=1000").status, 0);
    EXPECT_FALSE(testsupport::ReadFileBytes(file) == before);
}

} // namespace
