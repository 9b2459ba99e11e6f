#pragma once

#include "sheets/SheetRect.h"

#include <cstdint>
#include <optional>
#include <vector>

// Where the cells of a scrolling grid lie in its client area, without any toolkit: column widths, row
// heights, the fixed columns and rows that never scroll, the client size and the scroll position (the
// left column and top row, the first scrolling column and row shown after the fixed ones).
//
// Fixed columns (rows) are at their own places on the left (top); scrolling columns start right after
// them at the left column. Every setter clamps: the left column stays within [fixed columns, MaxLeftCol()],
// the top row within [fixed rows, MaxTopRow()], fixed counts within [0, count − 1].
class GridGeometry {
public:
    // Sizes in pixels; negative sizes count as 0.
    void SetColumnWidths(std::vector<int> widths);
    void SetRowHeights(std::vector<int> heights);
    void SetFixed(std::int32_t columns, std::int32_t rows);
    void SetClientSize(int width, int height);
    void SetLeftCol(std::int32_t column);
    void SetTopRow(std::int32_t row);

    std::int32_t ColumnCount() const { return static_cast<std::int32_t>(m_widths.size()); }
    std::int32_t RowCount() const { return static_cast<std::int32_t>(m_heights.size()); }
    std::int32_t FixedCols() const { return m_fixedCols; }
    std::int32_t FixedRows() const { return m_fixedRows; }
    std::int32_t LeftCol() const { return m_leftCol; }
    std::int32_t TopRow() const { return m_topRow; }
    int ColumnWidth(std::int32_t column) const { return m_widths.at(static_cast<std::size_t>(column)); }
    int RowHeight(std::int32_t row) const { return m_heights.at(static_cast<std::size_t>(row)); }
    // Sum of all widths (heights).
    std::int64_t TotalWidth() const { return m_colStart.back(); }
    std::int64_t TotalHeight() const { return m_rowStart.back(); }
    // Distance of column `column` (row `row`) from the grid's left (top) edge; 0 ... count allowed.
    std::int64_t ColumnStart(std::int32_t column) const { return m_colStart.at(static_cast<std::size_t>(column)); }
    std::int64_t RowStart(std::int32_t row) const { return m_rowStart.at(static_cast<std::size_t>(row)); }
    // Width of the fixed columns, height of the fixed rows.
    int FixedWidth() const { return static_cast<int>(m_colStart[static_cast<std::size_t>(m_fixedCols)]); }
    int FixedHeight() const { return static_cast<int>(m_rowStart[static_cast<std::size_t>(m_fixedRows)]); }

    // The rectangle of (column, row) in client coordinates at the present scroll position; nothing for
    // a position outside the grid or a scrolling column (row) scrolled out to the left (top). A cell
    // beyond the client's right or bottom edge still has its rectangle (it is simply not seen).
    std::optional<SheetRect> ClientRect(std::int32_t column, std::int32_t row) const;
    // The column at client x and the row at client y; −1 outside the cells.
    std::int32_t ColumnAt(int x) const;
    std::int32_t RowAt(int y) const;

    // Scrolling columns (rows) wholly visible from the left column (top row); at least 1 while any is
    // left to show.
    std::int32_t VisibleColCount() const;
    std::int32_t VisibleRowCount() const;
    // The largest left column (top row) that still fills the client with the last columns (rows).
    std::int32_t MaxLeftCol() const;
    std::int32_t MaxTopRow() const;

    // The left column (top row) that brings `column` (`row`) into view with the least scrolling; fixed
    // ones are always in view and leave the position as it is.
    std::int32_t LeftColToShow(std::int32_t column) const;
    std::int32_t TopRowToShow(std::int32_t row) const;

private:
    static void Prefix(const std::vector<int>& sizes, std::vector<std::int64_t>& starts);
    static std::int32_t
    IndexAt(const std::vector<std::int64_t>& starts, std::int32_t fixed, std::int32_t first, int position);
    static std::int32_t VisibleCount(const std::vector<std::int64_t>& starts, std::int32_t first, int room);
    static std::int32_t FirstToShow(
        const std::vector<std::int64_t>& starts, std::int32_t fixed, std::int32_t first, std::int32_t index, int room);
    static std::int32_t MaxFirst(const std::vector<std::int64_t>& starts, std::int32_t fixed, int room);
    void Clamp();

    std::vector<int> m_widths;
    std::vector<int> m_heights;
    std::vector<std::int64_t> m_colStart{0}; // m_colStart[c]: left of column c; back(): total
    std::vector<std::int64_t> m_rowStart{0};
    std::int32_t m_fixedCols = 0;
    std::int32_t m_fixedRows = 0;
    std::int32_t m_leftCol = 0;
    std::int32_t m_topRow = 0;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
};
