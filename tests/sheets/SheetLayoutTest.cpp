#include "SheetFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using sheetstest::RowLines;
using sheetstest::Sheet;
using sheetstest::SheetText;
using ::testing::ElementsAre;
using ::testing::ExitedWithCode;

constexpr int kChar = 7;  // width of a character in the default font with the fixed metrics
constexpr int kLine = 15; // height of a line

TEST(SheetLayout, WorkedExample) {
    Sheet sheet(SheetText("",
                          "",
                          {"{^HW}No.|{^HW}Mark",
                           ":(LoopFrom 3)",
                           "{^SHW(%CT_IntCh.CL_ChList_No[0])}000|{^SW(%CT_IntCh.CL_ChList_Atr[0])}PC",
                           ":(LoopTo)"}));
    const SheetLayout& layout = sheet.Build();
    EXPECT_THAT(RowLines(layout), ElementsAre(0, 2, 2, 2));
    ASSERT_EQ(layout.ColumnCount(), 2);
    EXPECT_EQ(layout.Slot(0, 0).Cell().DisplayText(), "No.");
    EXPECT_FALSE(layout.Slot(1, 0).Cell().Selectable());
    for (std::int32_t row = 1; row < 4; ++row) {
        const cmcCellObj& number = layout.Slot(0, row).Cell();
        EXPECT_EQ(number.Category(), 2);
        EXPECT_EQ(number.Kind(), 112);
        EXPECT_EQ(number.Index(), row - 1);
        EXPECT_TRUE(number.Selectable());
        EXPECT_EQ(layout.Slot(1, row).Cell().Kind(), 113);
        EXPECT_EQ(layout.Slot(1, row).Cell().Index(), row - 1);
        EXPECT_EQ(layout.RowHeight(row), kLine + 2);
    }
    EXPECT_EQ(layout.ColumnWidth(0), 3 * kChar + 8);
    EXPECT_EQ(layout.ColumnWidth(1), 4 * kChar + 8);
    EXPECT_EQ(layout.RowHeight(0), kLine + 2);
    EXPECT_EQ(layout.FirstSelectableColumn(), 0);
    EXPECT_EQ(layout.FirstSelectableRow(), 1);
}

TEST(SheetLayout, LoopsAndTheirEdges) {
    const struct {
        const char* name;
        std::vector<std::string> cells;
        std::vector<std::int32_t> lines;
    } cases[] = {
        {"two-line body", {":(LoopFrom 3)", "a", "b", ":(LoopTo)", "c"}, {1, 2, 1, 2, 1, 2, 4}},
        {"count 0 is once", {":(LoopFrom 0)", "a", ":(LoopTo)"}, {1}},
        {"count -2 is once", {":(LoopFrom -2)", "a", ":(LoopTo)"}, {1}},
        {"blanks before the count", {":(LoopFrom   2)", "a", ":(LoopTo)"}, {1, 1}},
        {"no count does nothing", {":(LoopFrom)", "a", ":(LoopTo)", ":(LoopFrom )", "b", ":(LoopTo)"}, {1, 4}},
        {"without LoopTo the body is once", {":(LoopFrom 5)", "a", "b"}, {1, 2}},
        {"LoopTo without a loop is ignored", {":(LoopTo)", "a", ":(LoopFrom 2)", "b", ":(LoopTo)"}, {1, 3, 3}},
        {"a second LoopFrom restarts", {":(LoopFrom 4)", "a", ":(LoopFrom 2)", "b", ":(LoopTo)"}, {1, 3, 3}},
        {"unknown directives and text", {":x(Bogus 3)y(LoopFrom 2", "a", ":(LoopTo"}, {1, 1}},
        {"empty body", {":(LoopFrom 9)(LoopTo)", "a"}, {1}},
    };
    for (const auto& c : cases) {
        Sheet sheet(SheetText("", "", c.cells));
        EXPECT_EQ(RowLines(sheet.Build()), c.lines) << c.name;
    }
}

