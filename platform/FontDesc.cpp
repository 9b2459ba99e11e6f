#include "platform/FontDesc.h"

#include <cstdlib>

namespace platform {
namespace {

// Internal leading takes about a fifth of a positive (cell) height.
constexpr std::int64_t kCellToCharNumerator = 4;
constexpr std::int64_t kCellToCharDenominator = 5;

std::int32_t Clamp32(std::int64_t value) {
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    if (value < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t FontDesc::Size() const {
    const std::int64_t pixels = PixelHeight();
    return Clamp32((pixels * 72 + kPixelsPerInch / 2) / kPixelsPerInch);
}

void FontDesc::SetSize(std::int32_t size) {
    const std::int64_t pixels = (static_cast<std::int64_t>(size) * kPixelsPerInch + (size < 0 ? -36 : 36)) / 72;
    height = Clamp32(-pixels);
    if (height == 0) {
        height = -1;
    }
}

std::int32_t FontDesc::PixelHeight() const {
    std::int64_t pixels = height;
    if (pixels < 0) {
        pixels = -pixels;
    } else {
        pixels = pixels * kCellToCharNumerator / kCellToCharDenominator;
    }
    return pixels < 1 ? 1 : Clamp32(pixels);
}

} // namespace platform
