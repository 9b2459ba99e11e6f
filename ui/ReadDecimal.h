#pragma once

#include <cstdint>
#include <string_view>

namespace ui {

// The plain decimal conversion of definition texts: leading blanks (space, tab and the other
// white-space bytes), an optional sign, then digits up to the first non-digit; anything else gives 0.
// Values beyond the 32-bit range are held at its ends instead of wrapping.
std::int32_t ReadDecimal(std::string_view text);

// True for a space or a tab, the blanks of definition texts.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// `text` without its leading blanks.
std::string_view SkipBlanks(std::string_view text);

// `text` without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

} // namespace ui
