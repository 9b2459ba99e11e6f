#pragma once

#include "sheets/SheetRect.h"
#include "sheets/clsSheeRowAtr.h"
#include "sheets/clsSheetCellId.h"
#include "sheets/cmcCellObj.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IDefinitionSource;
namespace platform {
class IFontMetrics;
}

// The layout of one sheet, without widgets: reads the sheet's three sections <S>_Style, <S>_BasicCell
// and <S>_Cells, applies the style, builds the basic cell, counts the rows and columns (row table, loops,
// multi-selection flags), creates every cell and sizes columns and rows. Geometry only, no painting;
// the sheet widget and printing build on it.
//
// Definition errors end the process through platform::Fault: "Illegal Cell assign" (no cell line or no
// cell on any), and the faults of the cell notation and of the overlay.
class SheetLayout {
public:
    // Multi-selection modes of the "MultiSelect" style property.
    enum MultiSelectMode : std::uint8_t { kMultiOff = 0, kMultiCells = 1, kMultiLines = 2 };

    // Limits that keep a malformed definition from exhausting memory: cells beyond kMaxColumns on a line
    // are not used, and rows are cut so that columns × rows stays within kMaxCells.
    static constexpr std::int32_t kMaxColumns = 1024;
    static constexpr std::int64_t kMaxCells = 1 << 16;
    // The widest column and the tallest row, in pixels: any sum of sizes along a row or a column of the
    // largest grid fits an int, whatever font size a definition asks for.
    static constexpr int kMaxCellPixels = 32767;
    static_assert(kMaxCells * kMaxCellPixels <= INT32_MAX);

    // `source` gives the sections, `metrics` measures texts; neither is owned.
    SheetLayout(IDefinitionSource& source, std::string key, platform::IFontMetrics& metrics);
    virtual ~SheetLayout();
    SheetLayout(const SheetLayout&) = delete;
    SheetLayout& operator=(const SheetLayout&) = delete;

    // Set before Build. Scale: pixels per layout unit (1 on screen). Print font height: imposed when
    // printing (0: none). Font percentage: the user's display font size (25 to 1000). For printing: the
    // style's PrintFontRatio applies to the basic font.
    void SetScale(int scale) { m_scale = scale < 1 ? 1 : scale; }
    void SetPrintFontHeight(std::int32_t height) { m_printFontHeight = height; }
    void SetFontPercentage(std::int32_t percentage) { m_fontPercentage = percentage; }
    void SetForPrinting(bool printing) { m_forPrinting = printing; }

    // Reads the style, then the cells. Call once.
    void Build();

    const std::string& Key() const { return m_key; }
    int Scale() const { return m_scale; }

    // Style.
    const std::optional<std::string>& TitleString() const { return m_titleString; }
    const platform::FontDesc* TitleFont() const { return m_titleFont.get(); }
    std::uint32_t TitleColor() const { return m_titleColor; }
    // FixedCols and FixedRows limited to the grid (at most count − 1, at least 0).
    std::int32_t FixedCols() const;
    std::int32_t FixedRows() const;
    bool Printable() const { return !m_noPrint; }
    std::int32_t PrintFontRatio() const { return m_printFontRatio; }
    std::uint8_t MultiSelect() const { return m_multiSelect; }

