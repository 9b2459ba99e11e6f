#include "sheets/qt/cuiGrid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <cstdlib>

namespace {

QRect ToQRect(const SheetRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

} // namespace

cuiGrid::cuiGrid(QWidget* parent) : QAbstractScrollArea(parent), m_dragTimer(new QTimer(this)) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_dragTimer->setInterval(50);
    QObject::connect(m_dragTimer, &QTimer::timeout, this, [this] { DragStep(); });
    // Thumb tracking: the grid follows the thumb while it is dragged.
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    SetScrollBars(true);
}

cuiGrid::~cuiGrid() = default;

void cuiGrid::SetSizes(std::vector<int> columnWidths, std::vector<int> rowHeights) {
    m_geometry.SetColumnWidths(std::move(columnWidths));
    m_geometry.SetRowHeights(std::move(rowHeights));
    m_current.column = std::clamp(m_current.column, 0, std::max(0, m_geometry.ColumnCount() - 1));
    m_current.row = std::clamp(m_current.row, 0, std::max(0, m_geometry.RowCount() - 1));
    UpdateScrollBars();
    viewport()->update();
}

void cuiGrid::SetFixed(std::int32_t columns, std::int32_t rows) {
    m_geometry.SetFixed(columns, rows);
    UpdateScrollBars();
    viewport()->update();
}

void cuiGrid::SetBackground(const QColor& colour) {
    m_background = colour;
    viewport()->update();
}

void cuiGrid::SetScrollBars(bool on) {
    m_scrollBars = on;
    const auto policy = on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    UpdateScrollBars();
}

void cuiGrid::UpdateScrollBars() {
    m_geometry.SetClientSize(viewport()->width(), viewport()->height());
    m_updatingBars = true;
    horizontalScrollBar()->setRange(m_geometry.FixedCols(), std::max(m_geometry.FixedCols(), m_geometry.MaxLeftCol()));
    horizontalScrollBar()->setPageStep(std::max(1, m_geometry.VisibleColCount()));
    horizontalScrollBar()->setValue(m_geometry.LeftCol());
    verticalScrollBar()->setRange(m_geometry.FixedRows(), std::max(m_geometry.FixedRows(), m_geometry.MaxTopRow()));
    verticalScrollBar()->setPageStep(std::max(1, m_geometry.VisibleRowCount()));
    verticalScrollBar()->setValue(m_geometry.TopRow());
    m_updatingBars = false;
}

void cuiGrid::SetLeftCol(std::int32_t column) {
    const std::int32_t before = m_geometry.LeftCol();
    m_geometry.SetLeftCol(column);
    if (m_geometry.LeftCol() != before) {
        UpdateScrollBars();
        const auto dx = m_geometry.ColumnStart(before) - m_geometry.ColumnStart(m_geometry.LeftCol());
        ScrollPixels(static_cast<int>(dx), 0);
        if (m_handlers.topLeftChanged) {
            m_handlers.topLeftChanged();
        }
    }
}

void cuiGrid::SetTopRow(std::int32_t row) {
    const std::int32_t before = m_geometry.TopRow();
    m_geometry.SetTopRow(row);
    if (m_geometry.TopRow() != before) {
        UpdateScrollBars();
        const auto dy = m_geometry.RowStart(before) - m_geometry.RowStart(m_geometry.TopRow());
        ScrollPixels(0, static_cast<int>(dy));
        if (m_handlers.topLeftChanged) {
            m_handlers.topLeftChanged();
        }
    }
}

void cuiGrid::ScrollPixels(int dx, int dy) {
    // Moves what is already drawn and paints only what comes into view; fixed rows and columns stay.
    const int fixedWidth = m_geometry.FixedWidth();
    const int fixedHeight = m_geometry.FixedHeight();
    const QRect body(0, 0, viewport()->width(), viewport()->height());
    if (std::abs(dx) >= body.width() || std::abs(dy) >= body.height()) {
        viewport()->update();
        return;
    }
    if (dy != 0) {
        viewport()->scroll(0, dy, body.adjusted(0, fixedHeight, 0, 0));
    }
    if (dx != 0) {
        viewport()->scroll(dx, 0, body.adjusted(fixedWidth, 0, 0, 0));
    }
}

void cuiGrid::scrollContentsBy(int /*dx*/, int /*dy*/) {
    if (m_updatingBars) {
        return;
    }
    SetLeftCol(horizontalScrollBar()->value());
    SetTopRow(verticalScrollBar()->value());
}

void cuiGrid::MoveTo(GridPos pos, bool show) {
    if (pos.column < 0 || pos.row < 0 || pos.column >= m_geometry.ColumnCount() || pos.row >= m_geometry.RowCount()) {
        return;
    }
    const GridPos before = m_current;
    m_current = pos;
    if (show) {
        SetLeftCol(m_geometry.LeftColToShow(pos.column));
        SetTopRow(m_geometry.TopRowToShow(pos.row));
    }
    RepaintCell(before);
    RepaintCell(pos);
    if (before != pos && m_handlers.currentChanged) {
        m_handlers.currentChanged(before, pos);
    }
}

bool cuiGrid::TrySelect(GridPos pos) {
    if (pos.column < 0 || pos.row < 0 || pos.column >= m_geometry.ColumnCount() || pos.row >= m_geometry.RowCount()) {
        return false;
    }
    bool allowed = true;
    if (m_handlers.selectCell) {
        m_handlers.selectCell(pos, allowed);
    }
    if (allowed) {
        MoveTo(pos, true);
    }
    return allowed;
}

