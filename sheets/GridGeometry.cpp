#include "sheets/GridGeometry.h"

#include <algorithm>

void GridGeometry::Prefix(const std::vector<int>& sizes, std::vector<std::int64_t>& starts) {
    starts.assign(sizes.size() + 1, 0);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        starts[i + 1] = starts[i] + std::max(0, sizes[i]);
    }
}

void GridGeometry::SetColumnWidths(std::vector<int> widths) {
    for (int& width : widths) {
        width = std::max(0, width);
    }
    m_widths = std::move(widths);
    Prefix(m_widths, m_colStart);
    Clamp();
}

void GridGeometry::SetRowHeights(std::vector<int> heights) {
    for (int& height : heights) {
        height = std::max(0, height);
    }
    m_heights = std::move(heights);
    Prefix(m_heights, m_rowStart);
    Clamp();
}

void GridGeometry::SetFixed(std::int32_t columns, std::int32_t rows) {
    m_fixedCols = columns;
    m_fixedRows = rows;
    Clamp();
}

void GridGeometry::SetClientSize(int width, int height) {
    m_clientWidth = std::max(0, width);
    m_clientHeight = std::max(0, height);
    Clamp();
}

void GridGeometry::SetLeftCol(std::int32_t column) {
    m_leftCol = column;
    Clamp();
}

void GridGeometry::SetTopRow(std::int32_t row) {
    m_topRow = row;
    Clamp();
}

void GridGeometry::Clamp() {
    m_fixedCols = std::clamp(m_fixedCols, 0, std::max(0, ColumnCount() - 1));
    m_fixedRows = std::clamp(m_fixedRows, 0, std::max(0, RowCount() - 1));
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, std::max(m_fixedCols, MaxLeftCol()));
    m_topRow = std::clamp(m_topRow, m_fixedRows, std::max(m_fixedRows, MaxTopRow()));
}

std::optional<SheetRect> GridGeometry::ClientRect(std::int32_t column, std::int32_t row) const {
    if (column < 0 || row < 0 || column >= ColumnCount() || row >= RowCount()) {
        return std::nullopt;
    }
    if ((column >= m_fixedCols && column < m_leftCol) || (row >= m_fixedRows && row < m_topRow)) {
        return std::nullopt;
    }
    const auto c = static_cast<std::size_t>(column);
    const auto r = static_cast<std::size_t>(row);
    const std::int64_t xShift =
        column < m_fixedCols ? 0 : m_colStart[static_cast<std::size_t>(m_leftCol)] - FixedWidth();
    const std::int64_t yShift = row < m_fixedRows ? 0 : m_rowStart[static_cast<std::size_t>(m_topRow)] - FixedHeight();
    const auto left = static_cast<int>(m_colStart[c] - xShift);
    const auto top = static_cast<int>(m_rowStart[r] - yShift);
    return SheetRect{left, top, left + m_widths[c], top + m_heights[r]};
}

std::int32_t
GridGeometry::IndexAt(const std::vector<std::int64_t>& starts, std::int32_t fixed, std::int32_t first, int position) {
    if (position < 0) {
        return -1;
    }
    const std::int64_t fixedSize = starts[static_cast<std::size_t>(fixed)];
    std::int64_t absolute = position;
    if (absolute >= fixedSize) {
        absolute += starts[static_cast<std::size_t>(first)] - fixedSize;
    }
    if (absolute >= starts.back()) {
        return -1;
    }
    // The last start not beyond the position; zero-width entries are skipped over.
    const auto it = std::upper_bound(starts.begin(), starts.end(), absolute);
    return static_cast<std::int32_t>(it - starts.begin()) - 1;
}

std::int32_t GridGeometry::ColumnAt(int x) const {
    return IndexAt(m_colStart, m_fixedCols, m_leftCol, x);
}

std::int32_t GridGeometry::RowAt(int y) const {
    return IndexAt(m_rowStart, m_fixedRows, m_topRow, y);
}

std::int32_t GridGeometry::VisibleCount(const std::vector<std::int64_t>& starts, std::int32_t first, int room) {
    const auto count = static_cast<std::int32_t>(starts.size()) - 1;
    std::int32_t visible = 0;
    for (std::int32_t i = first; i < count; ++i) {
        if (starts[static_cast<std::size_t>(i) + 1] - starts[static_cast<std::size_t>(first)] > room) {
            break;
        }
        ++visible;
    }
    return std::max(visible, first < count ? 1 : 0);
}

std::int32_t GridGeometry::VisibleColCount() const {
    return VisibleCount(m_colStart, m_leftCol, m_clientWidth - FixedWidth());
}

std::int32_t GridGeometry::VisibleRowCount() const {
    return VisibleCount(m_rowStart, m_topRow, m_clientHeight - FixedHeight());
}

std::int32_t GridGeometry::MaxFirst(const std::vector<std::int64_t>& starts, std::int32_t fixed, int room) {
    const auto count = static_cast<std::int32_t>(starts.size()) - 1;
    std::int32_t first = std::max(fixed, count - 1);
    while (first > fixed && starts.back() - starts[static_cast<std::size_t>(first) - 1] <= room) {
        --first;
    }
    return first;
}

std::int32_t GridGeometry::MaxLeftCol() const {
    return MaxFirst(m_colStart, m_fixedCols, m_clientWidth - FixedWidth());
}

std::int32_t GridGeometry::MaxTopRow() const {
    return MaxFirst(m_rowStart, m_fixedRows, m_clientHeight - FixedHeight());
}

std::int32_t GridGeometry::FirstToShow(
    const std::vector<std::int64_t>& starts, std::int32_t fixed, std::int32_t first, std::int32_t index, int room) {
    const auto count = static_cast<std::int32_t>(starts.size()) - 1;
    if (index < fixed || index >= count) {
        return first;
    }
    if (index < first) {
        return index;
    }
    while (first < index &&
           starts[static_cast<std::size_t>(index) + 1] - starts[static_cast<std::size_t>(first)] > room) {
        ++first;
    }
    return first;
}

std::int32_t GridGeometry::LeftColToShow(std::int32_t column) const {
    return FirstToShow(m_colStart, m_fixedCols, m_leftCol, column, m_clientWidth - FixedWidth());
}

std::int32_t GridGeometry::TopRowToShow(std::int32_t row) const {
    return FirstToShow(m_rowStart, m_fixedRows, m_topRow, row, m_clientHeight - FixedHeight());
}
