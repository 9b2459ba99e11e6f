// vqn58 --print-pdf: the desktop program printing without a window, run as a script would run it.

#include "support/PdfText.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using testsupport::Quoted;
using testsupport::ReadFileBytes;

// What is at `path`: a file's bytes, a mark for a folder, nothing when there is nothing.
std::string Content(const std::filesystem::path& path) {
    return std::filesystem::is_directory(path) ? std::string("<folder>") : ReadFileBytes(path);
}

// The names in a directory: a temporary file left behind shows here.
std::set<std::string> Entries(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

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
    // Every word as it is spelt: no ligature stands for "fi" or "ff".
    for (const char* expected : {"ATIS identification", "VQ-N58 Cloning Program", "Quon Marine Radio", "9211234567"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    // The file is named after the sheet and made by the program of this version.
    EXPECT_EQ(atis.Field("Title"), "ATIS identification");
    EXPECT_EQ(atis.Field("Creator"), "VQ-N58 Cloning Program " VQN58_VERSION);

    // Neither --sheet nor --all: every sheet of the tree.
    const testsupport::CommandRun all = RunProgram("vqn58", "--print-pdf " + Quoted(out));
    ASSERT_EQ(all.status, 0) << all.output;
    const testsupport::PdfText every(out);
    const int allPages = every.Pages();
    ASSERT_GT(allPages, 10);
    EXPECT_NE(every.PageText(1).find("International channels"), std::string::npos);
    EXPECT_EQ(every.PageText(1).find("9211234567"), std::string::npos);
    EXPECT_EQ(every.Field("Title"), "Untitled");
    EXPECT_EQ(RunProgram("vqn58", "--print-pdf " + Quoted(out) + " --all").status, 0);
    EXPECT_EQ(testsupport::PdfText(out).Pages(), allPages);
    // The whole file is named after it; printed words are searchable ("Off", not a ligature of "ff").
    EXPECT_EQ(RunProgram("vqn58", "--print-pdf " + Quoted(out) + " --all " + Quoted(file)).status, 0);
    EXPECT_EQ(testsupport::PdfText(out).Field("Title"), "radio.qcf");
    std::string offs;
    for (int page = 1; page <= testsupport::PdfText(out).Pages(); ++page) {
        offs += testsupport::PdfText(out).PageText(page);
    }
    EXPECT_NE(offs.find("Off"), std::string::npos);

    // The usable-channels-only view leaves out the rows of inhibited channels.
    ASSERT_EQ(RunProgram("vqn58", "--print-pdf " + Quoted(out) + " --usable").status, 0);
    EXPECT_LT(testsupport::PdfText(out).Pages(), allPages);
}

// A4 or US Letter: asked for, or the paper of the locale's measurement system.
TEST_F(PrintToPdfTest, PaperFromTheOptionOrTheLocale) {
    const struct {
        const char* environment;
        const char* option;
        std::pair<double, double> points;
    } cases[] = {
        {"LC_ALL=en_US.UTF-8", "", {612, 792}},
        {"LC_ALL=en_GB.UTF-8", "", {595, 842}},
        {"LC_ALL=de_DE.UTF-8", "", {595, 842}},
        {"LC_ALL=en_US.UTF-8", "--paper a4", {595, 842}},
        {"LC_ALL=de_DE.UTF-8", "--paper letter", {612, 792}},
    };
    for (const auto& c : cases) {
        const testsupport::CommandRun run =
            testsupport::RunCommand(std::string(c.environment) + " " + Quoted(std::string(VQN58_BIN_DIR) + "/vqn58") +
                                    " --print-pdf " + Quoted(out) + " --sheet GI_Sheet_WxCh " + c.option);
        ASSERT_EQ(run.status, 0) << c.environment << " " << c.option << "\n" << run.output;
        EXPECT_EQ(testsupport::PdfText(out).PageSize(), c.points) << c.environment << " " << c.option;
    }
    EXPECT_EQ(RunProgram("vqn58", "--print-pdf " + Quoted(out) + " --paper a3").status, 2);
}

// OUT is never a file the PDF must not replace: the clone file being printed (under any of its names),
// a file named as a clone file, or an existing file that is no PDF file. Nothing is written, not even
// a temporary file.
TEST_F(PrintToPdfTest, RefusesAnOutputThatIsNoPdfFileOfItsOwn) {
    const std::filesystem::path file = dir / "boat.qcf";
    ASSERT_EQ(RunProgram("vqn58-cli", "new " + Quoted(file.string()) + " --model 1").status, 0);
    const std::filesystem::path plain = dir / "boat.dat"; // a clone file by another extension
    std::filesystem::copy_file(file, plain);
    std::filesystem::create_symlink(file, dir / "link.pdf");
    std::filesystem::create_hard_link(file, dir / "hard.pdf");
    dir.Write("notes.txt", "not a PDF");
    dir.Write("empty.pdf", "");
    std::filesystem::create_directory(dir / "folder.pdf");
    const struct {
        const char* what;
        std::filesystem::path out;
        std::filesystem::path file;
        const char* message;
    } cases[] = {
        {"FILE itself", file, file, "is the clone file to be printed"},
        {"FILE by another path", dir / "." / "boat.qcf", file, "is the clone file to be printed"},
        {"FILE through a link", dir / "link.pdf", file, "is the clone file to be printed"},
        {"FILE by a second name", dir / "hard.pdf", file, "is the clone file to be printed"},
        {"FILE of another extension", plain, plain, "is the clone file to be printed"},
        {"a clone file name", dir / "new.qcf", file, "named as a clone file"},
        {"a clone file name in capitals", dir / "NEW.QCF", {}, "named as a clone file"},
        {"another clone file", file, {}, "named as a clone file"},
        {"a text file", dir / "notes.txt", file, "is not a PDF file"},
        {"an empty file", dir / "empty.pdf", {}, "is not a PDF file"},
        {"a folder", dir / "folder.pdf", {}, "is not a PDF file"},
    };
    const std::string clone = ReadFileBytes(file);
    for (const auto& c : cases) {
        const std::set<std::string> before = Entries(dir.Path());
        const std::string old = Content(c.out);
        const testsupport::CommandRun run = RunProgram(
            "vqn58", "--print-pdf " + Quoted(c.out.string()) + (c.file.empty() ? "" : " " + Quoted(c.file.string())));
        EXPECT_EQ(run.status, 2) << c.what << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.what << "\n" << run.output;
        EXPECT_TRUE(Content(c.out) == old) << c.what << ": OUT was changed";
        EXPECT_EQ(Entries(dir.Path()), before) << c.what;
    }
    EXPECT_TRUE(ReadFileBytes(file) == clone && ReadFileBytes(plain) == clone) << "FILE was changed";
}

// The PDF is written beside OUT and renamed over it when whole. On a file system that takes only a few
// kilobytes more (a file size limit stands in for a nearly full disk) the print fails and the previous
// OUT stays as it was, with no temporary file left.
TEST_F(PrintToPdfTest, AFullDiskLeavesThePreviousFileAsItWas) {
    const std::string previous = "%PDF-1.4 the previous print\n";
    dir.Write("out.pdf", previous);
    const std::set<std::string> before = Entries(dir.Path());
    const std::string program = Quoted(std::string(VQN58_BIN_DIR) + "/vqn58");
    // Without the signal a write past the limit would end the program instead of failing.
    const testsupport::CommandRun full =
        testsupport::RunCommand("trap '' XFSZ; ulimit -f 64; exec " + program + " --print-pdf " + Quoted(out));
    EXPECT_EQ(full.status, 1) << full.output;
    EXPECT_NE(full.output.find("cannot write the PDF file"), std::string::npos) << full.output;
    EXPECT_TRUE(ReadFileBytes(out) == previous) << "OUT was changed";
    EXPECT_EQ(Entries(dir.Path()), before);

    // With room, the same print replaces it.
    const testsupport::CommandRun room = RunProgram("vqn58", "--print-pdf " + Quoted(out));
    ASSERT_EQ(room.status, 0) << room.output;
    EXPECT_GT(std::filesystem::file_size(out), 64U * 1024) << "the limit above must cut the file";
    EXPECT_GT(testsupport::PdfText(out).Pages(), 10);
    EXPECT_EQ(Entries(dir.Path()), before);
}

TEST_F(PrintToPdfTest, FailuresSayWhyAndWriteNothing) {
    const std::string missingDir = (dir / "missing" / "out.pdf").string();
    const std::string none = (dir / "none.qcf").string();
    // Each message starts with the program's name and the file it is about; Qt's own warnings (a
    // painter that could not begin) are not shown.
    const struct {
        const char* what;
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"a file that cannot be read", Quoted(out) + " " + Quoted(none), 1, "vqn58: " + none + ": "},
        {"an output that cannot be written",
         Quoted(missingDir) + " --sheet GI_Sheet_WxCh",
         1,
         "vqn58: " + missingDir + ": cannot write"},
        {"a sheet that is never printed",
         Quoted(out) + " --sheet GI_Sheet_Info_Batt",
         1,
         "vqn58: " + out + ": nothing to print"},
        {"a sheet the overlay does not have", Quoted(out) + " --sheet GI_Sheet_Nope", 2, "no sheet 'GI_Sheet_Nope'"},
        {"no output", "", 2, "needs OUT.pdf"},
        {"one sheet and all sheets", Quoted(out) + " --all --sheet GI_Sheet_WxCh", 2, "exclude each other"},
        {"an unknown option", Quoted(out) + " --colour", 2, "unknown option --colour"},
    };
    for (const auto& c : cases) {
        const testsupport::CommandRun run = RunProgram("vqn58", "--print-pdf " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.what << "\n" << run.output;
        EXPECT_EQ(run.output.rfind("vqn58: ", 0), 0u) << c.what << "\n" << run.output;
        EXPECT_EQ(run.output.find("QPainter"), std::string::npos) << c.what << "\n" << run.output;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.what;
    }
    const testsupport::CommandRun help = RunProgram("vqn58", "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("--print-pdf OUT.pdf [--sheet KEY | --all] [--usable] [--paper a4|letter] [FILE]"),
              std::string::npos);
}

} // namespace
