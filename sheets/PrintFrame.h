#pragma once

#include "sheets/SheetRect.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

// The measures of a printed page, in printer pixels, without any toolkit: the margins, the header and
// footer frame around the cells, the font heights at the printer's resolution and the shrinking of
// the cell font when a page's block does not fit.
namespace printframe {

// Millimetres at `dpi` dots per inch, truncated: 10 mm at 600 dpi are 236 pixels.
int MillimetresToPixels(std::int32_t millimetres, int dpi);

// The four margins (left, top, right, bottom, in millimetres) of a comma-separated text; each field is
// read without its blanks as a plain decimal, a missing field is 0.
std::array<std::int32_t, 4> ParseMargins(std::string_view text);

// The margin rectangle of a page `pageWidth` × `pageHeight` pixels (the vertical resolution `dpi`
// serves both directions).
SheetRect MarginRect(const std::array<std::int32_t, 4>& millimetres, int pageWidth, int pageHeight, int dpi);

// The font height (negative: character height in pixels) of `points` at `dpi`, rounded as the window
// system rounds it; never 0.
std::int32_t FontHeightForPoints(std::int32_t points, int dpi);

// Where the header and footer go inside a margin rectangle, for a frame font of height `fh` pixels.
struct FrameLayout {
    int fh = 0;        // frame font height in pixels
    int a = 0;         // bar thickness: trunc(fh × 0.1 + 1)
    int headerTop = 0; // top of the header texts (title on the left, program name on the right)
    int footerTop = 0; // top of the footer text (the maker's name on the right)
    SheetRect headerBar;
    SheetRect footerBar;
    SheetRect inner; // what is left for the cells
};
FrameLayout MeasureFrame(const SheetRect& margins, std::int32_t frameFontHeight);

// True when `rect` has room to draw in: a width and a height of at least one pixel.
bool HasRoom(const SheetRect& rect);

// True when `block` placed at the inner rectangle's top-left ends within it.
bool BlockFits(const SheetRect& block, const SheetRect& inner);

// The font height for the next fitting step: |h| × the smaller of the height and width ratios of the
// inner rectangle to the block, truncated (a block without width or height counts as one pixel), and
// never 0, which would mean "no imposed height" to the sheet.
std::int32_t ShrunkFontHeight(std::int32_t h, const SheetRect& inner, const SheetRect& block);

// Measures the page block of a sheet built with font height h; nothing when the sheet stopped (it is
// not printable or the job was cancelled).
using MeasureBlock = std::function<std::optional<SheetRect>(std::int32_t h)>;

// The font height a page is printed with, after up to three fitting steps from `h`: each measures
// the block and, when it does not fit `inner`, shrinks the height. After the third unsuccessful step
// the last height is used as it is. Nothing when the sheet stopped during a step.
std::optional<std::int32_t> FitFontHeight(std::int32_t h, const SheetRect& inner, const MeasureBlock& measure);

} // namespace printframe
