// vqn58 --print-pdf: the desktop program printing without a window, run as a script would run it.

#include "support/PdfText.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using testsupport::Quoted;

testsupport::CommandRun RunProgram(const std::string& program, const std::string& arguments) {
    return testsupport::RunCommand(Quoted(std::string(VQN58_BIN_DIR) + "/" + program) + " " + arguments);
}

class PrintToPdfTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::string out = (dir / "out.pdf").string();
};

TEST_F(PrintToPdfTest, PrintsOneSheetOfAFileOrEverySheetOfTheFactoryData) {
    // A clone file with an ATIS number the factory data does not have.
    const std::string file = (dir / "radio.qcf").string();
    ASSERT_EQ(RunProgram("vqn58-cli", "new " + Quoted(file) + " --model 1").status, 0);
    ASSERT_EQ(RunProgram("vqn58-cli", "set " + Quoted(file) + " CL_ComAtis_AtisId=9211234567").status, 0);

    const testsupport::CommandRun one =
        RunProgram("vqn58", "--print-pdf " + Quoted(out) + " --sheet GI_Sheet_Atis " + Quoted(file));
    ASSERT_EQ(one.status, 0) << one.output;
    const testsupport::PdfText atis(out);
    ASSERT_EQ(atis.Pages(), 1);
    const std::string text = atis.PageText(1);
    for (const char* expected : {"ATIS identi", "VQ-N58 Cloning Program", "Quon Marine Radio", "9211234567"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }

    // Neither --sheet nor --all: every sheet of the tree.
    const testsupport::CommandRun all = RunProgram("vqn58", "--print-pdf " + Quoted(out));
    ASSERT_EQ(all.status, 0) << all.output;
    const testsupport::PdfText every(out);
    ASSERT_GT(every.Pages(), 10);
    EXPECT_EQ(every.PageSize(), (std::pair<double, double>{595, 842})); // A4
    EXPECT_NE(every.PageText(1).find("International channels"), std::string::npos);
    EXPECT_EQ(every.PageText(1).find("9211234567"), std::string::npos);
    EXPECT_EQ(RunProgram("vqn58", "--print-pdf " + Quoted(out) + " --all").status, 0);
    EXPECT_EQ(testsupport::PdfText(out).Pages(), every.Pages());
}

TEST_F(PrintToPdfTest, FailuresSayWhyAndWriteNothing) {
    const std::string missingDir = (dir / "missing" / "out.pdf").string();
    const struct {
        const char* what;
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {"a file that cannot be read", Quoted(out) + " " + Quoted((dir / "none.qcf").string()), 1, "cannot be opened"},
        {"an output that cannot be written", Quoted(missingDir) + " --sheet GI_Sheet_WxCh", 1, "cannot write"},
        {"a sheet that is never printed", Quoted(out) + " --sheet GI_Sheet_Info_Batt", 1, "nothing to print"},
        {"a sheet the overlay does not have", Quoted(out) + " --sheet GI_Sheet_Nope", 2, "no sheet 'GI_Sheet_Nope'"},
        {"no output", "", 2, "needs OUT.pdf"},
        {"one sheet and all sheets", Quoted(out) + " --all --sheet GI_Sheet_WxCh", 2, "exclude each other"},
        {"an unknown option", Quoted(out) + " --colour", 2, "unknown option --colour"},
    };
    for (const auto& c : cases) {
        const testsupport::CommandRun run = RunProgram("vqn58", "--print-pdf " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.what << "\n" << run.output;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.what;
    }
    const testsupport::CommandRun help = RunProgram("vqn58", "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("--print-pdf OUT.pdf [--sheet KEY | --all] [FILE]"), std::string::npos);
}

} // namespace
