#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sheets {

// The top bit of a colour value that marks a system colour index.
inline constexpr std::uint32_t kSystemColour = 0x80000000U;

// The colour value of a colour name of the definitions ("clRed", "clWindow", ...): an RGB value as
// red + 256 × green + 65536 × blue, or a system colour index with the top bit set. Names are matched
// exactly, letter case and blanks included; an unknown name gives nothing. The 38 names are loaded
// into a name table on first use.
std::optional<std::uint32_t> LookupColour(std::string_view name);

} // namespace sheets
