#pragma once

#include "sheets/cmcCellCapsule.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

// Key codes and small steps shared by the value editors.
namespace model::keys {

// Editors react to keys only for a real key in a grid.
inline bool FromGrid(const cmcCellCapsule& capsule) {
    return capsule.Grid != nullptr;
}

inline bool IsDigit(std::int32_t command) {
    return command >= '0' && command <= '9';
}

// OutText selected whole for the in-place editor.
inline void SelectAll(cmcCellCapsule& capsule) {
    capsule.SelStart = 0;
    capsule.SelLength = static_cast<std::int32_t>(capsule.OutText.size());
}

// OutText without leading and trailing blanks, selected whole.
inline void TrimOutText(cmcCellCapsule& capsule) {
    const auto first = capsule.OutText.find_first_not_of(' ');
    const auto last = capsule.OutText.find_last_not_of(' ');
    capsule.OutText = first == std::string::npos ? std::string() : capsule.OutText.substr(first, last - first + 1);
    SelectAll(capsule);
}

// The in-place editor starts with the typed character, caret after it.
inline void StartWithKey(cmcCellCapsule& capsule) {
    capsule.OutText = std::string(1, static_cast<char>(capsule.Command));
    capsule.SelStart = 1;
    capsule.SelLength = 0;
}

// The characters of `text` that `keep` accepts, at most `limit` of them.
template <typename Keep> std::string Filtered(std::string_view text, Keep keep, std::size_t limit = std::string::npos) {
    std::string kept;
    for (const char c : text) {
        if (kept.size() < limit && keep(c)) {
            kept += c;
        }
    }
    return kept;
}

// The decimal number at the start of `kept`, a text already reduced to digits, points and signs; none
// when no number can be read there ("", ".", "-.", "..5": no digit where a number must have one).
inline std::optional<double> ReadDecimal(const std::string& kept) {
    char* end = nullptr;
    const double value = std::strtod(kept.c_str(), &end);
    if (end == kept.c_str()) {
        return std::nullopt;
    }
    return value;
}

} // namespace model::keys
