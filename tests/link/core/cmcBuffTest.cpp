#include "link/core/cmcBuff.h"

#include "platform/Fault.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const cmcBuff& buff) {
    return {buff.Data(), buff.Data() + buff.Length()};
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

void AppendText(cmcBuff& buff, const std::string& text) {
    buff.Append(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::int32_t>(text.size()));
}

TEST(Buff, NewAndClearedBuffersAreEmptyAndUsable) {
    cmcBuff buff;
    EXPECT_EQ(buff.Length(), 0);
    AppendText(buff, "hello");
    buff.Clear();
    EXPECT_EQ(buff.Length(), 0);
    AppendText(buff, "ok");
    EXPECT_EQ(Bytes(buff), Bytes("ok"));
}

struct LengthCase {
    const char* name;
    std::int32_t held; // bytes appended first, in one go
    std::int32_t newLength;
};

class BuffLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(BuffLengthTest, SetLengthKeepsTheHeldBytesAndAddsZeros) {
    const LengthCase& c = GetParam();
    cmcBuff buff;
    buff.AppendFill(0xAA, c.held);
    EXPECT_EQ(buff.SetLength(c.newLength), c.newLength);
    ASSERT_EQ(buff.Length(), c.newLength);
    for (std::int32_t i = 0; i < c.newLength; ++i) {
        ASSERT_EQ(buff.At(i), i < c.held ? 0xAA : 0) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         BuffLengthTest,
                         testing::Values(LengthCase{"GrowEmpty", 0, 10},
                                         LengthCase{"EmptyStaysEmpty", 0, 0},
                                         LengthCase{"GrowHeld", 8, 20},
                                         LengthCase{"GrowByOne", 100, 101},
                                         LengthCase{"Shrink", 100, 10}),
                         [](const testing::TestParamInfo<LengthCase>& p) { return std::string(p.param.name); });

TEST(Buff, BytesRegainedWithinTheCapacityReadAsZero) {
    cmcBuff buff;
    AppendText(buff, "abcdef");
    buff.SetLength(2);
    buff.SetLength(5);
    EXPECT_EQ(Bytes(buff), Bytes(std::string("ab\0\0\0", 5)));
}

TEST(Buff, AppendingOneByteAtATimeReallocatesRarely) {
    cmcBuff buff;
    int reallocations = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::int32_t capacity = buff.Capacity();
        buff.AppendByte(static_cast<std::uint8_t>(i));
        reallocations += buff.Capacity() != capacity ? 1 : 0;
    }
    EXPECT_LT(reallocations, 70); // about log base 1.25 of the length
    for (int i = 0; i < 100000; i += 997) {
        ASSERT_EQ(buff.At(i), static_cast<std::uint8_t>(i));
    }
}

TEST(Buff, AssignAndAppendVariants) {
    cmcBuff buff;
    AppendText(buff, "xyz");
    buff.Assign(reinterpret_cast<const std::uint8_t*>("ab"), 2);
    buff.AppendByte('c');
    buff.AppendFill('-', 3);
    cmcBuff tail;
    AppendText(tail, "de");
    buff.AppendBuff(tail);
    EXPECT_EQ(Bytes(buff), Bytes("abc---de"));
    buff.AssignBuff(tail);
    EXPECT_EQ(Bytes(buff), Bytes("de"));
}

TEST(Buff, BytesFromItsOwnBlockSurviveGrowth) {
    cmcBuff buff;
    AppendText(buff, "abcd");
    buff.AppendBuff(buff);
    EXPECT_EQ(Bytes(buff), Bytes("abcdabcd"));
    buff.Append(buff.Data() + 1, 2);
    EXPECT_EQ(Bytes(buff), Bytes("abcdabcdbc"));
    buff.Assign(buff.Data() + 8, 2);
    EXPECT_EQ(Bytes(buff), Bytes("bc"));
}

TEST(Buff, CopiesAreDeepAndHoldOnlyTheBytesNotConsumed) {
    cmcBuff original;
    AppendText(original, "header:body");
    for (int i = 0; i < 7; ++i) {
        original.PopFront();
    }
    cmcBuff copy(original);
    cmcBuff assigned;
    assigned = original;
    original.Data()[0] = 'X';
    EXPECT_EQ(Bytes(copy), Bytes("body"));
    EXPECT_EQ(Bytes(assigned), Bytes("body"));
    assigned = assigned;
    EXPECT_EQ(Bytes(assigned), Bytes("body"));
}

TEST(Buff, PopFrontOnEmptyReturnsMinusOneAndChangesNothing) {
    cmcBuff buff;
    EXPECT_EQ(buff.PopFront(), -1);
    EXPECT_EQ(buff.Length(), 0);
    AppendText(buff, "a");
    EXPECT_EQ(Bytes(buff), Bytes("a"));
}

TEST(Buff, PopFrontReturnsTheBytesInOrderWhileMoreArrive) {
    // Long enough that the consumed front is given back while popping.
    cmcBuff buff;
    buff.SetLength(5000);
    for (std::int32_t i = 0; i < 5000; ++i) {
        buff.Data()[i] = static_cast<std::uint8_t>(i * 7);
    }
    for (std::int32_t i = 0; i < 4097; ++i) {
        ASSERT_EQ(buff.PopFront(), static_cast<std::uint8_t>(i * 7));
    }
    EXPECT_EQ(buff.Length(), 5000 - 4097);
    EXPECT_EQ(buff.At(0), static_cast<std::uint8_t>(4097 * 7));
    buff.AppendByte(0x55);
    for (std::int32_t i = 4097; i < 5000; ++i) {
        ASSERT_EQ(buff.PopFront(), static_cast<std::uint8_t>(i * 7));
    }
    EXPECT_EQ(buff.PopFront(), 0x55);
    EXPECT_EQ(buff.PopFront(), -1);
}

TEST(Buff, PoppingEverythingLeavesAUsableBuffer) {
    cmcBuff shortBuff;
    AppendText(shortBuff, "abc");
    cmcBuff longBuff;
    longBuff.SetLength(4097);
    for (cmcBuff* buff : {&shortBuff, &longBuff}) {
        while (buff->PopFront() >= 0) {
        }
        EXPECT_EQ(buff->Length(), 0);
        buff->AppendByte('z');
        EXPECT_EQ(Bytes(*buff), Bytes("z"));
    }
}

TEST(Buff, CompactLeavesExactlyTheHeldBytes) {
    cmcBuff buff;
    AppendText(buff, "0123456789");
    buff.SetLength(4);
    buff.Compact();
    EXPECT_EQ(buff.Capacity(), 4);
    EXPECT_EQ(Bytes(buff), Bytes("0123"));
    buff.SetLength(0);
    buff.Compact();
    EXPECT_EQ(buff.Capacity(), 1);
}

TEST(BuffDeathTest, IndexAtOrPastTheLengthIsAFault) {
    cmcBuff buff;
    AppendText(buff, "abc");
    EXPECT_EXIT(buff.At(3), testing::ExitedWithCode(platform::kFaultExitStatus), "Out of cmcBuff element !");
    EXPECT_EXIT(buff.At(-1), testing::ExitedWithCode(platform::kFaultExitStatus), "Out of cmcBuff element !");
}

} // namespace
