// vqn58-cli import and diff on clone files made by vqn58-cli new, run as separate processes with the
// shipped overlay: a channel list carried from one file to another, refused lists that leave the file
// byte for byte, and the differences the window would show.

#include "CliRun.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

using clitest::CliRun;
using clitest::Quoted;
using clitest::RunCliCommand;

class ImportDiff : public testing::Test {
protected:
    void SetUp() override {
        a = (dir / "a.qcf").string();
        b = (dir / "b.qcf").string();
        ASSERT_EQ(RunCliCommand("new " + Quoted(a) + " --model 1").status, 0);
        ASSERT_EQ(RunCliCommand("new " + Quoted(b) + " --model 1").status, 0);
    }
    CliRun Run(const std::string& command, const std::string& x, const std::string& y) {
        return RunCliCommand(command + " " + Quoted(x) + " " + Quoted(y));
    }

    testsupport::TempDir dir;
    std::string a;
    std::string b;
};

TEST_F(ImportDiff, ChannelsExportedFromOneFileImportIntoAnother) {
    ASSERT_EQ(RunCliCommand("set " + Quoted(b) +
                            " CT_UsaCh.CL_ChList_Tag:40=Tag CT_FreeCh.CL_Fch_FreqR:5=156.0125"
                            " CT_FreeCh.CL_Fch_ChName:5=Hi CT_WxCh.CL_WX_ChAtr:3=#1")
                  .status,
              0);
    const CliRun before = Run("diff", a, b);
    EXPECT_EQ(before.status, 1);
    EXPECT_EQ(before.output,
              "USA channels,20,Tag,-,Tag\n"
              "Weather channels,WX4,Receive,Receive,Inhibit\n"
              "Free channels,6,Receive MHz,,156.01250\n"
              "Free channels,6,Name,,Hi\n");

    const std::string csv = (dir / "b.csv").string();
    ASSERT_EQ(RunCliCommand("export " + Quoted(b) + " > " + Quoted(csv)).status, 0);
    const CliRun imported = Run("import", a, csv);
    EXPECT_EQ(imported.status, 0) << imported.output;
    EXPECT_NE(imported.output.find("992 channel lines were read; 3 rows changed."), std::string::npos)
        << imported.output;
    const CliRun after = Run("diff", a, b);
    EXPECT_EQ(after.status, 0) << after.output;
    EXPECT_EQ(after.output, "");
}

TEST_F(ImportDiff, ARefusedListSavesNothing) {
    const std::string original = testsupport::ReadFileBytes(a);
    const std::string header = "plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name\n";
    const struct {
        const char* what;
        std::string csv;
        int status;
        std::string message;
    } cases[] = {
        {"off raster", header + "usa,40,20,,0,1,0,0,0,,,\nfree,5,6,,,,,,,156013000,,\n", 4, "Line 3: rx_hz"},
        {"bad name", header + "free,5,6,,,,,,,156012500,,XYZ\n", 4, "Line 2: the name 'XYZ'"},
        {"tag on an inhibited row", header + "international,0,0,,1,1,0,0,0,,,\n", 4, "Line 2: channel 0 is inhibited"},
        {"name without a frequency", header + "free,5,6,,,,,,,,,Hi\n", 4, "Line 2: a name needs"},
        {"no header", "usa,40,20,,0,1,0,0,0,,,\n", 4, "header line"},
        {"10 MB", std::string(10 * 1024 * 1024, 'x'), 4, "larger than"},
    };
    for (const auto& c : cases) {
        const auto csv = dir.Write("list.csv", c.csv);
        const CliRun run = Run("import", a, csv.string());
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.output;
        EXPECT_NE(run.output.find("nothing has been changed"), std::string::npos) << c.what << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.what << ": " << run.output;
        EXPECT_EQ(testsupport::ReadFileBytes(a), original) << c.what;
    }
    EXPECT_EQ(Run("import", a, (dir / "missing.csv").string()).status, 2);
    EXPECT_EQ(testsupport::ReadFileBytes(a), original);
}