    // Grid.
    std::int32_t ColumnCount() const { return m_columnCount; }
    std::int32_t RowCount() const { return m_rowCount; }
    const SheetRowTable& Rows() const { return m_rows; }
    const cmcCellObj& BasicCell() const { return m_basicCell; }
    // The slot at (column, row); a position outside the grid is the fault "Illegal Cell selection".
    clsSheetCellId& Slot(std::int32_t column, std::int32_t row);
    const clsSheetCellId& Slot(std::int32_t column, std::int32_t row) const;
    int ColumnWidth(std::int32_t column) const { return m_columnWidths.at(static_cast<std::size_t>(column)); }
    int RowHeight(std::int32_t row) const { return m_rowHeights.at(static_cast<std::size_t>(row)); }
    // Sum of all column widths and of all row heights.
    std::int64_t TotalWidth() const;
    std::int64_t TotalHeight() const;
    // The rectangle of (column, row) with the grid's origin at (0, 0).
    SheetRect CellRectOf(std::int32_t column, std::int32_t row) const;
    // The rectangle a cell is drawn in: its own, widened to the right over the JoinLeft cells that
    // continue it. A position outside the grid is the fault "Illegal Cell selection".
    SheetRect DrawingRect(std::int32_t column, std::int32_t row) const;
    // The smallest column and row holding a Selectable cell (each taken alone); −1 when there is none.
    std::int32_t FirstSelectableColumn() const { return m_firstSelectableColumn; }
    std::int32_t FirstSelectableRow() const { return m_firstSelectableRow; }
    const LoopVarArray& LoopVars() const { return m_loopVars; }

protected:
    // Operation 3: one style property (the text of one "( ... )" group of the style line).
    virtual void ApplyStyleProperty(std::string_view property);
    // Operation 4: one directive of a ':' line of the cell list, read at line `line`.
    virtual void ApplyDirective(std::string_view directive, std::int32_t line);
    // Operation 5: basic cell, counting pass, slots, default sizes, instantiation pass.
    void ReadCells();
    // Operation 6: builds the basic cell from <S>_BasicCell with the font groups appended.
    virtual void BuildBasicCell();
    // Operation 7: the counting pass over <S>_Cells.
    virtual void CountingPass();
    // Operation 8: the instantiation pass over <S>_Cells.
    virtual void InstantiationPass();
    // Operation 9: called once per row before its cells; does nothing here.
    virtual void RowHook(std::int32_t row);
    // Operation 10: called once per cell before it is built; does nothing here.
    virtual void CellHook(std::int32_t column, std::int32_t row);
    // Called after each cell of the instantiation pass was built or copied; does nothing here.
    virtual void CellDone(cmcCellObj& cell);

    // Counting-pass state for subclasses' directives.
    void OpenLoop(std::int32_t line, std::int32_t count);
    void SetSkipCount(std::int32_t count) { m_skipCount = count; }
    IDefinitionSource& Source() { return m_source; }
    void SetTitleString(std::optional<std::string> title) { m_titleString = std::move(title); }
    void SetTitleFont(std::unique_ptr<platform::FontDesc> font) { m_titleFont = std::move(font); }
    std::string SectionKey(std::string_view suffix) const { return m_key + std::string(suffix); }

private:
    void ApplyStyleLine(std::string_view line);
    void CountCellLine(std::int32_t line, std::string_view text);
    void CloseLoopIfComplete();
    void BuildRow(std::int32_t row, std::int32_t line);
    void RepeatRow(std::int32_t row);
    void MeasureCell(const cmcCellObj& cell, std::int32_t column, std::int32_t row);

    IDefinitionSource& m_source;
    std::string m_key;
    platform::IFontMetrics& m_metrics;
    int m_scale = 1;
    std::int32_t m_printFontHeight = 0;
    std::int32_t m_fontPercentage = 100;
    bool m_forPrinting = false;

    std::optional<std::string> m_titleString;
    std::unique_ptr<platform::FontDesc> m_titleFont;
    std::uint32_t m_titleColor = 0x80000011;
    std::int32_t m_fixedCols = 0;
    std::int32_t m_fixedRows = 0;
    bool m_noPrint = false;
    std::int32_t m_printFontRatio = 100;
    std::uint8_t m_multiSelect = kMultiOff;

    // Counting-pass state.
    SheetRowTable m_rows;
    std::int32_t m_skipCount = 0;
    std::int32_t m_loopStart = -1;
    std::int32_t m_loopEnd = -1;
    std::int32_t m_loopCount = -1;
    std::int32_t m_loopBody = 0;
    bool m_selectOn = true;

    std::int32_t m_columnCount = 0;
    std::int32_t m_rowCount = 0;
    LoopVarArray m_loopVars{};
    cmcCellObj m_basicCell;
    std::vector<clsSheetCellId> m_slots; // row-major
    std::vector<int> m_columnWidths;
    std::vector<int> m_rowHeights;
    std::int32_t m_firstSelectableColumn = -1;
    std::int32_t m_firstSelectableRow = -1;
};
