#include "overlay/DefinitionSource.h"

#include <gtest/gtest.h>

namespace {

using ::testing::ExitedWithCode;

// The in-memory source answers as the overlay reader does.
TEST(TextDefinitionSource, IndexesLikeTheOverlayFile) {
    TextDefinitionSource source("before\r\n"
                                "#A\r\n"
                                "a0\r\n"
                                "#\n"
                                "a2\n"
                                "#A\n"
                                "second\n"
                                "#B \n"
                                "b0\n"
                                "#End_Of_Ovl\n"
                                "#C\n"
                                "c0");
    EXPECT_EQ(source.GetLine("A", 0), "a0");
    EXPECT_EQ(source.GetLine("A", 1), "#") << "a lone '#' is no header";
    EXPECT_EQ(source.GetLine("A", 2), "a2");
    EXPECT_EQ(source.GetLine("A", 3), "#A") << "the first of two equal keys wins; lines run on";
    EXPECT_EQ(source.GetLine("B ", 0), "b0");
    EXPECT_EQ(source.GetLine("B ", 2), "#C") << "lines after End_Of_Ovl are still lines";
    EXPECT_EXIT(source.GetLine("B", 0), ExitedWithCode(3), "GTEX Error !\nThe index 'B' was not found\\.");
    EXPECT_EXIT(source.GetLine("C", 0), ExitedWithCode(3), "The index 'C' was not found");
    EXPECT_EXIT(source.GetLine("A", 99), ExitedWithCode(3), "The index 'A' was not found");
}

} // namespace
