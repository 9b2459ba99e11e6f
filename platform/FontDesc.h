#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A font as the definitions describe it, without any toolkit: character set, family name, colour,
// height, style and pitch. The height is the platform's height value: negative values give the
// character height in pixels without internal leading, positive values the cell height. The point size
// is a view of the height at 96 pixels per inch, as on the system the definitions were written for.
struct FontDesc {
    enum Style : std::uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };
    enum Pitch : std::uint8_t { kPitchDefault = 0, kPitchFixed = 1, kPitchVariable = 2 };

    static constexpr int kPixelsPerInch = 96;
    static constexpr std::int32_t kDefaultHeight = -12;

    std::int32_t charset = 1; // DEFAULT_CHARSET
    std::string name = "Sans Serif";
    std::uint32_t colour = 0x80000008; // system colour 8: window text
    std::int32_t height = kDefaultHeight;
    std::uint8_t style = 0;
    std::uint8_t pitch = kPitchDefault;

    // The point size that `height` stands for (rounded to the nearest point).
    std::int32_t Size() const;
    // Sets the height that point size `size` stands for.
    void SetSize(std::int32_t size);
    // The character height in pixels (without internal leading); at least 1.
    std::int32_t PixelHeight() const;

    bool operator==(const FontDesc&) const = default;
};

} // namespace platform