TEST(SheetLayout, RepeatRowsCopyButTwoLineBodiesAreReadAgain) {
    Sheet one(SheetText("", "", {":(LoopFrom 3)", "{H(@ch0++)(%CL_ChList_No[@ch0])}n\\(@ch0)", ":(LoopTo)"}));
    const SheetLayout& single = one.Build();
    for (std::int32_t row = 0; row < 3; ++row) {
        EXPECT_EQ(single.Slot(0, row).Cell().Index(), 1 + row);
        EXPECT_EQ(single.Slot(0, row).Cell().DisplayText(), "n1");
    }
    EXPECT_EQ(single.LoopVars()[0], 1);

    Sheet two(SheetText("", "", {":(LoopFrom 2)", "{(@ch0++)}n\\(@ch0)", "x", ":(LoopTo)"}));
    const SheetLayout& pair = two.Build();
    EXPECT_EQ(pair.Slot(0, 0).Cell().DisplayText(), "n1");
    EXPECT_EQ(pair.Slot(0, 2).Cell().DisplayText(), "n2");
}

TEST(SheetLayout, EmptyLinesAndShortLinesKeepDefaultCells) {
    Sheet sheet(SheetText("", "{S(Color=clRed)}", {"{W}a|{W}bb|c", "", "x"}));
    const SheetLayout& layout = sheet.Build();
    ASSERT_EQ(layout.RowCount(), 3);
    ASSERT_EQ(layout.ColumnCount(), 3);
    EXPECT_EQ(layout.RowHeight(1), 1);
    EXPECT_EQ(layout.Slot(0, 1).Cell().Color(), 0x80000005U) << "cells of an empty line are default cells";
    EXPECT_FALSE(layout.Slot(0, 1).Cell().Selectable());
    EXPECT_EQ(layout.Slot(0, 2).Cell().Color(), 0x0000FFU);
    EXPECT_EQ(layout.Slot(1, 2).Cell().Color(), 0x80000005U);
    EXPECT_EQ(layout.ColumnWidth(1), 2 * kChar + 8);
    EXPECT_EQ(layout.ColumnWidth(2), 1) << "a column no cell widens stays one unit wide";
    EXPECT_EQ(layout.FirstSelectableColumn(), 0);
}

TEST(SheetLayout, MultiLineTextAndFontsSizeTheirCells) {
    Sheet sheet(SheetText("", "", {"{WH}one\\ntwo\\nthree|{WH(Font=,,,-24)}ab"}));
    const SheetLayout& layout = sheet.Build();
    EXPECT_EQ(layout.ColumnWidth(0), 5 * kChar + 8);
    EXPECT_EQ(layout.ColumnWidth(1), 2 * (24 * 3 / 5) + 8);
    EXPECT_EQ(layout.RowHeight(0), 3 * kLine + 2);
}

TEST(SheetLayout, StyleProperties) {
    Sheet sheet(SheetText("junk(TitleString=)(TitleString=Hello (world)(TitleColor=clRed)(TitleFont=,,,-30)"
                          "(FixedCols=9)(FixedRows=-3)(NoPrint)(PrintFontRatio=80)(MultiSelect=Line)(Unknown=1",
                          "",
                          {"a|b", "c"}));
    const SheetLayout& layout = sheet.Build();
    EXPECT_EQ(layout.TitleString(), "Hello (world");
    EXPECT_EQ(layout.TitleColor(), 0x0000FFU);
    ASSERT_NE(layout.TitleFont(), nullptr);
    EXPECT_EQ(layout.TitleFont()->height, -30);
    EXPECT_EQ(layout.FixedCols(), 1);
    EXPECT_EQ(layout.FixedRows(), 0);
    EXPECT_FALSE(layout.Printable());
    EXPECT_EQ(layout.PrintFontRatio(), 80);
    EXPECT_EQ(layout.MultiSelect(), SheetLayout::kMultiLines);

    const struct {
        const char* style;
        std::uint8_t mode;
        bool printable;
    } cases[] = {{"(MultiSelect=Cell)", 1, true},
                 {"(MultiSelect=cell)", 0, true},
                 {"(MultiSelect)", 0, true},
                 {"(MultiSelect=Line)(MultiSelect=x)", 0, true},
                 {"(NoPrint )", 0, true},
                 {"", 0, true}};
    for (const auto& c : cases) {
        Sheet other(SheetText(c.style, "", {"a"}));
        EXPECT_EQ(other.Build().MultiSelect(), c.mode) << c.style;
        EXPECT_EQ(other.layout.Printable(), c.printable) << c.style;
        EXPECT_FALSE(other.layout.TitleString().has_value());
        EXPECT_EQ(other.layout.TitleColor(), 0x80000011U);
    }
}

