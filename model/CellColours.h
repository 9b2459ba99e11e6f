#pragma once

#include <cstdint>

// Text colours the behaviour object answers in the capsule (colour values as the overlay writes them:
// blue in the high byte).
namespace model {

inline constexpr std::uint32_t kColourOlive = 0x008080;  // a cell that cannot be changed
inline constexpr std::uint32_t kColourSilver = 0xC0C0C0; // a setting whose function the radio lacks
inline constexpr std::uint32_t kColourGrey = 0x808080;
// System colours of the status line's plain texts.
inline constexpr std::uint32_t kClWindowText = 0x80000008;
inline constexpr std::uint32_t kClBtnFace = 0x8000000F;

} // namespace model
