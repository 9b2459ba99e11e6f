#pragma once

#include "platform/FontDesc.h"

#include <string_view>

namespace platform {

// Measures single lines of text in a font, in pixels. Sheets size their columns and rows with it.
class IFontMetrics {
public:
    virtual ~IFontMetrics() = default;

    // Width of `line` (one line, no line feed) drawn in `font`.
    virtual int LineWidth(const FontDesc& font, std::string_view line) = 0;

    // Height of one line of text in `font`.
    virtual int LineHeight(const FontDesc& font) = 0;
};

// Deterministic metrics that need no display: every character (a UTF-8 sequence counts as one) is as
// wide as the font's pixel height × 3/5 (at least 1; bold adds a tenth), and a line is the pixel height
// × 5/4 high (at least 1). Used by the command-line tool and the tests, so their layouts are the same on
// every machine.
class FixedFontMetrics final : public IFontMetrics {
public:
    int LineWidth(const FontDesc& font, std::string_view line) override;
    int LineHeight(const FontDesc& font) override;
};

} // namespace platform
