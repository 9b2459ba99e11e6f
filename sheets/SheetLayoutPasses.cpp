// The counting and instantiation passes of SheetLayout over <S>_Cells.

#include "overlay/DefinitionSource.h"
#include "platform/Fault.h"
#include "platform/FontMetrics.h"
#include "sheets/DefinitionGroups.h"
#include "sheets/ReadDecimal.h"
#include "sheets/SheetLayout.h"

#include <algorithm>

namespace {

using sheets::StartsWith;
using sheets::ValueOf;

int ClampPixels(std::int64_t pixels) {
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 0, SheetLayout::kMaxCellPixels));
}

} // namespace

void SheetLayout::ApplyDirective(std::string_view directive, std::int32_t line) {
    if (StartsWith(directive, "LoopFrom")) {
        const std::size_t blank = directive.find_first_of(" \t");
        if (blank == std::string_view::npos) {
            return;
        }
        const std::string_view count = sheets::SkipBlanks(directive.substr(blank + 1));
        if (!count.empty()) {
            OpenLoop(line, std::max(1, sheets::ReadDecimal(count)));
        }
    } else if (StartsWith(directive, "LoopTo")) {
        // A LoopTo without an open loop is ignored.
        if (m_loopStart >= 0 && m_loopEnd < 0) {
            m_loopEnd = line;
        }
    } else if (StartsWith(directive, "SelectON")) {
        m_selectOn = true;
    } else if (StartsWith(directive, "SelectOFF")) {
        m_selectOn = false;
    }
}

void SheetLayout::OpenLoop(std::int32_t line, std::int32_t count) {
    // A second LoopFrom inside an open loop starts the loop afresh: the lines read so far stay as they
    // are, once.
    m_loopStart = line;
    m_loopEnd = -1;
    m_loopCount = count;
    m_loopBody = 0;
}

void SheetLayout::CloseLoopIfComplete() {
    if (m_loopStart < 0 || m_loopEnd < 0 || m_loopCount < 1) {
        return;
    }
    // Every copy adds rows until the limit: an empty body adds none, however large the count.
    for (std::int32_t copy = 1;
         m_loopBody > 0 && copy < m_loopCount && static_cast<std::int64_t>(m_rows.Count()) < kMaxCells;
         ++copy) {
        for (std::int32_t i = 0; i < m_loopBody; ++i) {
            m_rows.Append(m_loopStart + 1 + i, m_selectOn);
        }
    }
    m_loopStart = m_loopEnd = m_loopCount = -1;
    m_loopBody = 0;
}

void SheetLayout::CountCellLine(std::int32_t line, std::string_view text) {
    std::int32_t cells = 0;
    for (std::string_view rest = text; !rest.empty() && cells < kMaxColumns; rest = cmcCellObj::Split(rest)) {
        ++cells;
    }
    m_columnCount = std::max(m_columnCount, cells);
    if (static_cast<std::int64_t>(m_rows.Count()) < kMaxCells) {
        m_rows.Append(line, m_selectOn);
    }
    const bool loopOpen = m_loopStart >= 0 && m_loopEnd < 0;
    m_loopBody = loopOpen ? m_loopBody + 1 : 0;
}

void SheetLayout::CountingPass() {
    const std::string key = SectionKey("_Cells");
    for (std::int32_t line = 0;; ++line) {
        const std::string text = m_source.GetLine(key, line);
        if (!text.empty() && text.front() == '#') {
            break;
        }
        if (m_skipCount > 0) {
            --m_skipCount;
            continue;
        }
        if (!text.empty() && text.front() == ':') {
            ForEachGroup(text, [this, line](std::string_view directive) { ApplyDirective(directive, line); });
            CloseLoopIfComplete();
        } else {
            CountCellLine(line, text);
        }
    }
    if (m_columnCount == 0 || m_rows.Count() == 0) {
        platform::Fault("Illegal Cell assign");
    }
    m_rows.Truncate(static_cast<std::size_t>(kMaxCells / m_columnCount));
    m_rowCount = static_cast<std::int32_t>(m_rows.Count());
}

void SheetLayout::InstantiationPass() {
    for (std::int32_t row = 0; row < m_rowCount; ++row) {
        RowHook(row);
        const std::int32_t line = m_rows[static_cast<std::size_t>(row)].Line;
        if (row > 0 && line == m_rows[static_cast<std::size_t>(row - 1)].Line) {
            RepeatRow(row);
        } else {
            BuildRow(row, line);
        }
        const bool multi = m_multiSelect != kMultiOff && m_rows[static_cast<std::size_t>(row)].RowSelectOn;
        for (std::int32_t column = 0; column < m_columnCount; ++column) {
            clsSheetCellId& slot = Slot(column, row);
            slot.SetMultiSelectable(multi);
            if (slot.Cell().Selectable()) {
                if (m_firstSelectableColumn < 0 || column < m_firstSelectableColumn) {
                    m_firstSelectableColumn = column;
                }
                if (m_firstSelectableRow < 0) {
                    m_firstSelectableRow = row;
                }
            }
        }
    }
}

void SheetLayout::BuildRow(std::int32_t row, std::int32_t line) {
    const std::string text = m_source.GetLine(SectionKey("_Cells"), line);
    std::string_view rest = text;
    for (std::int32_t column = 0; column < m_columnCount && !rest.empty(); ++column) {
        CellHook(column, row);
        cmcCellObj& cell = Slot(column, row).Cell();
        rest = cell.Parse(rest, &m_basicCell, &m_loopVars, m_source);
        CellDone(cell);
        if (cell.AutoWidth() || cell.AutoHeight()) {
            MeasureCell(cell, column, row);
        }
    }
}

void SheetLayout::RepeatRow(std::int32_t row) {
    for (std::int32_t column = 0; column < m_columnCount; ++column) {
        CellHook(column, row);
        cmcCellObj& cell = Slot(column, row).Cell();
        cell.CopyFrom(Slot(column, row - 1).Cell());
        cell.SetIndex(static_cast<std::int32_t>(static_cast<std::uint32_t>(cell.Index()) + 1U));
        CellDone(cell);
    }
    m_rowHeights[static_cast<std::size_t>(row)] = m_rowHeights[static_cast<std::size_t>(row - 1)];
}

void SheetLayout::MeasureCell(const cmcCellObj& cell, std::int32_t column, std::int32_t row) {
    const platform::FontDesc& font = cell.EffectiveFont(m_basicCell);
    const std::string_view text = cell.DisplayText();
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const std::string_view piece =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        width = std::max<std::int64_t>(width, m_metrics.LineWidth(font, piece));
        height += m_metrics.LineHeight(font);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    width += std::int64_t{8} * m_scale;
    height += std::int64_t{2} * m_scale;
    if (cell.AutoWidth()) {
        int& columnWidth = m_columnWidths[static_cast<std::size_t>(column)];
        columnWidth = std::max(columnWidth, ClampPixels(width));
    }
    if (cell.AutoHeight()) {
        int& rowHeight = m_rowHeights[static_cast<std::size_t>(row)];
        rowHeight = std::max(rowHeight, ClampPixels(height));
    }
}
