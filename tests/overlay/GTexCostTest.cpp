// What lookups cost, counted in file reads, cache hits and index walks: the file is read only as far as
// lookups need, sections are read on from their bookmark, recent lines come from the cache, and keys
// asked for deep in the index move to its head.
#include "OverlayFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string Key(int i) {
    return "S" + std::to_string(100 + i);
}

// `sections` sections of `lines` lines each, then the end header.
std::string Overlay(int sections, int lines) {
    std::string text;
    for (int s = 0; s < sections; ++s) {
        text += "#" + Key(s) + "\n";
        for (int l = 0; l < lines; ++l) {
            text += Key(s) + " line " + std::to_string(l) + "\n";
        }
    }
    return text + "#End_Of_Ovl\n";
}

TEST(GTexCost, FirstLookupReadsOnlyUpToItsHeader) {
    for (int target : {0, 1, 7, 30}) {
        OverlayFile file(Overlay(50, 3));
        EXPECT_EQ(file.gtex.GetText(Key(target)), Key(target) + " line 0");
        // The scan reads every line up to and including the header, then the lookup reads line 0.
        EXPECT_EQ(file.gtex.Counters().fileLineReads, static_cast<std::uint64_t>(target * 4 + 1 + 1)) << target;
        EXPECT_EQ(file.gtex.IndexOrder().size(), static_cast<std::size_t>(target + 1));
    }
}

TEST(GTexCost, SequentialReadCostsOneLineEach) {
    OverlayFile file(Overlay(3, 304));
    file.gtex.GetText(Key(1));
    file.gtex.ResetCounters();
    for (int l = 1; l < 304; ++l) {
        ASSERT_EQ(file.gtex.GetLine(Key(1), l), Key(1) + " line " + std::to_string(l));
    }
    EXPECT_EQ(file.gtex.Counters().fileLineReads, 303u);
    EXPECT_EQ(file.gtex.Counters().cacheMisses, 303u);
}

TEST(GTexCost, RecentLinesComeFromTheCache) {
    OverlayFile file(Overlay(2, 100));
    for (int l = 0; l <= 2; ++l) {
        file.gtex.GetLine(Key(0), l);
    }
    file.gtex.ResetCounters();
    // A backward jump restarts at the section start, but lines 0 and 1 are cached.
    EXPECT_EQ(file.gtex.GetLine(Key(0), 1), Key(0) + " line 1");
    EXPECT_EQ(file.gtex.Counters().fileLineReads, 0u);
    EXPECT_EQ(file.gtex.Counters().cacheHits, 2u);
}

TEST(GTexCost, CacheKeepsTheLast64LinesRead) {
    // 65 one-line sections read once each: the line of the first one is pushed out.
    OverlayFile file(Overlay(65, 1));
    for (int s = 0; s < 65; ++s) {
        file.gtex.GetText(Key(s));
    }
    file.gtex.ResetCounters();
    EXPECT_EQ(file.gtex.GetText(Key(64)), Key(64) + " line 0");
    EXPECT_EQ(file.gtex.GetText(Key(1)), Key(1) + " line 0");
    EXPECT_EQ(file.gtex.Counters().fileLineReads, 0u);
    EXPECT_EQ(file.gtex.Counters().cacheHits, 2u);
    // Reading the first one again pushes out the least recently used line, that of Key(2): Key(1) was
    // just used.
    EXPECT_EQ(file.gtex.GetText(Key(0)), Key(0) + " line 0");
    EXPECT_EQ(file.gtex.GetText(Key(1)), Key(1) + " line 0");
    EXPECT_EQ(file.gtex.GetText(Key(2)), Key(2) + " line 0");
    EXPECT_EQ(file.gtex.Counters().fileLineReads, 2u);
}

TEST(GTexCost, EntriesFoundDeepInTheIndexMoveToItsHead) {
    OverlayFile file(Overlay(21, 1));
    file.gtex.GetText(Key(19)); // found by the scan: the index stays in file order
    std::vector<std::string> order;
    for (int s = 0; s < 20; ++s) {
        order.push_back(Key(s));
    }
    ASSERT_EQ(file.gtex.IndexOrder(), order);

    file.gtex.GetText(Key(10)); // position 10 stays
    EXPECT_EQ(file.gtex.IndexOrder(), order);

    file.gtex.GetText(Key(19)); // position 19, the tail, moves to the head
    order.pop_back();
    order.insert(order.begin(), Key(19));
    EXPECT_EQ(file.gtex.IndexOrder(), order);

    file.gtex.GetText(Key(10)); // now at position 11: moves
    order.erase(order.begin() + 11);
    order.insert(order.begin(), Key(10));
    EXPECT_EQ(file.gtex.IndexOrder(), order);

    file.gtex.ResetCounters();
    file.gtex.GetText(Key(10));
    EXPECT_EQ(file.gtex.Counters().indexCompares, 1u);

    // The moved tail left a sound list end: a new section is still appended after the last entry.
    file.gtex.GetText(Key(20));
    EXPECT_EQ(file.gtex.IndexOrder().back(), Key(20));
    EXPECT_EQ(file.gtex.IndexOrder().size(), 21u);
}

TEST(GTexCost, IndexedKeyCostsNoHeaderScan) {
    OverlayFile file(Overlay(5, 2));
    file.gtex.GetText(Key(4));
    file.gtex.ResetCounters();
    // An indexed section costs only its own line, never a header line.
    EXPECT_EQ(file.gtex.GetText(Key(2)), Key(2) + " line 0");
    EXPECT_EQ(file.gtex.Counters().fileLineReads, 1u);
}

} // namespace
