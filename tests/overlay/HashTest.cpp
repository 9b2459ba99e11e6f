// The name tables: the bucket hash, chains and the fault on a duplicated name.
#include "overlay/HashBucket.h"
#include "overlay/cmcHash.h"
#include "platform/Fault.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(HashIndex, WorkedExamples) {
    struct Case {
        std::string key;
        std::uint32_t buckets;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"", 1031, 0},
        {"A", 1031, 580},    // 515 + 65
        {"AB", 1031, 710},   // 2 * 580 + 515 + 66 = 1741
        {"BC", 1031, 455},   // 'C' is odd: the step halves after 'B': 2 * 581 + 257 + 67 = 1486
        {"\xE9", 1031, 492}, // bytes are signed: 515 - 23
        {"\x80", 3, 0},      // h = -127 taken as unsigned: 4294967169 mod 3
        {"\x80", 1031, 387}, // 515 - 128
        {"aaa", 4, 3},       // the step halves to 0 and starts again at 2: 99, 296, 691
        {"A", 0, 580},       // 0 buckets means 1031
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HashBucket(c.key, c.buckets), c.expected) << c.key << " / " << c.buckets;
    }
}

TEST(Hash, AddAndFind) {
    cmcHash table(0);
    EXPECT_EQ(table.BucketCount(), 1031u);
    table.Add("CT_IntCh", 2);
    table.Add("ct_intch", 7); // case matters
    table.Add("", 9);
    ASSERT_NE(table.Find("CT_IntCh"), nullptr);
    EXPECT_EQ(table.Find("CT_IntCh")->value, 2u);
    EXPECT_EQ(table.Find("ct_intch")->value, 7u);
    EXPECT_EQ(table.Find("")->value, 9u);
    EXPECT_EQ(table.Find("CT_IntC"), nullptr);
    EXPECT_EQ(table.Find("CT_IntCh "), nullptr);
    EXPECT_EQ(table.Count(), 3u);
}

TEST(Hash, OneChainHoldsEveryKeyOfABucket) {
    cmcHash table(1);
    for (int i = 0; i < 50; ++i) {
        table.Add("key" + std::to_string(i), static_cast<std::uint32_t>(i));
    }
    EXPECT_EQ(table.ChainLength(0), 50u);
    for (int i = 0; i < 50; ++i) {
        const auto* entry = table.Find("key" + std::to_string(i));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->value, static_cast<std::uint32_t>(i));
    }
}

TEST(Hash, KeysLandInTheirHashBucket) {
    cmcHash table(17);
    const char* keys[] = {"Red", "Green", "Blue", "CL_Menu_Clone_Read", "\xE9t\xE9"};
    for (const char* key : keys) {
        const std::size_t before = table.ChainLength(HashBucket(key, 17));
        table.Add(key, 1);
        EXPECT_EQ(table.ChainLength(HashBucket(key, 17)), before + 1) << key;
    }
}

TEST(HashDeathTest, DuplicateKeyIsAFault) {
    cmcHash table(0);
    table.Add("CL_Null", 0);
    EXPECT_EXIT(table.Add("CL_Null", 1),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                testing::HasSubstr("overlay_tests: Overlapped Hash table."));
}

} // namespace
