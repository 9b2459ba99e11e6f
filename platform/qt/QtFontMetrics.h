#pragma once

#include "platform/FontMetrics.h"

namespace platform {

// Font metrics of the real Qt fonts (needs a QGuiApplication). The desktop program sizes its sheets
// with it, so columns fit the text as the window system draws it.
class QtFontMetrics final : public IFontMetrics {
public:
    int LineWidth(const FontDesc& font, std::string_view line) override;
    int LineHeight(const FontDesc& font) override;
};

} // namespace platform