// What the radio is sent is compared: a text by its stored bytes (quoted where its spaces matter), and
// every byte a write sends that no shown cell explains by its address and both values.
TEST_F(ImportDiff, TextsByTheirBytesAndBytesWithoutACell) {
    ASSERT_EQ(
        RunCliCommand("set " + Quoted(a) + " CT_FreeCh.CL_Fch_FreqR:3=156.8 'CT_FreeCh.CL_Fch_ChName:3= 2'").status, 0);
    ASSERT_EQ(RunCliCommand("set " + Quoted(b) + " CT_FreeCh.CL_Fch_FreqR:3=156.8 CT_FreeCh.CL_Fch_ChName:3=2").status,
              0);
    const CliRun names = Run("diff", a, b);
    EXPECT_EQ(names.status, 1);
    EXPECT_EQ(names.output, "Free channels,4,Name,\" 2\",2\n");

    // The model type, byte 0x609, has no cell of its own: the line of address 0x600 carries it tenth.
    std::string text = testsupport::ReadFileBytes(a);
    const auto line = text.find("\n060010");
    ASSERT_NE(line, std::string::npos);
    ASSERT_EQ(text.substr(line + 7 + 2 * 9, 2), "01");
    text.replace(line + 7 + 2 * 9, 2, "02");
    const auto other = dir.Write("other-type.qcf", text);
    const CliRun type = Run("diff", a, other.string());
    EXPECT_EQ(type.status, 1);
    EXPECT_NE(type.output.find("\n,0x609,,0x01,0x02\n"), std::string::npos) << type.output;

    // A column without a heading is named by its cell's kind.
    std::string overlay = testsupport::ReadFileBytes(std::string(VQN58_BIN_DIR) + "/VQN58.OVL");
    const auto usa = overlay.find("#GI_Sheet_UsaCh_Cells");
    ASSERT_NE(usa, std::string::npos);
    overlay.replace(overlay.find("{($ChHead)}Tag|", usa), 15, "{($ChHead)}|");
    const auto headless = dir.Write("headless.ovl", overlay);
    ASSERT_EQ(RunCliCommand("set " + Quoted(b) + " CT_UsaCh.CL_ChList_Tag:40=Tag").status, 0);
    const CliRun tag = RunCliCommand("--overlay " + Quoted(headless.string()) + " diff " + Quoted(a) + " " + Quoted(b));
    EXPECT_NE(tag.output.find("USA channels,20,CL_ChList_Tag,-,Tag\n"), std::string::npos) << tag.output;
}

// The factory's adjustment values (0x7F0 to 0x7F5) are measured in each radio and no write sends them:
// files that differ only there are the same to diff. A factory setting that a write sends is a byte
// line like any other byte without a cell of the sheets.
TEST_F(ImportDiff, AdjustmentValuesAreNotComparedFactorySettingsAre) {
    std::string text = testsupport::ReadFileBytes(a);
    const auto line = text.find("\n07F010");
    ASSERT_NE(line, std::string::npos);
    for (const int value : {0, 5}) { // CL_MakerR_Ref and CL_MakerR_Noise
        const std::size_t at = line + 7 + 2 * static_cast<std::size_t>(value);
        text.replace(at, 2, text.substr(at, 2) == "5A" ? "A5" : "5A");
    }
    const auto adjusted = dir.Write("adjusted.qcf", text);
    const CliRun same = Run("diff", a, adjusted.string());
    EXPECT_EQ(same.status, 0) << "files that differ only in the adjustment values: " << same.output;
    EXPECT_EQ(same.output, "");

    ASSERT_EQ(RunCliCommand("set " + Quoted(b) + " CL_MakerR_TotTimer=123").status, 0);
    const CliRun factory = Run("diff", a, b);
    EXPECT_EQ(factory.status, 1) << "a factory setting differs";
    EXPECT_NE(factory.output.find(",0x65A,,"), std::string::npos) << factory.output;
}

TEST_F(ImportDiff, BadFilesAndArgumentsEndAsTheOtherCommandsDo) {
    EXPECT_EQ(Run("diff", a, (dir / "missing.qcf").string()).status, 11);
    EXPECT_EQ(Run("import", (dir / "missing.qcf").string(), a).status, 11);
    EXPECT_EQ(RunCliCommand("diff " + Quoted(a)).status, 2);
    EXPECT_EQ(RunCliCommand("import " + Quoted(a)).status, 2);
}

} // namespace
