#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sheets {

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

// True when `text` begins with `prefix` (the plain prefix test of property names).
inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The value of a property: the text after its first '=', or nothing when it has none.
inline std::optional<std::string_view> ValueOf(std::string_view property) {
    const std::size_t equals = property.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return property.substr(equals + 1);
}

} // namespace sheets
