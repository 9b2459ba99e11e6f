// Lookups of the overlay reader over small overlays: what a section's lines are, which header is found,
// and that the order of lookups never changes an answer.
#include "OverlayFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Lone "#" lines, a key with a trailing blank, a duplicate key, an empty line, the end header and a
// section after it.
constexpr std::string_view kOverlay = "#GI_A\n"
                                      "alpha\n"
                                      "#\n"
                                      "a lone hash\n"
                                      "#GI_B \n"
                                      "with trailing blank\n"
                                      "#GI_B\n"
                                      "plain B\n"
                                      "#GI_Dup\n"
                                      "first\n"
                                      "#GI_Dup\n"
                                      "second\n"
                                      "#GI_Long\n"
                                      "line one\n"
                                      "\n"
                                      "line three\n"
                                      "#GI_Last\n"
                                      "last 0\n"
                                      "last 1\n"
                                      "#End_Of_Ovl\n"
                                      "after end\n"
                                      "#GI_After\n"
                                      "hidden\n";

struct LineCase {
    const char* key;
    int index;
    const char* expected;
};

constexpr LineCase kLineCases[] = {
    {"GI_A", 0, "alpha"},
    {"GI_A", 1, "#"}, // a lone "#" is an ordinary line, not a header
    {"GI_A", 2, "a lone hash"},
    {"GI_A", 3, "#GI_B "}, // lines run on past the next header
    {"GI_B ", 0, "with trailing blank"},
    {"GI_B", 0, "plain B"},
    {"GI_Dup", 0, "first"},
    {"GI_Long", 1, ""},
    {"GI_Long", 2, "line three"},
    {"GI_Last", 2, "#End_Of_Ovl"},
    {"GI_Last", 3, "after end"}, // lines after the end header still belong to the section before it
    {"End_Of_Ovl", 0, "after end"},
};

TEST(GTexLookup, LinesOfSectionsFromFreshReader) {
    for (const auto& c : kLineCases) {
        OverlayFile file(kOverlay);
        EXPECT_EQ(file.gtex.GetLine(c.key, c.index), c.expected) << c.key << " line " << c.index;
    }
}

TEST(GTexLookup, GetTextIsLineZero) {
    OverlayFile file(kOverlay);
    EXPECT_EQ(file.gtex.GetText("GI_Long"), "line one");
    EXPECT_EQ(file.gtex.GetText("GI_A"), "alpha");
}

TEST(GTexLookup, LongTextStopsBeforeLineBeginningWithHash) {
    struct Case {
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"GI_Long", "line one\n\nline three"}, // an empty line inside stays
        {"GI_Last", "last 0\nlast 1"},         // stops at the end header
        {"GI_A", "alpha"},                     // a lone "#" stops a long text too
    };
    OverlayFile file(kOverlay);
    for (const auto& c : cases) {
        EXPECT_EQ(file.gtex.GetLongText(c.key), c.expected) << c.key;
    }
}

TEST(GTexLookup, AnyOrderOfLookupsGivesTheFreshAnswers) {
    // Every line of the table, and lines 0, 1, 2 then 1 again, in many shuffled orders through one
    // reader: bookmarks, backward jumps, the cache and the index moves must never change an answer.
    std::vector<LineCase> order(std::begin(kLineCases), std::end(kLineCases));
    order.push_back({"GI_Long", 0, "line one"});
    order.push_back({"GI_Long", 1, ""});
    order.push_back({"GI_Long", 2, "line three"});
    order.push_back({"GI_Long", 1, ""});
    std::mt19937 random(58);
    for (int round = 0; round < 20; ++round) {
        OverlayFile file(kOverlay);
        for (int pass = 0; pass < 3; ++pass) {
            for (const auto& c : order) {
                ASSERT_EQ(file.gtex.GetLine(c.key, c.index), c.expected)
                    << c.key << " line " << c.index << " round " << round;
            }
            std::shuffle(order.begin(), order.end(), random);
        }
    }
}

TEST(GTexLookup, FirstOfDuplicateKeysStaysFoundAfterManyLookups) {
    std::string overlay = "#Dup\nfirst\n";
    for (int i = 0; i < 40; ++i) {
        overlay += "#K" + std::to_string(i) + "\nv" + std::to_string(i) + "\n";
    }
    overlay += "#Dup\nsecond\n#End_Of_Ovl\n";
    OverlayFile file(overlay);
    for (int round = 0; round < 3; ++round) {
        for (int i = 39; i >= 0; --i) {
            ASSERT_EQ(file.gtex.GetText("K" + std::to_string(i)), "v" + std::to_string(i));
        }
        EXPECT_EQ(file.gtex.GetText("Dup"), "first");
    }
}

TEST(GTexLookup, SetSourceFileOnlyOnce) {
    testsupport::TempDir dir;
    const auto first = dir.Write("A.OVL", "#K\nfrom A\n");
    const auto second = dir.Write("B.OVL", "#K\nfrom B\n");
    cmcGTex gtex;
    EXPECT_TRUE(gtex.SetSourceFile(first.string()));
    EXPECT_FALSE(gtex.SetSourceFile(second.string()));
    EXPECT_FALSE(gtex.IsOpen()); // opened by the first lookup, not by setting the path
    EXPECT_EQ(gtex.GetText("K"), "from A");
    EXPECT_TRUE(gtex.IsOpen());
}

} // namespace
