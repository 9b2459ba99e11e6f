#pragma once

#include "image/cmcEeprom.h"

#include <cstdint>

// 16-bit words of the image, stored low byte first; bounds-tested like the image's byte access.
namespace model {

inline std::uint16_t GetWord(const cmcEeprom& image, std::int32_t address) {
    return static_cast<std::uint16_t>(image.GetByte(address) | (image.GetByte(address + 1) << 8));
}

inline void SetWord(cmcEeprom& image, std::int32_t address, std::uint16_t value) {
    image.SetByte(address, static_cast<std::uint8_t>(value & 0xFF));
    image.SetByte(address + 1, static_cast<std::uint8_t>(value >> 8));
}

inline bool GetBit(const cmcEeprom& image, std::int32_t address, int bit) {
    return ((image.GetByte(address) >> bit) & 1) != 0;
}

inline void SetBit(cmcEeprom& image, std::int32_t address, int bit, bool on) {
    const auto mask = static_cast<std::uint8_t>(1U << bit);
    const std::uint8_t old = image.GetByte(address);
    image.SetByte(address, static_cast<std::uint8_t>(on ? (old | mask) : (old & ~mask)));
}

} // namespace model