TEST(SheetLayout, MultiSelectionBitsFollowModeAndSelectOn) {
    Sheet sheet(SheetText("(MultiSelect=Cell)", "", {":(SelectOFF)", "h|h", ":(SelectON)", "{S}a|b"}));
    const SheetLayout& layout = sheet.Build();
    EXPECT_FALSE(layout.Slot(0, 0).MultiSelectable());
    EXPECT_FALSE(layout.Rows()[0].RowSelectOn);
    EXPECT_TRUE(layout.Slot(0, 1).MultiSelectable());
    EXPECT_TRUE(layout.Slot(1, 1).MultiSelectable());

    Sheet off(SheetText("", "", {"a"}));
    EXPECT_FALSE(off.Build().Slot(0, 0).MultiSelectable()) << "mode off: no cell may join";
}

TEST(SheetLayout, BasicCellFonts) {
    const struct {
        const char* name;
        std::int32_t percentage;
        std::int32_t printHeight;
        bool printing;
        const char* style;
        std::int32_t height;
    } cases[] = {
        {"display 100%", 100, 0, false, "", -12},
        {"display 150%", 150, 0, false, "", -18},
        {"display 25%", 25, 0, false, "", -3},
        {"print height", 150, -40, false, "", -40},
        {"print ratio", 100, -40, true, "(PrintFontRatio=50)", -20},
        {"ratio only when printing", 100, 0, false, "(PrintFontRatio=50)", -12},
    };
    for (const auto& c : cases) {
        Sheet sheet(SheetText(c.style, "{(Color=clAqua)}", {"{W}ab"}));
        sheet.layout.SetFontPercentage(c.percentage);
        sheet.layout.SetPrintFontHeight(c.printHeight);
        sheet.layout.SetForPrinting(c.printing);
        const SheetLayout& layout = sheet.Build();
        ASSERT_NE(layout.BasicCell().Font(), nullptr) << c.name;
        EXPECT_EQ(layout.BasicCell().Font()->height, c.height) << c.name;
        EXPECT_EQ(layout.BasicCell().Color(), 0xFFFF00U) << c.name;
        EXPECT_EQ(layout.Slot(0, 0).Cell().Font(), nullptr) << c.name;
    }
}

TEST(SheetLayout, CellRectanglesAndJoinedCells) {
    Sheet sheet(SheetText("", "", {"{WH}ab|{+W}c|{+}|{W}d", "{H}x\\ny"}));
    const SheetLayout& layout = sheet.Build();
    const int a = 2 * kChar + 8;
    const int c = kChar + 8;
    const int d = kChar + 8;
    EXPECT_EQ(layout.TotalWidth(), a + c + 1 + d);
    EXPECT_EQ(layout.TotalHeight(), (kLine + 2) + (2 * kLine + 2));
    EXPECT_EQ(layout.CellRectOf(1, 1), (SheetRect{a, kLine + 2, a + c, 3 * kLine + 4}));
    EXPECT_EQ(layout.DrawingRect(0, 0), (SheetRect{0, 0, a + c + 1, kLine + 2}));
    EXPECT_EQ(layout.DrawingRect(3, 0), layout.CellRectOf(3, 0));
    EXPECT_EQ(layout.DrawingRect(0, 1), layout.CellRectOf(0, 1)) << "the second row joins nothing";
}

TEST(SheetLayout, PrinterScaleWidensTheMargins) {
    Sheet sheet(SheetText("", "", {"{WH}ab", "c"}));
    sheet.layout.SetScale(5);
    const SheetLayout& layout = sheet.Build();
    EXPECT_EQ(layout.ColumnWidth(0), 2 * kChar + 8 * 5);
    EXPECT_EQ(layout.RowHeight(0), kLine + 2 * 5);
    EXPECT_EQ(layout.RowHeight(1), 5);
}

// Counts the hook calls a subclass sees.
class HookedLayout final : public SheetLayout {
public:
    using SheetLayout::SheetLayout;
    int rows = 0;
    int cells = 0;

protected:
    void RowHook(std::int32_t /*row*/) override { ++rows; }
    void CellHook(std::int32_t /*column*/, std::int32_t /*row*/) override { ++cells; }
};

TEST(SheetLayout, HooksRunPerRowAndPerCell) {
    Sheet<HookedLayout> sheet(SheetText("", "", {"a|b", ":(LoopFrom 2)", "c", ":(LoopTo)"}));
    sheet.Build();
    EXPECT_EQ(sheet.layout.rows, 3);
    EXPECT_EQ(sheet.layout.cells, 2 + 1 + 2) << "parsed cells and both cells of the repeat row";
}

