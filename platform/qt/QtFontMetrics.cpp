#include "platform/qt/QtFontMetrics.h"

#include "platform/qt/QtFont.h"

#include <QFontMetrics>
#include <QString>

namespace platform {

QFontMetrics QtFontMetrics::Measure(const FontDesc& font) const {
    return m_device != nullptr ? QFontMetrics(ToQFont(font), m_device) : QFontMetrics(ToQFont(font));
}

int QtFontMetrics::LineWidth(const FontDesc& font, std::string_view line) {
    const QFontMetrics metrics = Measure(font);
    return metrics.horizontalAdvance(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

int QtFontMetrics::LineHeight(const FontDesc& font) {
    return Measure(font).height();
}

} // namespace platform
