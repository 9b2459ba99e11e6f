#pragma once

#include "sheets/GridGeometry.h"
#include "sheets/SheetPosition.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPoint>
#include <QString>
#include <functional>

class QTimer;

// The grid control inside every sheet: a scroll area over GridGeometry with fixed columns and rows,
// both scroll bars with thumb tracking, and every cell-level decision handed to its owner through
// handlers. It stores no cell content; it keeps the current cell and the scroll position, asks the
// select veto before a move it makes itself (mouse click, drag), draws through the draw handler, turns
// dragging beyond an edge into drag-scroll reports and tells its owner about keys, mouse and focus.
class cuiGrid : public QAbstractScrollArea {
public:
    // Direction bits of a drag-scroll report.
    enum DragDirection : int { kDragLeft = 1, kDragRight = 2, kDragUp = 4, kDragDown = 8 };

    struct Handlers {
        // Whether (column, row) may become current; `allowed` starts true.
        std::function<void(GridPos, bool& allowed)> selectCell;
        // Paints one cell in its client rectangle.
        std::function<void(QPainter&, GridPos, const QRect&)> drawCell;
        // The mouse was dragged beyond the edges named by the direction bits (every 50 ms while held).
        std::function<void(int directions)> dragScroll;
        // The focus came or went for `reason`.
        std::function<void(Qt::FocusReason)> focusGained;
        std::function<void(Qt::FocusReason)> focusLost;
        std::function<void()> topLeftChanged;
        // The current cell moved from `before` to `after` (both already marked for repainting).
        std::function<void(GridPos before, GridPos after)> currentChanged;
        // The cell a click at `pos` selects (FollowLeft cells pass the click to their owner).
        std::function<GridPos(GridPos)> clickTarget;
        // Input; a key handler returns true when it consumed the key. `mouseFirst` runs before the grid
        // moves its cursor for a press; the other mouse handlers after the grid's own handling.
        std::function<bool(QKeyEvent&)> keyPress;
        std::function<void(QKeyEvent&)> keyRelease;
        std::function<void(QMouseEvent&)> mouseFirst;
        std::function<void(QMouseEvent&)> mousePress;
        std::function<void(QMouseEvent&)> mouseRelease;
        std::function<void(QMouseEvent&)> mouseDoubleClick;
        std::function<void(QMouseEvent&)> mouseMove;
        // The tool tip of the cell at a position; empty: none.
        std::function<QString(GridPos)> toolTip;
    };

    explicit cuiGrid(QWidget* parent = nullptr);
    ~cuiGrid() override;

    Handlers& On() { return m_handlers; }
    const GridGeometry& Geometry() const { return m_geometry; }

    // Sizes and fixed counts (clamped to count − 1); the current cell stays inside the grid.
    void SetSizes(std::vector<int> columnWidths, std::vector<int> rowHeights);
    void SetFixed(std::int32_t columns, std::int32_t rows);
    void SetBackground(const QColor& colour);
    void SetScrollBars(bool on);
    bool HasScrollBars() const { return m_scrollBars; }

    GridPos Current() const { return m_current; }
    std::int32_t LeftCol() const { return m_geometry.LeftCol(); }
    std::int32_t TopRow() const { return m_geometry.TopRow(); }
    void SetLeftCol(std::int32_t column);
    void SetTopRow(std::int32_t row);
    std::int32_t VisibleColCount() const { return m_geometry.VisibleColCount(); }
    std::int32_t VisibleRowCount() const { return m_geometry.VisibleRowCount(); }

    // Moves the cursor to `pos` without asking the select veto; scrolls it into view when `show`.
    void MoveTo(GridPos pos, bool show);
    // Moves the cursor to `pos` when the select veto allows it, and shows it. Returns whether it moved.
    bool TrySelect(GridPos pos);

    // The cell's rectangle in viewport coordinates; empty when it is scrolled out.
    QRect CellRect(GridPos pos) const;
    // The cell under a viewport point; −1, −1 outside the cells.
    GridPos CellAt(QPoint point) const;
    void RepaintCell(GridPos pos);
    // Paints now, not on the next pass of the event loop.
    void RepaintNow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void UpdateScrollBars();
    void ScrollPixels(int dx, int dy);
    void DragStep();
    int DragDirections() const;

    Handlers m_handlers;
    GridGeometry m_geometry;
    GridPos m_current{0, 0};
    QColor m_background = Qt::white;
    bool m_scrollBars = true;
    bool m_updatingBars = false;
    QTimer* m_dragTimer = nullptr;
    QPoint m_dragPoint;
};
