#pragma once

#include "overlay/DefinitionSource.h"
#include "overlay/FormatText.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Overlay keys of the status texts that explain why a cell refused an entry or a key.
namespace model {

inline constexpr std::string_view kRefusedNoNumber = "GI_AppMess_S_NoNumber";
inline constexpr std::string_view kRefusedOffNotAllowed = "GI_AppMess_S_OffNotAllowed";
inline constexpr std::string_view kRefusedDigitCount = "GI_AppMess_S_DigitCount"; // %d: digits needed
inline constexpr std::string_view kRefusedRestricted = "GI_Botttom_EditRestrected";
inline constexpr std::string_view kRefusedFixedByModel = "GI_AppMess_S_FixedByModel"; // %s: model name

// Line 0 of `key` with its placeholders filled.
inline std::string
RefusalText(IDefinitionSource& texts, std::string_view key, std::initializer_list<std::string_view> values = {}) {
    return FormatText(texts.GetLine(key, 0), values);
}

} // namespace model