TEST(SheetLayout, MalformedInputStaysBounded) {
    // A huge loop count, a line of thousands of cells and an 8000-byte line are cut to the limits.
    Sheet huge(SheetText("", "", {":(LoopFrom 2147483647)", "a", ":(LoopTo)"}));
    EXPECT_EQ(huge.Build().RowCount(), SheetLayout::kMaxCells);

    Sheet wide(SheetText("", "", {std::string(5000, '|'), std::string(8000, 'x')}));
    const SheetLayout& layout = wide.Build();
    EXPECT_EQ(layout.ColumnCount(), SheetLayout::kMaxColumns);
    EXPECT_EQ(layout.RowCount(), 2);
    EXPECT_EQ(layout.Slot(0, 1).Cell().DisplayText().size(), 8000U);

    Sheet braces(SheetText("({(", "{(", {"{(%CL_Null[)}|{{{|}}}|\\", ":((((", "(((|)))"}));
    EXPECT_EQ(braces.Build().ColumnCount(), 4);

    // A loop with an empty body adds nothing, whatever its count.
    Sheet empty(SheetText("", "", {":(LoopFrom 2147483647)(LoopTo)", "a", ":(LoopFrom 2147483647)", ":(LoopTo)"}));
    EXPECT_EQ(empty.Build().RowCount(), 1);
}

// Absurd font sizes in the widest and the tallest grid: every rectangle stays inside the sheet, the
// last one ends at its edge.
TEST(SheetLayout, AbsurdFontSizesKeepCellRectanglesInRange) {
    const std::string big = "(Font=,,,99999999,,,)";
    std::string wide = "{WH" + big + "}x";
    for (int i = 1; i < SheetLayout::kMaxColumns; ++i) {
        wide += "|{+W" + big + "}x";
    }
    Sheet widest(SheetText("", "", {wide}));
    const SheetLayout& w = widest.Build();
    const std::int32_t last = w.ColumnCount() - 1;
    ASSERT_EQ(last, SheetLayout::kMaxColumns - 1);
    const SheetRect right = w.CellRectOf(last, 0);
    EXPECT_GT(right.left, 0);
    EXPECT_GT(right.Width(), 0);
    EXPECT_EQ(right.right, w.TotalWidth());
    EXPECT_EQ(w.DrawingRect(0, 0).right, w.TotalWidth()) << "every cell after the first joins it";
    EXPECT_GT(w.RowHeight(0), 0);

    Sheet tallest(SheetText("", "", {":(LoopFrom 99999)", "{H" + big + "}x", ":(LoopTo)"}));
    const SheetLayout& t = tallest.Build();
    ASSERT_EQ(t.RowCount(), SheetLayout::kMaxCells);
    const SheetRect bottom = t.CellRectOf(0, t.RowCount() - 1);
    EXPECT_GT(bottom.top, 0);
    EXPECT_GT(bottom.Height(), 0);
    EXPECT_EQ(bottom.bottom, t.TotalHeight());
}

TEST(SheetLayoutDeath, NoCellsIsIllegal) {
    const struct {
        const char* name;
        std::vector<std::string> cells;
    } cases[] = {
        {"first line ends the list", {}},
        {"only directives", {":(SelectOFF)", ":(LoopFrom 2)", ":(LoopTo)"}},
        {"only empty lines", {"", ""}},
    };
    for (const auto& c : cases) {
        Sheet sheet(SheetText("", "", c.cells));
        EXPECT_EXIT(sheet.Build(), ExitedWithCode(3), "Illegal Cell assign") << c.name;
    }
}

TEST(SheetLayoutDeath, SlotOutsideTheGridAndMissingSections) {
    Sheet sheet(SheetText("", "", {"a|b"}));
    const SheetLayout& layout = sheet.Build();
    EXPECT_EXIT(layout.Slot(2, 0), ExitedWithCode(3), "Illegal Cell selection");
    EXPECT_EXIT(layout.Slot(0, -1), ExitedWithCode(3), "Illegal Cell selection");

    Sheet missing("#S_Style\n\n#End_Of_Ovl\n");
    EXPECT_EXIT(missing.Build(), ExitedWithCode(3), "The index 'S_BasicCell' was not found");
    Sheet unclosed("#S_Style\n\n#S_BasicCell\n\n#S_Cells\na\n");
    EXPECT_EXIT(unclosed.Build(), ExitedWithCode(3), "The index 'S_Cells' was not found");
}

} // namespace
