#include "platform/FontMetrics.h"

#include <algorithm>
#include <cstdint>

namespace platform {

int FixedFontMetrics::LineWidth(const FontDesc& font, std::string_view line) {
    std::int64_t characters = 0;
    for (const char byte : line) {
        // Count every byte except UTF-8 continuation bytes.
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++characters;
        }
    }
    std::int64_t advance = std::max<std::int64_t>(1, std::int64_t{font.PixelHeight()} * 3 / 5);
    if ((font.style & FontDesc::kBold) != 0) {
        advance += advance / 10;
    }
    return static_cast<int>(std::min<std::int64_t>(characters * advance, INT32_MAX / 4));
}

int FixedFontMetrics::LineHeight(const FontDesc& font) {
    return static_cast<int>(std::max<std::int64_t>(1, std::int64_t{font.PixelHeight()} * 5 / 4));
}

} // namespace platform
