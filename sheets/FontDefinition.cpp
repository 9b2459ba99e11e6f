#include "sheets/FontDefinition.h"

#include "sheets/ColourNames.h"
#include "sheets/ReadDecimal.h"

#include <array>
#include <cstdint>
#include <utility>

namespace sheets {
namespace {

// Windows GDI character set constants.
constexpr std::array<std::pair<std::string_view, std::int32_t>, 19> kCharsets = {{
    {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},    {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128},    {"HANGEUL_CHARSET", 129},    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},      {"TURKISH_CHARSET", 162}, {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},      {"ARABIC_CHARSET", 178},     {"BALTIC_CHARSET", 186},  {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},        {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
}};

constexpr std::array<std::pair<std::string_view, std::uint8_t>, 4> kStyles = {{
    {"fsBold", platform::FontDesc::kBold},
    {"fsItalic", platform::FontDesc::kItalic},
    {"fsUnderline", platform::FontDesc::kUnderline},
    {"fsStrikeOut", platform::FontDesc::kStrikeOut},
}};

constexpr std::array<std::pair<std::string_view, std::uint8_t>, 3> kPitches = {{
    {"fpDefault", platform::FontDesc::kPitchDefault},
    {"fpFixed", platform::FontDesc::kPitchFixed},
    {"fpVariable", platform::FontDesc::kPitchVariable},
}};

constexpr std::size_t kMaxNameBytes = 31;

// The fields of a font specification, in their order.
enum Field : int {
    kCharsetField,
    kNameField,
    kColourField,
    kHeightField,
    kSizeField,
    kStylesField,
    kPitchField,
    kFieldCount
};

template <typename Table> const typename Table::value_type* FindName(const Table& table, std::string_view name) {
    for (const auto& entry : table) {
        if (entry.first == name) {
            return &entry;
        }
    }
    return nullptr;
}

// The height or size rule: "%n" scales `current`, a plain number replaces it; 0 means "unchanged".
std::int32_t ScaledOrNumber(std::string_view field, std::int32_t current) {
    field = SkipBlanks(field);
    std::int64_t value;
    if (!field.empty() && field.front() == '%') {
        value = std::int64_t{current} * ReadDecimal(field.substr(1)) / 100;
        if (value == 0) {
            value = 1;
        }
        value = value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : value;
    } else {
        value = ReadDecimal(field);
    }
    return value == 0 ? current : static_cast<std::int32_t>(value);
}

void ApplyStyles(std::string_view field, platform::FontDesc& font) {
    bool cleared = false;
    while (true) {
        const std::size_t plus = field.find('+');
        const auto* style = FindName(kStyles, TrimBlanks(field.substr(0, plus)));
        if (style != nullptr) {
            if (!cleared) {
                font.style = 0;
                cleared = true;
            }
            font.style |= style->second;
        }
        if (plus == std::string_view::npos) {
            return;
        }
        field.remove_prefix(plus + 1);
    }
}

// Keeps at most kMaxNameBytes bytes without cutting a UTF-8 sequence in two.
std::string_view CutName(std::string_view name) {
    if (name.size() <= kMaxNameBytes) {
        return name;
    }
    std::size_t end = kMaxNameBytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
        --end;
    }
    return name.substr(0, end);
}

void ApplyField(int number, std::string_view field, platform::FontDesc& font) {
    switch (number) {
    case kCharsetField:
        if (const auto* charset = FindName(kCharsets, TrimBlanks(field)); charset != nullptr) {
            font.charset = charset->second;
        }
        break;
    case kNameField:
        if (const std::string_view name = SkipBlanks(field); !name.empty()) {
            font.name.assign(CutName(name));
        }
        break;
    case kColourField:
        if (const auto colour = LookupColour(field)) {
            font.colour = *colour;
        }
        break;
    case kHeightField:
        font.height = ScaledOrNumber(field, font.height);
        break;
    case kSizeField:
        if (const std::int32_t size = font.Size(), changed = ScaledOrNumber(field, size); changed != size) {
            font.SetSize(changed);
        }
        break;
    case kStylesField:
        ApplyStyles(field, font);
        break;
    case kPitchField:
        if (const auto* pitch = FindName(kPitches, TrimBlanks(field)); pitch != nullptr) {
            font.pitch = pitch->second;
        }
        break;
    default:
        break;
    }
}

} // namespace

void ApplyFont(std::string_view specification, platform::FontDesc& font) {
    for (int number = 0; number < kFieldCount; ++number) {
        const std::size_t comma = specification.find(',');
        ApplyField(number, specification.substr(0, comma), font);
        if (comma == std::string_view::npos) {
            return;
        }
        specification.remove_prefix(comma + 1);
    }
}

} // namespace sheets
