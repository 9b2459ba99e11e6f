#pragma once

#include <cstdint>

// A slot of a sheet's grid: column and row, counted from 0.
struct GridPos {
    std::int32_t column = 0;
    std::int32_t row = 0;
    bool operator==(const GridPos&) const = default;
};

// Where the user stands on a sheet, kept when it closes and restored when it opens again: the cursor's
// slot and the slot at the top left of the scrolled view (the first column and row shown after the fixed
// ones). -1: nothing kept, the sheet starts on its first selectable cell.
struct SheetPosition {
    GridPos cursor{-1, -1};
    GridPos topLeft{-1, -1};
};
