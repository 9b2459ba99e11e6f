#pragma once

#include "image/cmcEeprom.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Clone-file texts composed independently of the writer, for the reader's fixtures.
namespace testimage {

inline constexpr std::int32_t kImageSize = 0x801;

// A 0x801-byte image of varied bytes, different for each seed.
cmcEeprom PatternImage(std::uint32_t seed);

// The lines of a good clone file of `image` (0x000 to 0x7FF, 16 bytes a line), without line ends:
// identification, comment, map revision, then the 128 data lines.
std::vector<std::string> CloneFileLines(const cmcEeprom& image, std::string_view comment = "");

// The lines joined, each followed by `lineEnd` (the last one too unless `finalEnd` is false).
std::string Join(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n", bool finalEnd = true);

// The index of the data line for `address` in CloneFileLines.
inline std::size_t LineOf(std::int32_t address) {
    return 3 + static_cast<std::size_t>(address / 16);
}

} // namespace testimage
