#pragma once

#include "platform/FontDesc.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <cstdint>

namespace platform {

// The Qt font for a definition font: family, pixel height, bold, italic, underline, strike-out and
// fixed pitch. The character set has no Qt counterpart (texts are UTF-8) and is not used.
QFont ToQFont(const FontDesc& font);

// `font` as printed: without ligatures, so a printed "Off" or "identification" is text a search finds
// letter by letter (a PDF keeps a ligature as one glyph).
QFont ForPrinting(QFont font);

// The Qt colour of a definition colour value: red + 256 × green + 65536 × blue, or, with the top bit
// set, the palette colour that stands for that system colour index (window, window text, highlight,
// button face, ...). Unknown indices give the palette's base colour.
QColor ToQColor(std::uint32_t colour, const QPalette& palette = QPalette());

} // namespace platform
