#include "platform/qt/QtFontMetrics.h"

#include "platform/qt/QtFont.h"

#include <QFontMetrics>
#include <QString>

namespace platform {

int QtFontMetrics::LineWidth(const FontDesc& font, std::string_view line) {
    const QFontMetrics metrics(ToQFont(font));
    return metrics.horizontalAdvance(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

int QtFontMetrics::LineHeight(const FontDesc& font) {
    return QFontMetrics(ToQFont(font)).height();
}

} // namespace platform
