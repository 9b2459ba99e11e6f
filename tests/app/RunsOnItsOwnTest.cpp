// vqn58 --screenshots and --print-pdf while a copy of the program runs: they do their work on their own
// rather than handing over to the running copy.

#include "app/indEnviron.h"
#include "platform/qt/QtInstanceLock.h"
#include "support/PdfText.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using testsupport::Quoted;

TEST(RunsOnItsOwn, PicturesAndPrintsWhileAWindowRuns) {
    testsupport::TempDir dir;
    const std::filesystem::path runtime = dir / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    // The running copy's lock, held by this process.
    platform::QtInstanceLock running(indEnviron::kMutexName, runtime);
    ASSERT_TRUE(running.TryLock());

    const std::string environment = "QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + Quoted(runtime.string()) +
                                    " XDG_CONFIG_HOME=" + Quoted((dir / "config").string()) + " ";
    const std::string program = Quoted(std::string(VQN58_BIN_DIR) + "/vqn58");
    const testsupport::CommandRun pictures =
        testsupport::RunCommand(environment + program + " --screenshots " + Quoted((dir / "pictures").string()));
    EXPECT_EQ(pictures.status, 0) << pictures.output;
    EXPECT_TRUE(std::filesystem::exists(dir / "pictures" / "window_about.png")) << pictures.output;
    // The user's settings were not written.
    EXPECT_FALSE(std::filesystem::exists(dir / "config")) << pictures.output;

    const std::string out = (dir / "out.pdf").string();
    const testsupport::CommandRun print =
        testsupport::RunCommand(environment + program + " --print-pdf " + Quoted(out) + " --sheet GI_Sheet_WxCh");
    EXPECT_EQ(print.status, 0) << print.output;
    EXPECT_EQ(testsupport::PdfText(out).Pages(), 1);
}

} // namespace
