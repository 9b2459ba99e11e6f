// Cursor search, multi-selection and related-cell scopes on laid-out sheets, without widgets.
#include "SheetFixture.h"
#include "sheets/CellRelations.h"
#include "sheets/SheetCursorSearch.h"
#include "sheets/SheetSelection.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using sheetstest::Sheet;
using sheetstest::SheetText;

// S marks a selectable cell, . one that is not.
std::string Grid(const std::vector<std::string>& rows, const std::string& style = "") {
    std::vector<std::string> cells;
    for (const auto& row : rows) {
        std::string line;
        for (char mark : row) {
            line += std::string(line.empty() ? "" : "|") + (mark == 'S' ? "{SW}x" : "{W}x");
        }
        cells.push_back(line);
    }
    return SheetText(style, "{<-}", cells);
}

TEST(SheetCursorSearch, StraightSideAndWrap) {
    Sheet<> sheet(Grid({
        "S.S.", // row 0
        "....", // row 1
        ".S..", // row 2
        "S..S", // row 3
    }));
    const SheetLayout& layout = sheet.Build();
    const SheetCursorSearch search{layout};
    // Straight on past cells that are not selectable.
    EXPECT_EQ(search.Move({0, 0}, 1, 0), (GridPos{2, 0}));
    EXPECT_EQ(search.Move({0, 0}, 0, 1), (GridPos{0, 3}));
    // Up from (3, 3): nothing straight above, so the nearest selectable cell of the nearest row above.
    EXPECT_EQ(search.Move({3, 3}, 0, -1), (GridPos{1, 2}));
    // Left from (1, 2): column 0 has cells at rows 0 and 3; row 3 is nearer.
    EXPECT_EQ(search.Move({1, 2}, -1, 0), (GridPos{0, 3}));
    // Nothing further left at all: stays.
    EXPECT_EQ(search.Move({0, 3}, -1, 0), (GridPos{0, 3}));
    // A horizontal move wins over a vertical one; steps count selectable cells.
    EXPECT_EQ(search.Move({0, 0}, 1, 1), (GridPos{2, 0}));
    EXPECT_EQ(search.Move({0, 0}, 0, 10), (GridPos{0, 3}));
    // Without the side search (pop-up lists) a failed straight search stays.
    const SheetCursorSearch listSearch{layout, false, false};
    EXPECT_EQ(listSearch.Move({3, 3}, 0, -1), (GridPos{3, 3}));
    // Wrap mode runs around, and fails only on coming back to the start.
    const SheetCursorSearch wrap{layout, true, false};
    EXPECT_EQ(wrap.Move({0, 3}, 0, 1), (GridPos{0, 0}));
    EXPECT_EQ(wrap.Move({1, 2}, 0, 1), (GridPos{1, 2}));
}

TEST(SheetCursorSearch, PageDownCountsSelectableCells) {
    std::vector<std::string> rows(30, "S");
    rows[3] = ".";
    rows[4] = ".";
    Sheet<> sheet(Grid(rows));
    const SheetCursorSearch search{sheet.Build()};
    EXPECT_EQ(search.Move({0, 0}, 0, 10), (GridPos{0, 12}));
    EXPECT_EQ(search.Move({0, 25}, 0, 10), (GridPos{0, 29})); // as far as possible
}

struct SelectionFixture : ::testing::Test {
    SelectionFixture()
        : sheet(SheetText("(FixedCols=1)(MultiSelect=Line)",
                          "{<-(%CT_IntCh.)}",
                          {"{W}h|{W}h|{W}h",
                           ":(SelectON)(LoopFrom 9)",
                           "{W}n|{SW(%CL_ChList_No[0])}a|{SW(%CL_ChList_Atr[0])}b",
                           ":(LoopTo)"})),
          layout(sheet.Build()), selection(layout, [this](GridPos pos) {
              repainted.insert({pos.column, pos.row});
          }) {}

    std::set<std::pair<int, int>> SelectedRows() const {
        std::set<std::pair<int, int>> result;
        for (std::int32_t r = 0; r < layout.RowCount(); ++r) {
            for (std::int32_t c = 0; c < layout.ColumnCount(); ++c) {
                if (layout.Slot(c, r).Selected()) {
                    result.insert({c, r});
                }
            }
        }
        return result;
    }

    Sheet<> sheet;
    SheetLayout& layout;
    std::set<std::pair<int, int>> repainted;
    SheetSelection selection;
};

