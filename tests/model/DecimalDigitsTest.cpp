#include "model/DecimalDigits.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace model;

TEST(DecimalDigits, TwoDigitsPerByteAsPlainNumbers) {
    std::array<std::uint8_t, 3> bytes{};
    for (int i = 0; i < 5; ++i) {
        SetDecimalDigit(bytes, i, i + 1);
    }
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 3>{12, 34, 50}));
    SetDecimalDigit(bytes, 4, 7);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 3>{12, 34, 70}));
    SetDecimalDigit(bytes, 1, 9);
    EXPECT_EQ(bytes[0], 19);
    EXPECT_EQ(GetDecimalDigit(bytes, 0), 1);
    EXPECT_EQ(GetDecimalDigit(bytes, 1), 9);
    EXPECT_EQ(GetDecimalDigit(bytes, 4), 7);
    EXPECT_TRUE(AreDecimalDigitsValid(bytes, 5));
}

TEST(DecimalDigits, AByteAbove99MakesTheRunInvalid) {
    std::array<std::uint8_t, 3> bytes{12, 0xA0, 50};
    EXPECT_FALSE(AreDecimalDigitsValid(bytes, 5));
    EXPECT_TRUE(AreDecimalDigitsValid(bytes, 2)); // one byte only
    bytes[1] = 99;
    EXPECT_TRUE(AreDecimalDigitsValid(bytes, 5));
}

TEST(DecimalDigits, CheckByteIsTheComplementOfTheSumsLowByte) {
    EXPECT_EQ(CheckByte(std::array<std::uint8_t, 5>{12, 34, 56, 78, 90}), 0xF1); // sum 270
    EXPECT_EQ(CheckByte(std::array<std::uint8_t, 5>{0, 0, 0, 0, 0}), 0xFF);
    EXPECT_EQ(CheckByte(std::array<std::uint8_t, 5>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0x04); // sum 0x4FB
}

} // namespace
