#pragma once

#include "sheets/SheetRect.h"

#include <cstdint>
#include <functional>
#include <vector>

class SheetLayout;

// A run of whole columns or whole rows printed together on one page: `count` of them from `first`.
struct PrintRun {
    std::int32_t first = 0;
    std::int32_t count = 0;
    bool operator==(const PrintRun&) const = default;
};

// What page cutting reads of a sheet laid out for a printer: the sizes in printer pixels, the fixed
// (header) columns and rows repeated on every page, and for each column whether a cell of a fixed row
// continues the cell on its left (JoinLeft), so the column must not begin a page.
struct PrintGrid {
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    std::int32_t fixedCols = 0;
    std::int32_t fixedRows = 0;
    std::vector<bool> joinsLeft;

    // The grid of a built layout (its fixed counts limited to the grid).
    static PrintGrid Of(const SheetLayout& layout);
};

// Cuts the scrolling columns into runs that fit `width` beside the fixed columns. Every run holds at
// least one column (a column wider than the page makes a run of its own), and a column that joins its
// left neighbour begins a run only when it is the first scrolling column or nothing else fits. Empty
// when the grid has no scrolling column.
std::vector<PrintRun> ColumnRuns(const PrintGrid& grid, int width);

// Cuts the scrolling rows into runs that fit `height` below the fixed rows; at least one row a run.
std::vector<PrintRun> RowRuns(const PrintGrid& grid, int height);

// Calls `cell` for every cell of the page block of `rows` × `columns` (with the fixed rows and columns
// before them) placed at (x0, y0), in row order, with the cell's rectangle; returns the block's
// rectangle. A block without cells is the empty rectangle at (x0, y0).
SheetRect
ForEachBlockCell(const PrintGrid& grid,
                 PrintRun rows,
                 PrintRun columns,
                 int x0,
                 int y0,
                 const std::function<void(std::int32_t column, std::int32_t row, const SheetRect& rect)>& cell);

// The block's rectangle without visiting its cells.
SheetRect BlockRect(const PrintGrid& grid, PrintRun rows, PrintRun columns, int x0, int y0);
