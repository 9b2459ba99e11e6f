#include "sheets/SheetCursorSearch.h"

#include "sheets/SheetLayout.h"

#include <cstdlib>

namespace {

std::int32_t Sign(std::int32_t value) {
    return (value > 0) - (value < 0);
}

std::int32_t Wrap(std::int32_t value, std::int32_t count) {
    return ((value % count) + count) % count;
}

} // namespace

bool SheetCursorSearch::Selectable(std::int32_t column, std::int32_t row) const {
    return layout.Slot(column, row).Cell().Selectable();
}

GridPos SheetCursorSearch::Move(GridPos start, std::int32_t dx, std::int32_t dy) const {
    if (dx != 0) {
        dy = 0;
    }
    const std::int32_t sx = Sign(dx);
    const std::int32_t sy = Sign(dy);
    const std::int32_t steps = std::abs(dx != 0 ? dx : dy);
    GridPos pos = start;
    for (std::int32_t step = 0; step < steps; ++step) {
        if (!Straight(pos, sx, sy) && !(sideSearch && Side(pos, sx, sy))) {
            break;
        }
    }
    return pos;
}

bool SheetCursorSearch::Straight(GridPos& pos, std::int32_t sx, std::int32_t sy) const {
    const std::int32_t columns = layout.ColumnCount();
    const std::int32_t rows = layout.RowCount();
    GridPos probe = pos;
    for (;;) {
        probe.column += sx;
        probe.row += sy;
        if (wrap) {
            probe.column = Wrap(probe.column, columns);
            probe.row = Wrap(probe.row, rows);
            if (probe == pos) {
                return false;
            }
        } else if (probe.column < 0 || probe.row < 0 || probe.column >= columns || probe.row >= rows) {
            return false;
        }
        if (Selectable(probe.column, probe.row)) {
            pos = probe;
            return true;
        }
    }
}

bool SheetCursorSearch::Side(GridPos& pos, std::int32_t sx, std::int32_t sy) const {
    const bool horizontal = sx != 0;
    const std::int32_t lines = horizontal ? layout.ColumnCount() : layout.RowCount();
    const std::int32_t across = horizontal ? layout.RowCount() : layout.ColumnCount();
    const std::int32_t near = horizontal ? pos.row : pos.column;
    for (std::int32_t line = (horizontal ? pos.column + sx : pos.row + sy); line >= 0 && line < lines;
         line += horizontal ? sx : sy) {
        std::int32_t best = -1;
        for (std::int32_t i = 0; i < across; ++i) {
            const bool selectable = horizontal ? Selectable(line, i) : Selectable(i, line);
            if (selectable && (best < 0 || std::abs(i - near) < std::abs(best - near))) {
                best = i;
            }
        }
        if (best >= 0) {
            pos = horizontal ? GridPos{line, best} : GridPos{best, line};
            return true;
        }
    }
    return false;
}
