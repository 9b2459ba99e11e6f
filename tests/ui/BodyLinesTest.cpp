#include "ui/BodyLines.h"

#include "overlay/DefinitionSource.h"

#include <gtest/gtest.h>

namespace {

using Parents = std::vector<int>;

Parents ParentsOf(const std::vector<std::string>& lines) {
    Parents parents;
    for (const ui::BodyNode& node : ui::NestBody(lines)) {
        parents.push_back(node.parent);
    }
    return parents;
}

TEST(BodyLines, NestingFollowsTheDepthBeforeThePlus) {
    struct Case {
        std::vector<std::string> lines;
        Parents parents;
    };
    const Case cases[] = {
        {{"+A", " +B", " +C", "+D"}, {-1, 0, 0, -1}},
        {{" +A", "+B"}, {-1}}, // shallower than the top level ends the body
        {{"+A", " +B", "  +C", " +D", "+E"}, {-1, 0, 1, 0, -1}},
        {{"..+{x}Int", "xx+{y}Usa"}, {-1, -1}}, // the marker's characters do not matter
        {{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParentsOf(c.lines), c.parents) << (c.lines.empty() ? "" : c.lines.front());
    }
}

TEST(BodyLines, SplitsDepthAndDefinition) {
    EXPECT_EQ(ui::SplitBodyLine("  +{a}b+c").depth, 2);
    EXPECT_EQ(ui::SplitBodyLine("  +{a}b+c").definition, "{a}b+c");
    EXPECT_EQ(ui::SplitBodyLine("abc").depth, 3);
    EXPECT_EQ(ui::SplitBodyLine("abc").definition, "");
}

TEST(BodyLines, ReadStopsAtTheFirstHashLine) {
    TextDefinitionSource source("#M_Body\n+A\n +B\n#\n+C\n#End_Of_Ovl\n");
    EXPECT_EQ(ui::ReadBodyLines(source, "M_Body"), (std::vector<std::string>{"+A", " +B"}));
    TextDefinitionSource empty("#M_Body\n#next\n+A\n#End_Of_Ovl\n");
    EXPECT_TRUE(ui::ReadBodyLines(empty, "M_Body").empty());
}

} // namespace
