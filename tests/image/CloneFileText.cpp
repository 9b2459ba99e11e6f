#include "CloneFileText.h"

#include <cstdio>

namespace testimage {

cmcEeprom PatternImage(std::uint32_t seed) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    std::uint32_t state = seed * 2654435761u + 1;
    for (std::int32_t a = 0; a < kImageSize; ++a) {
        state = state * 1103515245u + 12345u;
        image.SetByte(a, static_cast<std::uint8_t>(state >> 16));
    }
    return image;
}

std::vector<std::string> CloneFileLines(const cmcEeprom& image, std::string_view comment) {
    std::vector<std::string> lines = {"26910001", "#Comment=" + std::string(comment), "#MapRev=1"};
    for (std::int32_t a = 0; a < 0x800; a += 16) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X10", static_cast<unsigned>(a));
        std::string line = text;
        for (std::int32_t i = 0; i < 16; ++i) {
            std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(image.GetByte(a + i)));
            line += text;
        }
        lines.push_back(line);
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines, std::string_view lineEnd, bool finalEnd) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (finalEnd || i + 1 < lines.size()) {
            text += lineEnd;
        }
    }
    return text;
}

} // namespace testimage
