// Page cutting and the page measures of printing, without a printer.

#include "sheets/PageCutting.h"
#include "sheets/PrintFrame.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using printframe::FitFontHeight;

TEST(PrintFrame, MillimetresBecomePrinterPixelsTruncated) {
    EXPECT_EQ(printframe::MillimetresToPixels(10, 600), 236); // 236.22
    EXPECT_EQ(printframe::MillimetresToPixels(0, 600), 0);
    EXPECT_EQ(printframe::MillimetresToPixels(25, 96), 94); // 94.49
    // A4 at 600 dpi (4961 × 7016): the right and bottom edges are the page less the margin, truncated.
    EXPECT_EQ(printframe::MarginRect({10, 10, 10, 10}, 4961, 7016, 600), (SheetRect{236, 236, 4724, 6779}));
    EXPECT_EQ(printframe::MarginRect({5, 15, 0, 300}, 4961, 7016, 600), (SheetRect{118, 354, 4961, -70}));
}

TEST(PrintFrame, MarginsAreFourDecimalsWithoutBlanks) {
    using Margins = std::array<std::int32_t, 4>;
    EXPECT_EQ(printframe::ParseMargins("10,12,14,16"), (Margins{10, 12, 14, 16}));
    EXPECT_EQ(printframe::ParseMargins(" 1 0 , 2\t,-3,4x"), (Margins{10, 2, -3, 4}));
    EXPECT_EQ(printframe::ParseMargins("7,8"), (Margins{7, 8, 0, 0}));
    EXPECT_EQ(printframe::ParseMargins(""), (Margins{0, 0, 0, 0}));
}

TEST(PrintFrame, PointSizesBecomeNegativeHeightsAtThePrinterResolution) {
    EXPECT_EQ(printframe::FontHeightForPoints(9, 600), -75);
    EXPECT_EQ(printframe::FontHeightForPoints(10, 96), -13); // 13.33
    EXPECT_EQ(printframe::FontHeightForPoints(9, 1200), -150);
    EXPECT_EQ(printframe::FontHeightForPoints(0, 600), -1); // 0 would mean "no imposed height"
}

TEST(PrintFrame, HeaderAndFooterTakeTheirLinesBarsAndGaps) {
    const printframe::FrameLayout frame = printframe::MeasureFrame({236, 236, 4724, 6779}, -100);
    EXPECT_EQ(frame.fh, 100);
    EXPECT_EQ(frame.a, 11);
    EXPECT_EQ(frame.headerTop, 236);
    EXPECT_EQ(frame.headerBar, (SheetRect{236, 347, 4724, 358}));
    EXPECT_EQ(frame.footerTop, 6779 - 101);
    EXPECT_EQ(frame.footerBar, (SheetRect{236, 6657, 4724, 6668}));
    EXPECT_EQ(frame.inner, (SheetRect{236, 402, 4724, 6613}));
    EXPECT_TRUE(printframe::HasRoom(frame.inner));

    // Margins that meet, or a frame font taller than the page, leave nothing for the cells.
    EXPECT_FALSE(printframe::HasRoom(printframe::MeasureFrame({236, 236, 236, 6779}, -100).inner));
    EXPECT_FALSE(printframe::HasRoom(printframe::MeasureFrame({0, 0, 4961, 7016}, -4000).inner));
}

// One fixed column of 10 and one fixed row of 10 around the given scrolling sizes.
PrintGrid Grid(std::vector<int> widths, std::vector<int> heights, std::vector<bool> joins = {}) {
    PrintGrid grid;
    grid.columnWidths = std::move(widths);
    grid.rowHeights = std::move(heights);
    grid.fixedCols = 1;
    grid.fixedRows = 1;
    grid.joinsLeft = std::move(joins);
    grid.joinsLeft.resize(grid.columnWidths.size());
    return grid;
}

TEST(PageCutting, ColumnRunsFillThePageWithWholeColumns) {
    struct Case {
        const char* what;
        PrintGrid grid;
        int width;
        std::vector<PrintRun> runs;
    };
    const std::vector<Case> cases = {
        {"all fit", Grid({10, 30, 30, 30}, {10}), 100, {{1, 3}}},
        {"exactly full, then the rest", Grid({10, 30, 30, 30, 30}, {10}), 100, {{1, 3}, {4, 1}}},
        {"a column wider than the page is a run of one", Grid({10, 20, 500, 20}, {10}), 100, {{1, 1}, {2, 1}, {3, 1}}},
        {"a joining column never begins a page",
         Grid({10, 30, 30, 30, 30, 30}, {10}, {false, false, true, false, true, false}),
         100,
         {{1, 2}, {3, 3}}},
        {"joining columns ride with their owner when nothing else fits",
         Grid({10, 60, 60, 60}, {10}, {false, false, true, true}),
         100,
         {{1, 3}}},
        {"a joining first scrolling column still begins the first page",
         Grid({10, 60, 60, 60}, {10}, {false, true, false, false}),
         100,
         {{1, 1}, {2, 1}, {3, 1}}},
        {"fixed columns wider than the page", Grid({200, 10, 10}, {10}), 100, {{1, 1}, {2, 1}}},
        {"no scrolling column", Grid({10}, {10}), 100, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnRuns(c.grid, c.width), c.runs) << c.what;
    }
}

