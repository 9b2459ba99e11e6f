#include "sheets/PrintFrame.h"

#include "overlay/cmcGTex.h"
#include "sheets/ReadDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace printframe {
namespace {

constexpr double kInchesPerMillimetre = 0.03937007874015748;
constexpr int kFittingSteps = 3;

int Truncate(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), double{INT32_MIN}, double{INT32_MAX}));
}

} // namespace

int MillimetresToPixels(std::int32_t millimetres, int dpi) {
    return Truncate(static_cast<double>(millimetres) * dpi * kInchesPerMillimetre);
}

std::array<std::int32_t, 4> ParseMargins(std::string_view text) {
    std::array<std::int32_t, 4> margins{};
    for (std::size_t i = 0; i < margins.size(); ++i) {
        const std::optional<std::string> field = GetField(text, ',', static_cast<int>(i));
        if (!field) {
            continue;
        }
        std::string digits;
        std::copy_if(
            field->begin(), field->end(), std::back_inserter(digits), [](char c) { return !sheets::IsBlank(c); });
        margins[i] = sheets::ReadDecimal(digits);
    }
    return margins;
}

SheetRect MarginRect(const std::array<std::int32_t, 4>& millimetres, int pageWidth, int pageHeight, int dpi) {
    const double scale = static_cast<double>(dpi) * kInchesPerMillimetre;
    return {MillimetresToPixels(millimetres[0], dpi),
            MillimetresToPixels(millimetres[1], dpi),
            Truncate(pageWidth - millimetres[2] * scale),
            Truncate(pageHeight - millimetres[3] * scale)};
}

std::int32_t FontHeightForPoints(std::int32_t points, int dpi) {
    const std::int64_t product = std::int64_t{points} * dpi;
    const std::int64_t pixels = (product + (product < 0 ? -36 : 36)) / 72;
    const std::int64_t height = -std::clamp<std::int64_t>(pixels, INT32_MIN + 1, INT32_MAX);
    return height == 0 ? -1 : static_cast<std::int32_t>(height);
}

FrameLayout MeasureFrame(const SheetRect& margins, std::int32_t frameFontHeight) {
    FrameLayout frame;
    frame.fh = static_cast<int>(std::min<std::int64_t>(std::llabs(frameFontHeight), INT32_MAX / 16));
    frame.a = Truncate(frame.fh * 0.1 + 1);
    int top = margins.top;
    int bottom = margins.bottom;
    frame.headerTop = top;
    top += frame.fh + frame.a;
    frame.headerBar = {margins.left, top, margins.right, top + frame.a};
    top += 5 * frame.a;
    frame.footerTop = bottom - frame.fh - 1;
    bottom -= frame.fh + frame.a;
    frame.footerBar = {margins.left, bottom - frame.a, margins.right, bottom};
    bottom -= 5 * frame.a;
    frame.inner = {margins.left, top, margins.right, bottom};
    return frame;
}

bool HasRoom(const SheetRect& rect) {
    return rect.Width() > 0 && rect.Height() > 0;
}

bool BlockFits(const SheetRect& block, const SheetRect& inner) {
    return block.right <= inner.right && block.bottom <= inner.bottom;
}

std::int32_t ShrunkFontHeight(std::int32_t h, const SheetRect& inner, const SheetRect& block) {
    const int width = std::max(1, block.Width());
    const int height = std::max(1, block.Height());
    const double factor =
        std::min(static_cast<double>(inner.Height()) / height, static_cast<double>(inner.Width()) / width);
    const int shrunk = Truncate(std::abs(static_cast<double>(h)) * factor);
    return std::max(1, shrunk);
}

std::optional<std::int32_t> FitFontHeight(std::int32_t h, const SheetRect& inner, const MeasureBlock& measure) {
    for (int step = 0; step < kFittingSteps; ++step) {
        const std::optional<SheetRect> block = measure(h);
        if (!block) {
            return std::nullopt;
        }
        if (BlockFits(*block, inner)) {
            return h;
        }
        h = ShrunkFontHeight(h, inner, *block);
    }
    return h;
}

} // namespace printframe
