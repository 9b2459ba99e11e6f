#include "overlay/DefinitionSource.h"
#include "overlay/cmcHash2.h"
#include "sheets/CellListReader.h"

#include <gtest/gtest.h>

namespace {

using ::testing::ExitedWithCode;

// A selection list of three lines: items of kind Flex0 (1) numbered 5, 9, 1, 3 in line order (5, 1, 3, 9
// in column-major position order), and two cells of kind CL_Dummy (81).
const char* const kLists = "#L_Cells\n"
                           "{(%Flex0[5])}five|{(%Flex0[9])}nine\n"
                           "{(%Flex0[1])}one|{(%CL_Dummy[1])}dummy\n"
                           "{(%Flex0[3])}|{(%CL_Dummy[2])}two\n"
                           "#\n"
                           "#Empty_Cells\n"
                           "plain\n"
                           "#End_Of_Ovl\n";

struct Registry {
    TextDefinitionSource source{kLists};
    cmcHash2 hash{source, CellListReader(source)};
};

TEST(CellTableRegistry, NamesByNumber) {
    Registry registry;
    const struct {
        std::int32_t number;
        const char* name;
    } cases[] = {{5, "five"}, {1, "one"}, {9, "nine"}, {3, ""}, {4, "error"}, {0, "error"}, {10, "error"}};
    for (const auto& c : cases) {
        EXPECT_EQ(registry.hash.NameByNumber("L", 1, c.number), c.name) << c.number;
    }
    EXPECT_EQ(registry.hash.NameByNumber("L", 81, 2), "two") << "one table per kind";
    EXPECT_EQ(registry.hash.NameByNumber("L", 81, 5), "error");
    const auto* table = registry.hash.Find("L", 1);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->lineCount, 3);
    EXPECT_EQ(table->widestLine, 2);
    EXPECT_EQ(table->byNumber.size(), 4U);
}

TEST(CellTableRegistry, StepsInColumnMajorOrderWithWrapAround) {
    Registry registry;
    EXPECT_EQ(registry.hash.StepByPosition("L", 1, 5, 1), std::nullopt) << "no table registered yet";
    registry.hash.BuildCellTable("L", 1);
    // Position order: line 0 pos 0 (5), line 1 pos 0 (1), line 2 pos 0 (3), line 0 pos 1 (9).
    const struct {
        std::int32_t number;
        std::int32_t offset;
        std::int32_t result;
    } cases[] = {{5, 1, 1},
                 {1, 1, 3},
                 {3, 1, 9},
                 {9, 1, 5},
                 {5, -1, 9},
                 {9, -1, 3},
                 {5, 0, 5},
                 {5, 9, 1},
                 {5, -9, 9},
                 {7, 1, 5},
                 {7, -1, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(registry.hash.StepByPosition("L", 1, c.number, c.offset), c.result) << c.number << " " << c.offset;
    }
    registry.hash.BuildCellTable("Empty", 1);
    EXPECT_EQ(registry.hash.StepByPosition("Empty", 1, 0, 1), std::nullopt);
    EXPECT_EQ(registry.hash.NameByNumber("Empty", 1, 0), "error");
}

TEST(CellTableRegistryDeath, RegisteringTwiceIsFatal) {
    Registry registry;
    registry.hash.BuildCellTable("L", 1);
    EXPECT_EXIT(registry.hash.BuildCellTable("L", 1), ExitedWithCode(3), "Overlapped Hash2 table\\.");
}

} // namespace
