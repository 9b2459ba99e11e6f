#include "model/CellKinds.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using ::testing::ExitedWithCode;

// The kind list as the radio's documentation numbers it, one "number name" per line.
TEST(CellKinds, EveryKindNameHasItsDocumentedNumber) {
    std::ifstream list(testsupport::TestDataPath("model/kind_names.txt"));
    ASSERT_TRUE(list) << "kind list missing";
    int count = 0;
    for (std::string line; std::getline(list, line); ++count) {
        std::istringstream fields(line);
        std::int32_t number = -1;
        std::string name;
        fields >> number >> name;
        EXPECT_EQ(model::KindFromName(name), number) << name;
        EXPECT_EQ(model::KindName(number), name);
    }
    EXPECT_EQ(count, model::kKindCount);
    EXPECT_EQ(model::KindName(256), "");
}

// The program's own command kinds lie past the radio's table and answer both ways like its kinds.
TEST(CellKinds, ProgramKindsFollowTheRadiosTable) {
    const struct {
        const char* name;
        std::int32_t number;
    } cases[] = {
        {"CL_Menu_File_ExportCh", model::kKindExportChannels},
        {"CL_Menu_File_ImportCh", model::kKindImportChannels},
        {"CL_Menu_File_Backups", model::kKindBackupFolder},
    };
    for (const auto& c : cases) {
        EXPECT_GT(c.number, model::kNoKind);
        EXPECT_EQ(model::KindFromName(c.name), c.number) << c.name;
        EXPECT_EQ(model::KindName(c.number), c.name);
    }
    EXPECT_EQ(model::KindName(model::kProgramKindEnd), "");
    EXPECT_EQ(model::KindName(model::kFirstProgramKind - 1), "");
}

TEST(CellKinds, CategoriesAndTheirPlans) {
    const struct {
        const char* name;
        std::int32_t number;
        int plan;
    } cases[] = {
        {"CT_Null", 0, 0},
        {"CT_PopupMenu", 1, 0},
        {"CT_IntCh", 2, 1},
        {"CT_UsaCh", 3, 2},
        {"CT_CanCh", 4, 3},
        {"CT_WxCh", 5, 4},
        {"CT_FreeCh", 6, 5},
        {"", 7, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(model::CategoryFromName(c.name), c.number) << c.name;
        EXPECT_EQ(model::PlanOfCategory(c.number), c.plan) << c.name;
    }
    EXPECT_EQ(model::KindFromName(""), model::kNoKind);
    EXPECT_EQ(model::KindFromName("CallSheet"), 49);
    EXPECT_EQ(model::KindFromName("CL_ComDsc_ALLCall_Safety_Pow"), 177);
}

TEST(CellKindsDeath, UnknownNamesAndCategoryNumbersAreFatal) {
    EXPECT_EXIT(model::KindFromName("cl_null"), ExitedWithCode(3), "Cannot use the specified cell.\n'cl_null'");
    EXPECT_EXIT(
        model::CategoryFromName("CT_Intch"), ExitedWithCode(3), "Cannot use the specified category.\n'CT_Intch'");
    // The two lists share one table, yet a category is no kind and a kind no category.
    EXPECT_EXIT((model::CategoryFromName("CT_IntCh"), model::KindFromName("CT_IntCh")),
                ExitedWithCode(3),
                "Cannot use the specified cell");
    EXPECT_EXIT((model::KindFromName("CL_Null"), model::CategoryFromName("CL_Null")),
                ExitedWithCode(3),
                "Cannot use the specified category");
    EXPECT_EXIT(model::PlanOfCategory(8), ExitedWithCode(3), "Unknown Cell Category\\. \\(8\\)");
    EXPECT_EXIT(model::PlanOfCategory(-1), ExitedWithCode(3), "Unknown Cell Category\\. \\(-1\\)");
}

// Each list registers on its first look-up; the order of first look-ups must not matter. Run in a
// fresh process each, so no earlier test has registered anything.
TEST(CellKindsDeath, RegistrationOrderDoesNotMatter) {
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // re-executes the test program: nothing registered yet
    EXPECT_EXIT(
        {
            const bool ok = model::CategoryFromName("CT_FreeCh") == 6 && model::KindFromName("CL_MakerR_Beep") == 255;
            std::_Exit(ok ? 0 : 1);
        },
        ExitedWithCode(0),
        "");
    EXPECT_EXIT(
        {
            const bool ok = model::KindFromName("CL_MakerR_Beep") == 255 && model::CategoryFromName("CT_FreeCh") == 6;
            std::_Exit(ok ? 0 : 1);
        },
        ExitedWithCode(0),
        "");
}

} // namespace
