#include "sheets/PageCutting.h"

#include "sheets/SheetLayout.h"

#include <algorithm>

namespace {

std::int64_t SumOf(const std::vector<int>& sizes, std::int32_t count) {
    std::int64_t sum = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        sum += std::max(0, sizes[static_cast<std::size_t>(i)]);
    }
    return sum;
}

bool InBlock(std::int32_t index, std::int32_t fixed, PrintRun run) {
    return index < fixed || (index >= run.first && index < run.first + run.count);
}

} // namespace

PrintGrid PrintGrid::Of(const SheetLayout& layout) {
    PrintGrid grid;
    grid.fixedCols = layout.FixedCols();
    grid.fixedRows = layout.FixedRows();
    for (std::int32_t c = 0; c < layout.ColumnCount(); ++c) {
        grid.columnWidths.push_back(layout.ColumnWidth(c));
        bool joins = false;
        for (std::int32_t r = 0; r < grid.fixedRows && !joins; ++r) {
            joins = layout.Slot(c, r).Cell().JoinLeft();
        }
        grid.joinsLeft.push_back(joins);
    }
    for (std::int32_t r = 0; r < layout.RowCount(); ++r) {
        grid.rowHeights.push_back(layout.RowHeight(r));
    }
    return grid;
}

std::vector<PrintRun> ColumnRuns(const PrintGrid& grid, int width) {
    const auto count = static_cast<std::int32_t>(grid.columnWidths.size());
    const std::int32_t fixed = std::clamp(grid.fixedCols, 0, count);
    const std::int64_t fixedWidth = SumOf(grid.columnWidths, fixed);
    std::vector<PrintRun> runs;
    for (std::int32_t s = fixed; s < count;) {
        std::int64_t total = fixedWidth;
        std::int32_t k = 0; // the last column of the walk (counted from s) that may begin the next page
        std::int32_t i = 0;
        bool stopped = false;
        for (; s + i < count; ++i) {
            const auto column = static_cast<std::size_t>(s) + static_cast<std::size_t>(i);
            total += std::max(0, grid.columnWidths[column]);
            const bool joins = column < grid.joinsLeft.size() && grid.joinsLeft[column];
            if (!joins) {
                k = i;
            }
            if (k > 0 && total > width) {
                stopped = true;
                break;
            }
        }
        if (!stopped) {
            k = i;
        }
        const std::int32_t run = std::max(k, 1);
        runs.push_back({s, run});
        s += run;
    }
    return runs;
}

std::vector<PrintRun> RowRuns(const PrintGrid& grid, int height) {
    const auto count = static_cast<std::int32_t>(grid.rowHeights.size());
    const std::int32_t fixed = std::clamp(grid.fixedRows, 0, count);
    const std::int64_t fixedHeight = SumOf(grid.rowHeights, fixed);
    std::vector<PrintRun> runs;
    for (std::int32_t r = fixed; r < count;) {
        std::int64_t total = fixedHeight;
        std::int32_t n = 0;
        while (r + n < count) {
            total += std::max(0, grid.rowHeights[static_cast<std::size_t>(r) + static_cast<std::size_t>(n)]);
            if (n > 0 && total > height) {
                break;
            }
            ++n;
        }
        runs.push_back({r, n});
        r += n;
    }
    return runs;
}

SheetRect
ForEachBlockCell(const PrintGrid& grid,
                 PrintRun rows,
                 PrintRun columns,
                 int x0,
                 int y0,
                 const std::function<void(std::int32_t column, std::int32_t row, const SheetRect& rect)>& cell) {
    const auto columnCount = static_cast<std::int32_t>(grid.columnWidths.size());
    const auto rowCount = static_cast<std::int32_t>(grid.rowHeights.size());
    int x = x0;
    int y = y0;
    for (std::int32_t r = 0; r < rowCount; ++r) {
        if (!InBlock(r, grid.fixedRows, rows)) {
            continue;
        }
        const int height = std::max(0, grid.rowHeights[static_cast<std::size_t>(r)]);
        x = x0;
        for (std::int32_t c = 0; c < columnCount; ++c) {
            if (!InBlock(c, grid.fixedCols, columns)) {
                continue;
            }
            const int width = std::max(0, grid.columnWidths[static_cast<std::size_t>(c)]);
            if (cell) {
                cell(c, r, SheetRect{x, y, x + width, y + height});
            }
            x += width;
        }
        y += height;
    }
    return {x0, y0, x, y};
}

SheetRect BlockRect(const PrintGrid& grid, PrintRun rows, PrintRun columns, int x0, int y0) {
    return ForEachBlockCell(grid, rows, columns, x0, y0, nullptr);
}