TEST_F(SelectionFixture, ShiftExtendsFromTheAnchorAndAPlainMoveDrops) {
    selection.Update({1, 5}, {1, 5}, false);
    selection.Update({1, 5}, {1, 6}, true);
    selection.Update({1, 6}, {1, 7}, true);
    EXPECT_TRUE(selection.Exists());
    EXPECT_EQ(selection.Anchor(), (GridPos{1, 5}));
    EXPECT_EQ(SelectedRows(), (std::set<std::pair<int, int>>{{1, 5}, {1, 6}, {1, 7}}));
    // Line mode marks the whole of each selected row from the first scrolling column.
    EXPECT_TRUE(layout.Slot(2, 6).LineMarked());
    EXPECT_FALSE(layout.Slot(0, 6).LineMarked());
    EXPECT_TRUE(repainted.count({2, 7}) > 0);
    // Shrinking back toward the anchor unselects the far row.
    selection.Update({1, 7}, {1, 6}, true);
    EXPECT_EQ(SelectedRows(), (std::set<std::pair<int, int>>{{1, 5}, {1, 6}}));
    // A plain move drops the selection and selects only the new cell.
    selection.Update({1, 6}, {1, 8}, false);
    EXPECT_FALSE(selection.Exists());
    EXPECT_EQ(SelectedRows(), (std::set<std::pair<int, int>>{{1, 8}}));
    EXPECT_FALSE(layout.Slot(2, 6).LineMarked());
}

TEST_F(SelectionFixture, RangeAndAnAnchorOffTheGrid) {
    // Indexes of column 1: row r holds Index r − 1.
    selection.Update({1, 3}, {1, 3}, false);
    selection.Update({1, 3}, {1, 5}, true);
    EXPECT_EQ(selection.Range({1, 5}), (std::pair<std::int32_t, std::int32_t>{2, 4}));
    // An answer selects Index 1 to 3 of the cells of the current kind: anchored at the far end.
    selection.SelectRange({1, 2}, layout.Slot(1, 2).Cell().Kind(), 1, 3, 1);
    EXPECT_EQ(SelectedRows(), (std::set<std::pair<int, int>>{{1, 2}, {1, 3}, {1, 4}}));
    EXPECT_EQ(selection.Anchor(), (GridPos{1, 4}));
    // A range end that no cell holds anchors at the current row.
    selection.SelectRange({1, 2}, layout.Slot(1, 2).Cell().Kind(), 1, 50, 1);
    EXPECT_EQ(selection.Anchor(), (GridPos{1, 2}));
    EXPECT_EQ(selection.Range({1, 2}), (std::pair<std::int32_t, std::int32_t>{1, 1}));
}

TEST(CellRelations, ScopeBits) {
    cmcCellObj c;
    c.SetCategory(2);
    c.SetKind(10);
    c.SetIndex(5);
    auto cell = [](int category, int kind, int index) {
        cmcCellObj p;
        p.SetCategory(category);
        p.SetKind(kind);
        p.SetIndex(index);
        return p;
    };
    EXPECT_TRUE(IsRelatedCell(c, cell(3, 10, 5), 1 << 0));
    EXPECT_FALSE(IsRelatedCell(c, cell(2, 10, 6), 1 << 0));
    EXPECT_TRUE(IsRelatedCell(c, cell(2, 11, 9), 1 << 1));
    EXPECT_TRUE(IsRelatedCell(c, cell(3, 10, 9), 1 << 2));
    EXPECT_TRUE(IsRelatedCell(c, cell(3, 11, 5), 1 << 3));
    EXPECT_FALSE(IsRelatedCell(c, cell(3, cmcCellObj::kNoKind, 5), 1 << 3));
    EXPECT_TRUE(IsRelatedCell(c, cell(2, 11, 4), 1 << 4));
    EXPECT_FALSE(IsRelatedCell(c, cell(2, 11, 7), 1 << 4));
    EXPECT_TRUE(IsRelatedCell(c, cell(0, 0, 0), 1 << 5));
    EXPECT_TRUE(IsRelatedCell(c, cell(0, 1, 5), 1 << 6));
    EXPECT_FALSE(IsRelatedCell(c, cell(0, 1, 4), 1 << 6));
    EXPECT_TRUE(IsRelatedCell(c, cell(0, 1, 4), 1 << 7));
    EXPECT_FALSE(IsRelatedCell(c, cell(3, 11, 5), 0));
}

} // namespace