QRect cuiGrid::CellRect(GridPos pos) const {
    const auto rect = m_geometry.ClientRect(pos.column, pos.row);
    return rect ? ToQRect(*rect) : QRect();
}

GridPos cuiGrid::CellAt(QPoint point) const {
    const std::int32_t column = m_geometry.ColumnAt(point.x());
    const std::int32_t row = m_geometry.RowAt(point.y());
    if (column < 0 || row < 0) {
        return {-1, -1};
    }
    return {column, row};
}

void cuiGrid::RepaintCell(GridPos pos) {
    const QRect rect = CellRect(pos);
    if (!rect.isEmpty()) {
        viewport()->update(rect);
    }
}

void cuiGrid::RepaintNow() {
    viewport()->repaint();
}

void cuiGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    painter.fillRect(dirty, m_background);
    if (!m_handlers.drawCell) {
        return;
    }
    const GridGeometry& g = m_geometry;
    const int width = viewport()->width();
    const int height = viewport()->height();
    auto eachVisible = [](std::int32_t fixed, std::int32_t first, std::int32_t count, auto&& visit) {
        for (std::int32_t i = 0; i < fixed; ++i) {
            visit(i);
        }
        for (std::int32_t i = first; i < count; ++i) {
            if (!visit(i)) {
                break;
            }
        }
    };
    eachVisible(g.FixedRows(), g.TopRow(), g.RowCount(), [&](std::int32_t row) {
        const auto probe = g.ClientRect(0, row);
        if (probe && probe->top >= height) {
            return false;
        }
        eachVisible(g.FixedCols(), g.LeftCol(), g.ColumnCount(), [&](std::int32_t column) {
            const auto rect = g.ClientRect(column, row);
            if (!rect || rect->left >= width) {
                return false;
            }
            const QRect cell = ToQRect(*rect);
            if (cell.intersects(dirty)) {
                m_handlers.drawCell(painter, {column, row}, cell);
            }
            return true;
        });
        return true;
    });
}

void cuiGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void cuiGrid::keyPressEvent(QKeyEvent* event) {
    if (m_handlers.keyPress && m_handlers.keyPress(*event)) {
        event->accept();
        return;
    }
    event->ignore();
}

void cuiGrid::keyReleaseEvent(QKeyEvent* event) {
    if (m_handlers.keyRelease) {
        m_handlers.keyRelease(*event);
    }
    event->accept();
}

void cuiGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (m_handlers.mouseFirst) {
        m_handlers.mouseFirst(*event);
    }
    if (event->button() == Qt::LeftButton) {
        GridPos target = CellAt(event->position().toPoint());
        if (target.column >= 0 && m_handlers.clickTarget) {
            target = m_handlers.clickTarget(target);
        }
        if (target.column >= 0 && target != m_current) {
            TrySelect(target);
        }
    }
    if (m_handlers.mousePress) {
        m_handlers.mousePress(*event);
    }
}

void cuiGrid::mouseReleaseEvent(QMouseEvent* event) {
    m_dragTimer->stop();
    if (m_handlers.mouseRelease) {
        m_handlers.mouseRelease(*event);
    }
}

void cuiGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_handlers.mouseDoubleClick) {
        m_handlers.mouseDoubleClick(*event);
    }
}

void cuiGrid::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) != 0) {
        m_dragPoint = event->position().toPoint();
        if (DragDirections() != 0) {
            if (!m_dragTimer->isActive()) {
                m_dragTimer->start();
            }
        } else {
            m_dragTimer->stop();
            const GridPos target = CellAt(m_dragPoint);
            if (target.column >= 0 && target != m_current) {
                TrySelect(target);
            }
        }
    }
    if (m_handlers.mouseMove) {
        m_handlers.mouseMove(*event);
    }
}

int cuiGrid::DragDirections() const {
    int directions = 0;
    directions |= m_dragPoint.x() < 0 ? kDragLeft : 0;
    directions |= m_dragPoint.x() >= viewport()->width() ? kDragRight : 0;
    directions |= m_dragPoint.y() < 0 ? kDragUp : 0;
    directions |= m_dragPoint.y() >= viewport()->height() ? kDragDown : 0;
    return directions;
}

void cuiGrid::DragStep() {
    const int directions = DragDirections();
    if (directions == 0) {
        m_dragTimer->stop();
        return;
    }
    if (m_handlers.dragScroll) {
        m_handlers.dragScroll(directions);
    }
}

void cuiGrid::focusInEvent(QFocusEvent* event) {
    if (m_handlers.focusGained) {
        m_handlers.focusGained(event->reason());
    }
    QAbstractScrollArea::focusInEvent(event);
}

void cuiGrid::focusOutEvent(QFocusEvent* event) {
    if (m_handlers.focusLost) {
        m_handlers.focusLost(event->reason());
    }
    QAbstractScrollArea::focusOutEvent(event);
}

bool cuiGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QAbstractScrollArea::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const GridPos pos = CellAt(help->pos());
    const QString text = pos.column >= 0 && m_handlers.toolTip ? m_handlers.toolTip(pos) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, viewport(), CellRect(pos));
    }
    return true;
}
