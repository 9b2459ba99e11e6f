#pragma once

#include "platform/FontMetrics.h"

#include <QFontMetrics>

class QPaintDevice;

namespace platform {

// Font metrics of the real Qt fonts (needs a QGuiApplication). The desktop program sizes its sheets
// with it, so columns fit the text as the window system draws it; a sheet built for a printer measures
// on the printer (`device`, not owned, must outlive the metrics), so its columns fit the printed text.
class QtFontMetrics final : public IFontMetrics {
public:
    explicit QtFontMetrics(const QPaintDevice* device = nullptr) : m_device(device) {}

    int LineWidth(const FontDesc& font, std::string_view line) override;
    int LineHeight(const FontDesc& font) override;

private:
    QFontMetrics Measure(const FontDesc& font) const;

    const QPaintDevice* m_device;
};

} // namespace platform
