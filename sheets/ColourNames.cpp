#include "sheets/ColourNames.h"

#include "overlay/cmcHash.h"

#include <array>
#include <utility>

namespace sheets {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red + 256 * green + 65536 * blue;
}

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 38> kColours = {{
    {"clAqua", Rgb(0, 255, 255)},
    {"clBlack", Rgb(0, 0, 0)},
    {"clBlue", Rgb(0, 0, 255)},
    {"clDkGray", Rgb(128, 128, 128)},
    {"clFuchsia", Rgb(255, 0, 255)},
    {"clGray", Rgb(128, 128, 128)},
    {"clGreen", Rgb(0, 128, 0)},
    {"clLime", Rgb(0, 255, 0)},
    {"clLtGray", Rgb(192, 192, 192)},
    {"clMaroon", Rgb(128, 0, 0)},
    {"clNavy", Rgb(0, 0, 128)},
    {"clOlive", Rgb(128, 128, 0)},
    {"clPurple", Rgb(128, 0, 128)},
    {"clRed", Rgb(255, 0, 0)},
    {"clSilver", Rgb(192, 192, 192)},
    {"clTeal", Rgb(0, 128, 128)},
    {"clWhite", Rgb(255, 255, 255)},
    {"clYellow", Rgb(255, 255, 0)},
    {"clBackground", kSystemColour | 1},
    {"clActiveCaption", kSystemColour | 2},
    {"clInactiveCaption", kSystemColour | 3},
    {"clMenu", kSystemColour | 4},
    {"clWindow", kSystemColour | 5},
    {"clWindowFrame", kSystemColour | 6},
    {"clMenuText", kSystemColour | 7},
    {"clWindowText", kSystemColour | 8},
    {"clCaptionText", kSystemColour | 9},
    {"clActiveBorder", kSystemColour | 10},
    {"clInactiveBorder", kSystemColour | 11},
    {"clAppWorkSpace", kSystemColour | 12},
    {"clHighlight", kSystemColour | 13},
    {"clHightlightText", kSystemColour | 14}, // spelled so in the definitions
    {"clBtnFace", kSystemColour | 15},
    {"clBtnShadow", kSystemColour | 16},
    {"clGrayText", kSystemColour | 17},
    {"clBtnText", kSystemColour | 18},
    {"clInactiveCaptionText", kSystemColour | 19},
    {"clBtnHighlight", kSystemColour | 20},
}};

const cmcHash& ColourTable() {
    static cmcHash table(101);
    static const bool loaded = [] {
        for (const auto& [name, value] : kColours) {
            table.Add(name, value);
        }
        return true;
    }();
    (void)loaded;
    return table;
}

} // namespace

std::optional<std::uint32_t> LookupColour(std::string_view name) {
    const cmcHash::Entry* entry = ColourTable().Find(name);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return entry->value;
}

} // namespace sheets
