#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

// Runs vqn58-cli with `arguments` (already quoted for the shell); standard error goes to `errFile`.
CliRun RunCli(const std::string& arguments, const std::filesystem::path& errFile) {
    const std::string command =
        std::string(VQN58_BIN_DIR) + "/vqn58-cli " + arguments + " 2>'" + errFile.string() + "'";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        run.out.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(CliLayout, PrintsOneLinePerCell) {
    testsupport::TempDir dir;
    const auto overlay = dir.Write("T.OVL",
                                   "#S_Style\n(MultiSelect=Line)\n#S_BasicCell\n{(%CT_FreeCh.)}\n#S_Cells\n"
                                   ":(SelectOFF)\n"
                                   "{W}Head, \"quoted\"|{+}two\\nlines\\\\\n"
                                   ":(SelectON)(LoopFrom 2)\n"
                                   "{S(%CL_Fch_ChName[4]:a,b)}x\n"
                                   ":(LoopTo)\n#\n#End_Of_Ovl\n");
    const CliRun run = RunCli("--overlay '" + overlay.string() + "' layout S", dir / "err");
    EXPECT_EQ(run.status, 0) << testsupport::ReadFileBytes(dir / "err");
    EXPECT_EQ(run.out,
              "row,column,line,category,kind,index,selectable,joinleft,multiselectable,argument,text\n"
              "0,0,1,6,256,0,0,0,0,,\"Head, \"\"quoted\"\"\"\n"
              "0,1,1,6,256,0,0,1,0,,two\\nlines\\\\\n"
              "1,0,3,6,121,4,1,0,1,\"a,b\",x\n"
              "1,1,3,7,256,0,0,0,1,,\n" // no definition: a default cell
              "2,0,3,6,121,5,1,0,1,\"a,b\",x\n"
              "2,1,3,7,256,1,0,0,1,,\n"); // repeat rows copy it with Index + 1
}

TEST(CliLayout, DefinitionErrorEndsWithTheFaultMessage) {
    testsupport::TempDir dir;
    const auto overlay =
        dir.Write("T.OVL",
                  "#S_Style\n\n#S_BasicCell\n\n#S_Cells\n{(%CL_Bogus)}x\n#\n#E_Style\n\n#E_BasicCell\n\n"
                  "#E_Cells\n#\n#End_Of_Ovl\n");
    CliRun run = RunCli("--overlay '" + overlay.string() + "' layout S", dir / "err");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(testsupport::ReadFileBytes(dir / "err").find("Cannot use the specified cell.\n'CL_Bogus'"),
              std::string::npos);
    run = RunCli("--overlay '" + overlay.string() + "' layout E", dir / "err");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(testsupport::ReadFileBytes(dir / "err").find("Illegal Cell assign"), std::string::npos);
    EXPECT_EQ(RunCli("--overlay '" + overlay.string() + "' layout", dir / "err").status, 2);
}

} // namespace
