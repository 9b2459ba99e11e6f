#include "sheets/qt/ImageList.h"

#include "sheets/qt/CellMarks.h"

#include <QPainter>

ImageList ImageList::WithCellMarks(int size) {
    ImageList list(size, size);
    const qreal ratio = 2.0; // crisp on screens scaled up to twice
    QPixmap caution(size * 2, size * 2);
    QPixmap warning(size * 2, size * 2);
    for (QPixmap* pixmap : {&caution, &warning}) {
        pixmap->fill(Qt::transparent);
    }
    {
        QPainter painter(&caution);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ratio, ratio);
        CellMarks::DrawCaution(painter, QPoint(0, 0), size, QColor(255, 200, 0), Qt::black);
    }
    {
        QPainter painter(&warning);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ratio, ratio);
        CellMarks::DrawWarning(painter, QPoint(0, 0), size, QColor(208, 0, 0));
    }
    caution.setDevicePixelRatio(ratio);
    warning.setDevicePixelRatio(ratio);
    list.m_images.resize(kWarning + 1);
    list.m_images[kCaution] = caution;
    list.m_images[kWarning] = warning;
    return list;
}

void ImageList::Set(int index, const QPixmap& pixmap) {
    if (index < 0) {
        return;
    }
    if (index >= Count()) {
        m_images.resize(static_cast<std::size_t>(index) + 1);
    }
    m_images[static_cast<std::size_t>(index)] =
        pixmap.scaled(m_width, m_height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void ImageList::Draw(QPainter& painter, int x, int y, int index) const {
    if (index < 0 || index >= Count() || m_images[static_cast<std::size_t>(index)].isNull()) {
        return;
    }
    painter.drawPixmap(QRect(x, y, m_width, m_height), m_images[static_cast<std::size_t>(index)]);
}
