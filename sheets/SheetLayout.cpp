#include "sheets/SheetLayout.h"

#include "overlay/DefinitionSource.h"
#include "platform/Fault.h"
#include "sheets/ColourNames.h"
#include "sheets/DefinitionGroups.h"
#include "sheets/FontDefinition.h"
#include "sheets/ReadDecimal.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

using sheets::StartsWith;
using sheets::ValueOf;

} // namespace

SheetLayout::SheetLayout(IDefinitionSource& source, std::string key, platform::IFontMetrics& metrics)
    : m_source(source), m_key(std::move(key)), m_metrics(metrics) {}

SheetLayout::~SheetLayout() = default;

void SheetLayout::Build() {
    ApplyStyleLine(m_source.GetLine(SectionKey("_Style"), 0));
    ReadCells();
}

void SheetLayout::ApplyStyleLine(std::string_view line) {
    ForEachGroup(line, [this](std::string_view property) { ApplyStyleProperty(property); });
}

void SheetLayout::ApplyStyleProperty(std::string_view property) {
    const auto value = ValueOf(property);
    if (StartsWith(property, "TitleString")) {
        if (value && !value->empty()) {
            m_titleString = std::string(*value);
        }
    } else if (StartsWith(property, "TitleColor")) {
        if (const auto colour = value ? sheets::LookupColour(*value) : std::nullopt) {
            m_titleColor = *colour;
        }
    } else if (StartsWith(property, "TitleFont")) {
        if (value) {
            m_titleFont = std::make_unique<platform::FontDesc>();
            sheets::ApplyFont(*value, *m_titleFont);
        }
    } else if (StartsWith(property, "FixedCols")) {
        if (value) {
            m_fixedCols = sheets::ReadDecimal(*value);
        }
    } else if (StartsWith(property, "FixedRows")) {
        if (value) {
            m_fixedRows = sheets::ReadDecimal(*value);
        }
    } else if (property == "NoPrint") {
        m_noPrint = true;
    } else if (StartsWith(property, "PrintFontRatio")) {
        if (value) {
            m_printFontRatio = sheets::ReadDecimal(*value);
        }
    } else if (StartsWith(property, "MultiSelect")) {
        m_multiSelect = !value             ? kMultiOff
                        : *value == "Cell" ? kMultiCells
                        : *value == "Line" ? kMultiLines
                                           : kMultiOff;
    }
}

std::int32_t SheetLayout::FixedCols() const {
    return std::clamp(m_fixedCols, 0, std::max(0, m_columnCount - 1));
}

std::int32_t SheetLayout::FixedRows() const {
    return std::clamp(m_fixedRows, 0, std::max(0, m_rowCount - 1));
}

void SheetLayout::ReadCells() {
    BuildBasicCell();
    CountingPass();
    m_slots.assign(static_cast<std::size_t>(m_columnCount) * static_cast<std::size_t>(m_rowCount), {});
    m_columnWidths.assign(static_cast<std::size_t>(m_columnCount), std::min(m_scale, kMaxCellPixels));
    m_rowHeights.assign(static_cast<std::size_t>(m_rowCount), std::min(m_scale, kMaxCellPixels));
    InstantiationPass();
}

void SheetLayout::BuildBasicCell() {
    std::string line = m_source.GetLine(SectionKey("_BasicCell"), 0);
    if (m_printFontHeight != 0) {
        line += "{(Font=,,," + std::to_string(m_printFontHeight) + ",,,)}";
    } else {
        line += "{(Font=,,,%" + std::to_string(m_fontPercentage) + ",,,)}";
    }
    if (m_forPrinting && m_printFontRatio != 100) {
        line += "{(Font=,,,%" + std::to_string(m_printFontRatio) + ",,,)}";
    }
    m_basicCell.Parse(line, nullptr, nullptr, m_source);
}

clsSheetCellId& SheetLayout::Slot(std::int32_t column, std::int32_t row) {
    return const_cast<clsSheetCellId&>(std::as_const(*this).Slot(column, row));
}

const clsSheetCellId& SheetLayout::Slot(std::int32_t column, std::int32_t row) const {
    if (column < 0 || row < 0 || column >= m_columnCount || row >= m_rowCount || m_slots.empty()) {
        platform::Fault("Illegal Cell selection");
    }
    return m_slots[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columnCount) +
                   static_cast<std::size_t>(column)];
}

std::int64_t SheetLayout::TotalWidth() const {
    return std::accumulate(m_columnWidths.begin(), m_columnWidths.end(), std::int64_t{0});
}

std::int64_t SheetLayout::TotalHeight() const {
    return std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), std::int64_t{0});
}

SheetRect SheetLayout::CellRectOf(std::int32_t column, std::int32_t row) const {
    (void)Slot(column, row); // faults outside the grid
    const auto left = std::accumulate(m_columnWidths.begin(), m_columnWidths.begin() + column, std::int64_t{0});
    const auto top = std::accumulate(m_rowHeights.begin(), m_rowHeights.begin() + row, std::int64_t{0});
    // No size exceeds kMaxCellPixels, so the sums fit for every grid the limits allow.
    return {static_cast<int>(left),
            static_cast<int>(top),
            static_cast<int>(left + ColumnWidth(column)),
            static_cast<int>(top + RowHeight(row))};
}

SheetRect SheetLayout::DrawingRect(std::int32_t column, std::int32_t row) const {
    SheetRect rect = CellRectOf(column, row);
    for (std::int32_t next = column + 1; next < m_columnCount && Slot(next, row).Cell().JoinLeft(); ++next) {
        rect.right += ColumnWidth(next);
    }
    return rect;
}

void SheetLayout::RowHook(std::int32_t /*row*/) {}

void SheetLayout::CellHook(std::int32_t /*column*/, std::int32_t /*row*/) {}

void SheetLayout::CellDone(cmcCellObj& /*cell*/) {}
