// The desktop program's command line: what each list of arguments asks the program to do.

#include "app/qt/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = StartRequest::Action;

TEST(CommandLine, ChoosesWhatTheProgramDoes) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments; // after the program's path
        Action action;
        std::string file;
        std::string folder;
        std::string problem; // part of the message of a usage error
    };
    const Case cases[] = {
        {"nothing: the window", {}, Action::OpenWindow, "", "", ""},
        {"a file", {"boat.qcf"}, Action::OpenWindow, "boat.qcf", "", ""},
        {"the maker switch is no file", {"/SERVMOD", "/home/boat.qcf"}, Action::OpenWindow, "/home/boat.qcf", "", ""},
        {"the maker switch alone", {"/servmod"}, Action::OpenWindow, "", "", ""},
        {"the first file wins", {"a.qcf", "b.qcf"}, Action::OpenWindow, "a.qcf", "", ""},
        {"Qt's own options are left to Qt",
         {"-style", "fusion", "-reverse", "boat.qcf"},
         Action::OpenWindow,
         "boat.qcf",
         "",
         ""},
        {"a file after -- may start with a dash", {"--", "-boat.qcf"}, Action::OpenWindow, "-boat.qcf", "", ""},
        {"a file's bytes are kept", {"b\xff.qcf"}, Action::OpenWindow, "b\xff.qcf", "", ""},
        {"help anywhere", {"boat.qcf", "--help"}, Action::ShowUsage, "", "", ""},
        {"pictures", {"--screenshots", "pictures"}, Action::TakeScreenshots, "", "pictures", ""},
        {"pictures of a file",
         {"--screenshots", "pictures", "boat.qcf"},
         Action::TakeScreenshots,
         "boat.qcf",
         "pictures",
         ""},
        {"an unknown option", {"--colour", "boat.qcf"}, Action::RefuseUsage, "", "", "unknown option --colour"},
        {"an unknown option with a value", {"--colour=red"}, Action::RefuseUsage, "", "", "unknown option --colour"},
        {"an unknown short option", {"-x"}, Action::RefuseUsage, "", "", "unknown option -x"},
        {"pictures without a folder", {"--screenshots"}, Action::RefuseUsage, "", "", "needs DIR"},
        {"pictures of two files", {"--screenshots", "d", "a.qcf", "b.qcf"}, Action::RefuseUsage, "", "", "needs DIR"},
        {"a printing option without printing",
         {"--usable", "boat.qcf"},
         Action::RefuseUsage,
         "",
         "",
         "--usable goes with --print-pdf"},
        {"printing and pictures",
         {"--print-pdf", "o.pdf", "--screenshots"},
         Action::RefuseUsage,
         "",
         "",
         "exclude each other"},
        {"no output", {"--print-pdf"}, Action::RefuseUsage, "", "", "needs OUT.pdf"},
        {"an empty output", {"--print-pdf", ""}, Action::RefuseUsage, "", "", "needs OUT.pdf"},
        {"two files to print",
         {"--print-pdf", "o.pdf", "a.qcf", "b.qcf"},
         Action::RefuseUsage,
         "",
         "",
         "needs OUT.pdf"},
        {"one sheet and all",
         {"--print-pdf", "o.pdf", "--all", "--sheet", "GI_Sheet_WxCh"},
         Action::RefuseUsage,
         "",
         "",
         "exclude each other"},
        {"a sheet without a name",
         {"--print-pdf", "o.pdf", "--sheet"},
         Action::RefuseUsage,
         "",
         "",
         "--sheet needs a sheet name"},
        {"an empty sheet name",
         {"--print-pdf", "o.pdf", "--sheet", ""},
         Action::RefuseUsage,
         "",
         "",
         "--sheet needs a sheet name"},
        {"a paper of another size",
         {"--print-pdf", "o.pdf", "--paper", "a3"},
         Action::RefuseUsage,
         "",
         "",
         "--paper needs a4 or letter"},
        {"a paper without a size",
         {"--print-pdf", "o.pdf", "--paper"},
         Action::RefuseUsage,
         "",
         "",
         "--paper needs a4 or letter"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"/usr/bin/vqn58"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const StartRequest request = ReadCommandLine(arguments);
        EXPECT_EQ(request.action, c.action) << c.name;
        EXPECT_EQ(request.file, c.file) << c.name;
        EXPECT_EQ(request.folder, c.folder) << c.name;
        if (c.problem.empty()) {
            EXPECT_EQ(request.problem, "") << c.name;
        } else {
            EXPECT_NE(request.problem.find(c.problem), std::string::npos) << c.name << ": " << request.problem;
        }
    }
}

TEST(CommandLine, ReadsWhatToPrintInAnyOrder) {
    const StartRequest one = ReadCommandLine(
        {"vqn58", "--usable", "--print-pdf", "out.pdf", "--paper", "letter", "--sheet=GI_Sheet_IntCh,2", "boat.qcf"});
    ASSERT_EQ(one.action, Action::PrintPdf) << one.problem;
    EXPECT_EQ(one.print.output, "out.pdf");
    EXPECT_EQ(one.print.file, "boat.qcf");
    EXPECT_EQ(one.print.sheet, "GI_Sheet_IntCh,2");
    EXPECT_TRUE(one.print.usableOnly);
    EXPECT_EQ(one.print.paper, PrintPdfRequest::Paper::Letter);

    const StartRequest all = ReadCommandLine({"vqn58", "--print-pdf", "--all", "out.pdf"});
    ASSERT_EQ(all.action, Action::PrintPdf) << all.problem;
    EXPECT_EQ(all.print.output, "out.pdf");
    EXPECT_EQ(all.print.file, "");
    EXPECT_FALSE(all.print.sheet);
    EXPECT_FALSE(all.print.usableOnly);
    EXPECT_FALSE(all.print.paper);
    EXPECT_EQ(ReadCommandLine({"vqn58", "--print-pdf", "o.pdf", "--paper", "a4"}).print.paper,
              PrintPdfRequest::Paper::A4);
}

} // namespace
