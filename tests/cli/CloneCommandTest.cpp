// Runs the built vqn58-cli's radio commands against its in-process simulated radio and checks the exit
// status and the messages.

#include "CliRun.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

using clitest::CliRun;

CliRun RunCli(const std::string& arguments) {
    return clitest::RunCliCommand(arguments);
}

TEST(CliClone, InfoReadAndWriteAgainstTheSimulatedRadio) {
    testsupport::TempDir dir;
    const std::string file = (dir / "radio.qcf").string();

    const CliRun info = RunCli("info --device sim");
    EXPECT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find("model 2691"), std::string::npos) << info.output;

    const CliRun read = RunCli("read " + file + " --device sim");
    ASSERT_EQ(read.status, 0) << read.output;
    EXPECT_EQ(RunCli("check " + file).status, 0); // saved as Save saves: Open takes it back

    for (const char* maker : {"", " --maker"}) {
        const CliRun write = RunCli("write " + file + maker + " --device sim");
        EXPECT_EQ(write.status, 0) << write.output;
    }
}

TEST(CliClone, FailuresEndWithTheirExitStatusAndOneMessage) {
    testsupport::TempDir dir;
    const struct {
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {"info --device " + (dir / "no-such-tty").string(), 22, "does not exist"},
        {"read " + (dir / "r.qcf").string() + " --device " + (dir / "no-such-tty").string(), 22, "could not be opened"},
        {"write " + (dir / "missing.qcf").string() + " --device sim", 11, "cannot be opened"},
        {"read --device sim", 2, "wrong arguments"},
        {"info --port 0", 2, "wrong arguments"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n" << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "r.qcf")); // a failed read saves nothing
}

} // namespace
