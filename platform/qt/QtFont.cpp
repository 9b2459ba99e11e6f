#include "platform/qt/QtFont.h"

#include <array>
#include <utility>

namespace platform {
namespace {

constexpr std::uint32_t kSystemColourBit = 0x80000000U;

// System colour index 0 to 20 → the palette group and role that plays the same part.
constexpr std::array<std::pair<QPalette::ColorGroup, QPalette::ColorRole>, 21> kSystemRoles = {{
    {QPalette::Active, QPalette::Button},          // 0 scroll bar
    {QPalette::Active, QPalette::Window},          // 1 desktop background
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Window},          // 10 active border
    {QPalette::Inactive, QPalette::Window},        // 11 inactive border
    {QPalette::Active, QPalette::Mid},             // 12 application work space
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
}};

} // namespace

QFont ToQFont(const FontDesc& font) {
    QFont result(QString::fromStdString(font.name));
    result.setPixelSize(font.PixelHeight());
    result.setBold((font.style & FontDesc::kBold) != 0);
    result.setItalic((font.style & FontDesc::kItalic) != 0);
    result.setUnderline((font.style & FontDesc::kUnderline) != 0);
    result.setStrikeOut((font.style & FontDesc::kStrikeOut) != 0);
    result.setFixedPitch(font.pitch == FontDesc::kPitchFixed);
    if (font.pitch == FontDesc::kPitchFixed) {
        result.setStyleHint(QFont::Monospace);
    }
    return result;
}

QFont ForPrinting(QFont font) {
    // Latin text needs no shaping; without it no ligature is formed.
    font.setStyleStrategy(static_cast<QFont::StyleStrategy>(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QColor ToQColor(std::uint32_t colour, const QPalette& palette) {
    if ((colour & kSystemColourBit) == 0) {
        return QColor(static_cast<int>(colour & 0xFF),
                      static_cast<int>((colour >> 8) & 0xFF),
                      static_cast<int>((colour >> 16) & 0xFF));
    }
    const std::uint32_t index = colour & ~kSystemColourBit;
    if (index >= kSystemRoles.size()) {
        return palette.color(QPalette::Active, QPalette::Base);
    }
    const auto [group, role] = kSystemRoles[index];
    return palette.color(group, role);
}

} // namespace platform
