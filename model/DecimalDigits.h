#pragma once

#include <cstdint>
#include <span>

// Identity numbers held in the image as decimal digits, two per byte: each byte holds the plain number
// 0 to 99 (not two nibbles); digit i is the tens digit of byte i / 2 when i is even, the units digit
// when i is odd. A run of n digits occupies (n + 1) / 2 bytes.
namespace model {

// Bytes a run of `digitCount` digits occupies.
constexpr int DigitBytes(int digitCount) {
    return (digitCount + 1) / 2;
}

// Digit i of the run (0 to 9 for a valid byte; taken modulo 10 of the byte's tens or units otherwise).
int GetDecimalDigit(std::span<const std::uint8_t> bytes, int i);

// Replaces digit i by `digit` (0 to 9), keeping the other digit of its byte.
void SetDecimalDigit(std::span<std::uint8_t> bytes, int i, int digit);

// True when none of the (digitCount + 1) / 2 bytes is above 99.
bool AreDecimalDigitsValid(std::span<const std::uint8_t> bytes, int digitCount);

// The check byte over five bytes: the complement of the low byte of their sum.
std::uint8_t CheckByte(std::span<const std::uint8_t, 5> bytes);

} // namespace model
