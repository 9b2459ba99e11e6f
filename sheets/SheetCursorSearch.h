#pragma once

#include "sheets/SheetPosition.h"

#include <cstdint>

class SheetLayout;

// Where a cursor step of a sheet lands, from the selectable cells of its layout alone. A horizontal
// move wins over a vertical one. Each of the |dx| (|dy|) steps first searches straight on from the
// position reached so far for the first selectable cell; in wrap mode the search runs around the grid
// and fails on coming back to its start, otherwise it fails at the grid's edge. When the straight
// search fails and `sideSearch` is set, the nearest further column (row) in the move's direction that
// holds a selectable cell gives the one nearest to the present row (column), the first found winning a
// tie. A step that finds nothing stays, and so do the steps after it.
struct SheetCursorSearch {
    const SheetLayout& layout;
    bool wrap = false;
    bool sideSearch = true;

    // The position reached from `start` by (dx, dy).
    GridPos Move(GridPos start, std::int32_t dx, std::int32_t dy) const;

private:
    bool Selectable(std::int32_t column, std::int32_t row) const;
    bool Straight(GridPos& pos, std::int32_t sx, std::int32_t sy) const;
    bool Side(GridPos& pos, std::int32_t sx, std::int32_t sy) const;
};