TEST(PageCutting, RowRunsFillThePageBelowTheFixedRows) {
    EXPECT_EQ(RowRuns(Grid({10}, {10, 10, 10, 10, 10, 10}), 35), (std::vector<PrintRun>{{1, 2}, {3, 2}, {5, 1}}));
    EXPECT_EQ(RowRuns(Grid({10}, {10, 10, 100, 10}), 35), (std::vector<PrintRun>{{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(RowRuns(Grid({10}, {10, 10, 10}), 1000), (std::vector<PrintRun>{{1, 2}}));
}

TEST(PageCutting, BlockRepeatsTheFixedRowsAndColumnsBeforeItsRuns) {
    const PrintGrid grid = Grid({10, 20, 30, 40}, {5, 6, 7, 8, 9});
    std::vector<std::pair<std::pair<int, int>, SheetRect>> cells;
    const SheetRect block =
        ForEachBlockCell(grid, {3, 2}, {2, 2}, 100, 200, [&](std::int32_t c, std::int32_t r, const SheetRect& rect) {
            cells.push_back({{c, r}, rect});
        });
    const std::vector<std::pair<std::pair<int, int>, SheetRect>> expected = {
        {{0, 0}, {100, 200, 110, 205}},
        {{2, 0}, {110, 200, 140, 205}},
        {{3, 0}, {140, 200, 180, 205}},
        {{0, 3}, {100, 205, 110, 213}},
        {{2, 3}, {110, 205, 140, 213}},
        {{3, 3}, {140, 205, 180, 213}},
        {{0, 4}, {100, 213, 110, 222}},
        {{2, 4}, {110, 213, 140, 222}},
        {{3, 4}, {140, 213, 180, 222}},
    };
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(block, (SheetRect{100, 200, 180, 222}));
    EXPECT_EQ(BlockRect(grid, {3, 2}, {2, 2}, 100, 200), block);
}

// A block whose size follows the font height: `perPixel` pixels of block height per pixel of |h|.
printframe::MeasureBlock
ScalingBlock(const SheetRect& inner, double perPixelHigh, double perPixelWide, std::vector<int>& asked) {
    return [=, &asked](std::int32_t h) -> std::optional<SheetRect> {
        asked.push_back(h);
        const int size = h < 0 ? -h : h;
        return SheetRect{inner.left,
                         inner.top,
                         inner.left + static_cast<int>(size * perPixelWide),
                         inner.top + static_cast<int>(size * perPixelHigh)};
    };
}

TEST(PrintFrame, ABlockTwiceAsHighHalvesTheFontOnTheFirstStep) {
    const SheetRect inner{0, 0, 1000, 750};
    std::vector<int> asked;
    // At −75 the block is 1500 high: twice the inner height.
    EXPECT_EQ(FitFontHeight(-75, inner, ScalingBlock(inner, 20.0, 5.0, asked)), 37);
    EXPECT_EQ(asked, (std::vector<int>{-75, 37}));

    asked.clear();
    EXPECT_EQ(FitFontHeight(-75, inner, ScalingBlock(inner, 10.0, 5.0, asked)), -75); // fits as it is
    EXPECT_EQ(asked, (std::vector<int>{-75}));
}

TEST(PrintFrame, FittingStopsAfterThreeStepsOrWhenTheSheetStops) {
    const SheetRect inner{0, 0, 100, 100};
    std::vector<int> asked;
    // A block that never shrinks below 200 wide: three steps, then the last height as it is.
    auto stubborn = [&](std::int32_t h) -> std::optional<SheetRect> {
        asked.push_back(h);
        return SheetRect{0, 0, 200, 10};
    };
    EXPECT_EQ(FitFontHeight(-80, inner, stubborn), 10);
    EXPECT_EQ(asked, (std::vector<int>{-80, 40, 20}));

    int calls = 0;
    auto stopped = [&](std::int32_t) -> std::optional<SheetRect> {
        ++calls;
        return std::nullopt;
    };
    EXPECT_EQ(FitFontHeight(-80, inner, stopped), std::nullopt);
    EXPECT_EQ(calls, 1);

    // A block without width or height counts as one pixel, and the height never reaches 0.
    EXPECT_EQ(printframe::ShrunkFontHeight(-80, inner, {0, 0, 0, 400}), 20);
    EXPECT_EQ(printframe::ShrunkFontHeight(-3, inner, {0, 0, 100000, 10}), 1);
}

} // namespace
