#include "sheets/GridGeometry.h"

#include "sheets/PopupPlacement.h"

#include <gtest/gtest.h>

namespace {

// Five columns of 10, 20, 30, 40, 50 pixels and eight rows of 10, one fixed column and one fixed row,
// in a client 70 × 45.
GridGeometry Sample() {
    GridGeometry g;
    g.SetColumnWidths({10, 20, 30, 40, 50});
    g.SetRowHeights(std::vector<int>(8, 10));
    g.SetFixed(1, 1);
    g.SetClientSize(70, 45);
    return g;
}

TEST(GridGeometry, FixedCellsStayWhileTheRestScrolls) {
    GridGeometry g = Sample();
    EXPECT_EQ(g.LeftCol(), 1);
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_EQ(g.ClientRect(2, 2), (SheetRect{30, 20, 60, 30}));
    g.SetLeftCol(3);
    g.SetTopRow(4);
    EXPECT_EQ(g.ClientRect(0, 0), (SheetRect{0, 0, 10, 10}));  // fixed corner
    EXPECT_EQ(g.ClientRect(3, 0), (SheetRect{10, 0, 50, 10})); // fixed row, scrolled column
    EXPECT_EQ(g.ClientRect(0, 4), (SheetRect{0, 10, 10, 20})); // fixed column, scrolled row
    EXPECT_FALSE(g.ClientRect(2, 4).has_value());              // scrolled out to the left
    EXPECT_FALSE(g.ClientRect(3, 3).has_value());              // scrolled out above
    EXPECT_FALSE(g.ClientRect(5, 1).has_value());              // off the grid
    EXPECT_EQ(g.ColumnAt(5), 0);
    EXPECT_EQ(g.ColumnAt(10), 3);
    EXPECT_EQ(g.ColumnAt(55), 4);
    EXPECT_EQ(g.RowAt(15), 4);
    EXPECT_EQ(g.ColumnAt(-1), -1);
    EXPECT_EQ(g.ColumnAt(100), -1); // beyond the last column
    EXPECT_EQ(g.RowAt(1000), -1);
}

TEST(GridGeometry, ScrollLimitsAndVisibleCounts) {
    GridGeometry g = Sample();
    // 60 pixels beside the fixed column: columns 3 and 4 (90) do not fit together, column 4 alone does.
    EXPECT_EQ(g.MaxLeftCol(), 4);
    EXPECT_EQ(g.VisibleColCount(), 2); // 20 + 30
    // 35 pixels below the fixed row: three rows of 10.
    EXPECT_EQ(g.VisibleRowCount(), 3);
    EXPECT_EQ(g.MaxTopRow(), 5);
    g.SetTopRow(99);
    EXPECT_EQ(g.TopRow(), 5);
    g.SetTopRow(-5);
    EXPECT_EQ(g.TopRow(), 1);
    // Bringing cells into view scrolls as little as possible.
    EXPECT_EQ(g.TopRowToShow(7), 5);
    EXPECT_EQ(g.TopRowToShow(2), 1);
    EXPECT_EQ(g.TopRowToShow(0), 1);  // fixed rows are always shown
    EXPECT_EQ(g.LeftColToShow(3), 3); // 30 + 40 do not fit beside the fixed column
    // A client larger than the grid never scrolls.
    g.SetClientSize(1000, 1000);
    EXPECT_EQ(g.MaxLeftCol(), 1);
    EXPECT_EQ(g.MaxTopRow(), 1);
}

TEST(GridGeometry, FixedCountsAreLimitedToTheGrid) {
    GridGeometry g;
    g.SetColumnWidths({10, 10});
    g.SetRowHeights({10});
    g.SetFixed(5, 5);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.FixedRows(), 0);
    GridGeometry empty;
    empty.SetClientSize(10, 10);
    EXPECT_EQ(empty.VisibleColCount(), 0);
    EXPECT_FALSE(empty.ClientRect(0, 0).has_value());
}

TEST(PopupPlacement, BesideTheCellInsideTheWorkArea) {
    const SheetRect work{0, 0, 800, 600};
    struct Case {
        const char* what;
        SheetRect cell;
        int width, height;
        SheetRect expected;
    };
    const Case cases[] = {
        {"below, 8 right", {100, 100, 160, 120}, 100, 50, {108, 120, 208, 170}},
        {"above when not fitting below", {100, 570, 160, 590}, 100, 50, {108, 520, 208, 570}},
        {"bottom-right corner: above, right edge at the work area's",
         {750, 570, 790, 590},
         100,
         50,
         {700, 520, 800, 570}},
        {"fits neither below nor above: bottom at the work area's",
         {100, 250, 160, 270},
         100,
         400,
         {108, 200, 208, 600}},
        {"at the bottom and too wide on the right: left of the cell",
         {700, 250, 760, 270},
         200,
         400,
         {500, 200, 700, 600}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlacePopup(c.cell, c.width, c.height, work), c.expected) << c.what;
    }
}

} // namespace
