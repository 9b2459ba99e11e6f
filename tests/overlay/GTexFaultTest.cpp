// Failed lookups end the process through the fault path with the lookup fault message and exit
// status 3.
#include "OverlayFile.h"
#include "platform/Fault.h"

#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

using testing::HasSubstr;

std::string Message(const std::string& key) {
    return "overlay_tests: GTEX Error !\nThe index '" + key + "' was not found.";
}

constexpr std::string_view kOverlay = "#GI_A\n"
                                      "alpha\n"
                                      "#GI_Last\n"
                                      "last\n"
                                      "#End_Of_Ovl\n"
                                      "#GI_After\n"
                                      "hidden\n";

struct FaultCase {
    const char* name;
    std::string overlay;
    std::function<void(cmcGTex&)> lookup;
    std::string key;
};

TEST(GTexFaultDeathTest, FailedLookupsEndTheProcess) {
    const FaultCase cases[] = {
        {"missing key", std::string(kOverlay), [](cmcGTex& g) { g.GetText("GI_Nothing"); }, "GI_Nothing"},
        {"key differs in case", std::string(kOverlay), [](cmcGTex& g) { g.GetText("gi_a"); }, "gi_a"},
        {"key without its trailing blank", "#GI_B \nb\n", [](cmcGTex& g) { g.GetText("GI_B"); }, "GI_B"},
        {"section after End_Of_Ovl", std::string(kOverlay), [](cmcGTex& g) { g.GetText("GI_After"); }, "GI_After"},
        {"line beyond the end of the file",
         std::string(kOverlay),
         [](cmcGTex& g) { g.GetLine("GI_Last", 5); },
         "GI_Last"},
        {"negative line index", std::string(kOverlay), [](cmcGTex& g) { g.GetLine("GI_A", -1); }, "GI_A"},
        {"long text running to the end of the file",
         "#GI_Tail\nt1\nt2\n",
         [](cmcGTex& g) { g.GetLongText("GI_Tail"); },
         "GI_Tail"},
        {"line beyond the end after other lookups",
         std::string(kOverlay),
         [](cmcGTex& g) {
             g.GetText("GI_A");
             g.GetText("GI_Last");
             g.GetLine("GI_A", 9);
         },
         "GI_A"},
        {"empty file", "", [](cmcGTex& g) { g.GetText("GI_A"); }, "GI_A"},
        {"binary bytes", std::string("\x00\xff#\x01\r\x80\n\n\x1a", 9), [](cmcGTex& g) { g.GetText("GI_A"); }, "GI_A"},
    };
    for (const auto& c : cases) {
        OverlayFile file(c.overlay);
        EXPECT_EXIT(c.lookup(file.gtex), testing::ExitedWithCode(platform::kFaultExitStatus), HasSubstr(Message(c.key)))
            << c.name;
    }
}

TEST(GTexFaultDeathTest, UnreadableSourcesFailTheFirstLookup) {
    testsupport::TempDir dir;
    const auto locked = dir.Write("LOCKED.OVL", "#GI_Sys_AppTitle\nTitle\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    std::filesystem::create_directory(dir / "DIR.OVL");
    const std::string paths[] = {
        (dir / "MISSING.OVL").string(),
        (dir / "DIR.OVL").string(),
        "",
        "/dev/null",
    };
    for (const auto& path : paths) {
        cmcGTex gtex;
        gtex.SetSourceFile(path);
        EXPECT_EXIT(gtex.GetText("GI_Sys_AppTitle"),
                    testing::ExitedWithCode(platform::kFaultExitStatus),
                    HasSubstr(Message("GI_Sys_AppTitle")))
            << path;
    }
    // Root reads any file whatever its permissions; the case proves something only for other users.
    if (::geteuid() != 0) {
        cmcGTex gtex;
        gtex.SetSourceFile(locked.string());
        EXPECT_EXIT(gtex.GetText("GI_Sys_AppTitle"),
                    testing::ExitedWithCode(platform::kFaultExitStatus),
                    HasSubstr(Message("GI_Sys_AppTitle")));
    }
}

TEST(GTexFaultDeathTest, NoPathSetFailsTheFirstLookup) {
    cmcGTex gtex;
    EXPECT_EXIT(gtex.GetText("GI_Sys_AppTitle"),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                HasSubstr(Message("GI_Sys_AppTitle")));
}

} // namespace
