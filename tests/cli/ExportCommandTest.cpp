// Runs the built vqn58-cli export on clone files and checks its output and exit status.

#include "model/ChannelPlan.h"
#include "model/CloneFiles.h"
#include "model/ModelRules.h"
#include "support/TempDir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

struct ExportRun {
    int status = -1;
    std::string out; // standard output only
};

ExportRun RunExport(const std::filesystem::path& file) {
    const std::string command =
        "'" + std::string(VQN58_BIN_DIR) + "/vqn58-cli' export '" + file.string() + "' 2>/dev/null";
    ExportRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(ExportCommand, PrintsEveryChannelRowOfAShippedFile) {
    const ExportRun run = RunExport(testmodel::ShippedInitialFile(0));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 993);
    EXPECT_EQ(run.out.rfind("plan,row,channel,mark,", 0), 0U);
    EXPECT_NE(run.out.find("\nusa,45,22A,,0,0,0,0,1,,,\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nfree,0,1,,,,,,,,,\n"), std::string::npos); // blank frequencies empty, as shown
}

// Export reads as check does, through the whole Open path: the model adopts the file and merges it with
// the factory data, which renews the simplex marks of the free channels' rows from their frequencies.
// A file whose mark was lost therefore exports as the shipped file does.
TEST(ExportCommand, ReadsThroughTheWholeOpenPath) {
    testsupport::TempDir dir;
    const ExportRun shipped = RunExport(testmodel::ShippedInitialFile(0));
    ASSERT_EQ(shipped.status, 0);
    cmcEeprom image;
    ASSERT_EQ(testmodel::ReadInitialFile(testmodel::ShippedInitialFile(0), image), 0);
    const std::int32_t address = model::AttributeAddress(model::kPlanUsa, model::kFirstFreeRow);
    image.SetByte(address, static_cast<std::uint8_t>(image.GetByte(address) ^ model::kAttrSimplex));
    ASSERT_EQ(testmodel::WriteCloneFile(dir / "lost.qcf", image), 0);
    const ExportRun run = RunExport(dir / "lost.qcf");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, shipped.out);
}

// A file Open would refuse exports nothing and ends with 10 + the clone-file result code.
TEST(ExportCommand, RefusesWhatOpenRefuses) {
    testsupport::TempDir dir;
    const struct {
        std::int32_t address;
        std::uint8_t value;
        int status;
    } cases[] = {{0x60B, 0, 18}, {0x609, 5, 19}};
    for (const auto& c : cases) {
        cmcEeprom image;
        ASSERT_EQ(testmodel::ReadInitialFile(testmodel::ShippedInitialFile(1), image), 0);
        image.SetByte(c.address, c.value);
        ASSERT_EQ(testmodel::WriteCloneFile(dir / "refused.qcf", image), 0);
        const ExportRun run = RunExport(dir / "refused.qcf");
        EXPECT_EQ(run.status, c.status) << c.address;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(RunExport(dir / "missing.qcf").status, 11);
}

} // namespace
