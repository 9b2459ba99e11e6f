#include "model/DecimalDigits.h"

namespace model {

int GetDecimalDigit(std::span<const std::uint8_t> bytes, int i) {
    const int value = bytes[static_cast<std::size_t>(i / 2)];
    return i % 2 == 0 ? (value / 10) % 10 : value % 10;
}

void SetDecimalDigit(std::span<std::uint8_t> bytes, int i, int digit) {
    std::uint8_t& byte = bytes[static_cast<std::size_t>(i / 2)];
    const int tens = (byte / 10) % 10;
    const int units = byte % 10;
    byte = static_cast<std::uint8_t>(i % 2 == 0 ? digit * 10 + units : tens * 10 + digit);
}

bool AreDecimalDigitsValid(std::span<const std::uint8_t> bytes, int digitCount) {
    for (int k = 0; k < DigitBytes(digitCount); ++k) {
        if (bytes[static_cast<std::size_t>(k)] > 99) {
            return false;
        }
    }
    return true;
}

std::uint8_t CheckByte(std::span<const std::uint8_t, 5> bytes) {
    unsigned sum = 0;
    for (const std::uint8_t b : bytes) {
        sum += b;
    }
    return static_cast<std::uint8_t>(~sum & 0xFFU);
}

} // namespace model
