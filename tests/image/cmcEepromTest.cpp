#include "image/cmcEeprom.h"

#include "platform/Fault.h"

#include <gtest/gtest.h>

#include <array>

namespace {

cmcEeprom Counting(std::int32_t size) {
    cmcEeprom image;
    image.SetSize(size);
    for (std::int32_t a = 0; a < size; ++a) {
        image.SetByte(a, static_cast<std::uint8_t>(a * 7 + 1));
    }
    return image;
}

TEST(cmcEeprom, EmptyUntilSizedAndSizeAlwaysClears) {
    cmcEeprom image;
    EXPECT_EQ(image.GetSize(), 0);
    EXPECT_EQ(image.Data(), nullptr);
    EXPECT_FALSE(image.IsValidAddress(0));
    image.Fill(0x55); // nothing to fill, no harm

    image.SetSize(16);
    image.Fill(0xAB);
    const std::uint8_t* before = image.Data();
    image.SetSize(16); // same size: same buffer, content cleared
    EXPECT_EQ(image.Data(), before);
    for (std::int32_t a = 0; a < 16; ++a) {
        EXPECT_EQ(image.GetByte(a), 0) << a;
    }
    image.SetSize(-5);
    EXPECT_EQ(image.GetSize(), 0);
    EXPECT_EQ(image.Data(), nullptr);
}

TEST(cmcEeprom, AddressBoundsAndLastByte) {
    cmcEeprom image = Counting(0x801);
    EXPECT_TRUE(image.IsValidAddress(0));
    EXPECT_TRUE(image.IsValidAddress(0x800));
    EXPECT_FALSE(image.IsValidAddress(0x801));
    EXPECT_FALSE(image.IsValidAddress(-1));
    image.SetByte(0x800, 0x9C);
    EXPECT_EQ(image.GetByte(0x800), 0x9C);
    EXPECT_EQ(image.Data()[0x800], 0x9C);
}

TEST(cmcEeprom, BlocksOutsideTheImageAreIgnored) {
    cmcEeprom image;
    image.SetSize(8);
    const std::array<std::uint8_t, 2> two = {0x11, 0x22};
    image.WriteBlock(7, two.data(), 2); // would run past the end
    image.WriteBlock(-1, two.data(), 2);
    image.WriteBlock(0, two.data(), 0);
    image.WriteBlock(0x7FFFFFFF, two.data(), 2);
    image.WriteBlock(1, two.data(), 0x7FFFFFFF); // address + length overflows 32 bits
    EXPECT_TRUE(image.Equals([] {
        cmcEeprom zero;
        zero.SetSize(8);
        return zero;
    }()));
    image.WriteBlock(7, two.data(), 1);
    EXPECT_EQ(image.GetByte(7), 0x11);

    std::array<std::uint8_t, 3> out = {0xEE, 0xEE, 0xEE};
    image.ReadBlock(6, out.data(), 3);
    EXPECT_EQ(out[0], 0xEE);
    image.ReadBlock(6, out.data(), 2);
    EXPECT_EQ(out[0], 0x00);
    EXPECT_EQ(out[1], 0x11);
    EXPECT_EQ(out[2], 0xEE);
}

TEST(cmcEeprom, CopyAndCompare) {
    const cmcEeprom source = Counting(32);
    cmcEeprom copy(source);
    EXPECT_TRUE(copy.Equals(source));
    copy.SetByte(31, 0);
    EXPECT_TRUE(copy.Differs(source));

    // Assignment replaces everything: no byte of the previous, longer content survives.
    cmcEeprom target = Counting(64);
    target = source;
    EXPECT_EQ(target.GetSize(), 32);
    EXPECT_TRUE(target.Equals(source));

    // Self-assignment keeps the content.
    cmcEeprom& alias = target;
    target = alias;
    EXPECT_TRUE(target.Equals(source));

    // A prefix of a longer image is still a different image.
    cmcEeprom longer = Counting(33);
    EXPECT_FALSE(longer.Equals(source));
    EXPECT_FALSE(source.Equals(longer));
    EXPECT_TRUE(cmcEeprom().Equals(cmcEeprom()));
}

using cmcEepromDeathTest = ::testing::Test;

TEST(cmcEepromDeathTest, OutOfRangeByteAccessIsAFault) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    cmcEeprom image;
    image.SetSize(0x801);
    EXPECT_EXIT(image.GetByte(0x801),
                ::testing::ExitedWithCode(platform::kFaultExitStatus),
                "Out of EEPROM image address \\(GetByte\\)\\.");
    EXPECT_EXIT(image.SetByte(-1, 0),
                ::testing::ExitedWithCode(platform::kFaultExitStatus),
                "Out of EEPROM image address \\(SetByte\\)\\.");
    EXPECT_EXIT(cmcEeprom().GetByte(0), ::testing::ExitedWithCode(platform::kFaultExitStatus), "GetByte");
}

} // namespace
