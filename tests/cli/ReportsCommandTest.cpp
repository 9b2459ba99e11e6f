// What vqn58-cli tells a script on the terminal: the changes an import would make without saving them,
// an entry stored otherwise than typed, and messages that start with the program's name and the file
// they are about. Run as separate processes with the shipped overlay.

#include "CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using clitest::CliRun;
using clitest::Quoted;
using clitest::RunCliCommand;

class Reports : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunCliCommand("new " + Quoted(a) + " --model 1").status, 0); }
    // What a message about `file` starts with.
    static std::string About(const std::string& file) { return "vqn58-cli: " + file + ": "; }

    testsupport::TempDir dir;
    std::string a = (dir / "a.qcf").string();
};

// A spreadsheet trimmed a name's leading space: the dry run lists it as diff would and saves nothing.
TEST_F(Reports, ADryRunListsTheChangesAndSavesNothing) {
    ASSERT_EQ(
        RunCliCommand("set " + Quoted(a) + " CT_FreeCh.CL_Fch_FreqR:3=156.8 'CT_FreeCh.CL_Fch_ChName:3= 2'").status, 0);
    const std::string csv = (dir / "a.csv").string();
    ASSERT_EQ(RunCliCommand("export " + Quoted(a) + " > " + Quoted(csv)).status, 0);
    std::string text = testsupport::ReadFileBytes(csv);
    const std::string spaced = "\nfree,3,4,,,,,,,156800000,, 2\n";
    const auto row = text.find(spaced);
    ASSERT_NE(row, std::string::npos);
    text.replace(row, spaced.size(), "\nfree,3,4,,,,,,,156800000,,2\n");
    const auto trimmed = dir.Write("trimmed.csv", text);
    const std::string before = testsupport::ReadFileBytes(a);

    const CliRun run = RunCliCommand("import " + Quoted(a) + " " + Quoted(trimmed.string()) + " --dry-run 2>&1");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output,
              "Free channels,4,Name,\" 2\",2\n" + About(a) +
                  "992 channel lines were read; 1 row would change. Nothing was saved: this was a dry run.\n");
    EXPECT_EQ(testsupport::ReadFileBytes(a), before);

    const CliRun applied = RunCliCommand("import " + Quoted(a) + " " + Quoted(trimmed.string()));
    EXPECT_EQ(applied.status, 0) << applied.output;
    EXPECT_EQ(applied.output, About(a) + "992 channel lines were read; 1 row changed.\n");
    EXPECT_EQ(RunCliCommand("import " + Quoted(a) + " " + Quoted(trimmed.string()) + " --dry-run").output,
              About(a) + "992 channel lines were read; 0 rows would change. Nothing was saved: this was a dry run.\n");
}

// An entry stored otherwise than typed is told, once the file is saved; one stored as typed (the same
// number in other digits, an item of a list) is not.
TEST_F(Reports, SetTellsWhatItStoredOtherwiseThanTyped) {
    const CliRun run = RunCliCommand("set " + Quoted(a) +
                                     " CT_FreeCh.CL_Fch_FreqR:6=250 CT_FreeCh.CL_Fch_FreqR:7=156.8"
                                     " CT_FreeCh.CL_Fch_FreqR:8=50 CL_ComSet_Backlight=on"
                                     " CL_ComSet_Backlight=On CL_ComCom_Beep_UP=#1");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output,
              About(a) + "CT_FreeCh.CL_Fch_FreqR:6: 250 stored as 199.98750\n" + About(a) +
                  "CT_FreeCh.CL_Fch_FreqR:8: 50 stored as 100.00000\n" + About(a) +
                  "CL_ComSet_Backlight: on stored as On\n");
    // A refused entry saves nothing and tells nothing of the entries before it.
    const CliRun refused =
        RunCliCommand("set " + Quoted(a) + " CT_FreeCh.CL_Fch_FreqR:9=250 CL_ComSet_Backlight=Bright");
    EXPECT_EQ(refused.status, 4);
    EXPECT_EQ(refused.output.find("stored as"), std::string::npos) << refused.output;
    EXPECT_EQ(refused.output.rfind(About(a) + "CL_ComSet_Backlight refused: ", 0), 0u) << refused.output;
}

// Every message names the program and the file: diff says which of its two files could not be read, an
// import which file was refused.
TEST_F(Reports, MessagesNameTheProgramAndTheirFile) {
    const std::string missing = (dir / "missing.qcf").string();
    const std::string bad = dir.Write("bad.csv", "plan;row\n").string();
    const struct {
        const char* what;
        std::string arguments;
        int status;
        std::string start;
    } cases[] = {
        {"diff, B missing", "diff " + Quoted(a) + " " + Quoted(missing), 11, About(missing)},
        {"diff, A missing", "diff " + Quoted(missing) + " " + Quoted(a), 11, About(missing)},
        {"check", "check " + Quoted(missing), 11, About(missing)},
        {"a channel list refused", "import " + Quoted(a) + " " + Quoted(bad), 4, About(bad)},
        {"a new file kept", "new " + Quoted(a), 2, About(a)},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCliCommand(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.output;
        EXPECT_EQ(run.output.rfind(c.start, 0), 0u) << c.what << "\n" << run.output;
    }
}

} // namespace
