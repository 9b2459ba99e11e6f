#include "sheets/qt/CellMarks.h"

#include <QPainter>
#include <QPolygon>

namespace CellMarks {

void DrawWarning(QPainter& painter, QPoint topLeft, int size, const QColor& fill) {
    const int e = size / 8;
    const int f = size / 2;
    const int g = size - 1;
    QPolygon cross({QPoint(e, 0),
                    QPoint(f, f - e),
                    QPoint(g - e, 0),
                    QPoint(g, e),
                    QPoint(f + e, f),
                    QPoint(g, g - e),
                    QPoint(g - e, g),
                    QPoint(f, f + e),
                    QPoint(e, g),
                    QPoint(0, g - e),
                    QPoint(f - e, f),
                    QPoint(0, e)});
    cross.translate(topLeft);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPolygon(cross);
    painter.restore();
}

void DrawCaution(QPainter& painter, QPoint topLeft, int size, const QColor& fill, const QColor& ink) {
    const int e = size / 8;
    const int f = size / 2;
    const int g = size - 1;
    const int w10 = size / 10;
    QPolygon triangle({QPoint(f, 0), QPoint(g, g), QPoint(0, g)});
    QPolygon bar({QPoint(f - e, size / 3),
                  QPoint(f + e, size / 3),
                  QPoint(f + w10, 2 * size / 3),
                  QPoint(f - w10, 2 * size / 3)});
    const int dotTop = 3 * size / 4;
    QPolygon dot({QPoint(f - w10, dotTop),
                  QPoint(f + w10, dotTop),
                  QPoint(f + w10, dotTop + size / 6),
                  QPoint(f - w10, dotTop + size / 6)});
    triangle.translate(topLeft);
    bar.translate(topLeft);
    dot.translate(topLeft);
    painter.save();
    painter.setPen(QPen(ink, size / 16 + 1));
    painter.setBrush(fill);
    painter.drawPolygon(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(bar);
    painter.drawPolygon(dot);
    painter.restore();
}

} // namespace CellMarks
