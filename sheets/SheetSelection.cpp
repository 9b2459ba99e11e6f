#include "sheets/SheetSelection.h"

#include "sheets/SheetLayout.h"

#include <algorithm>

SheetSelection::SheetSelection(SheetLayout& layout, RepaintFn repaint)
    : m_layout(layout), m_repaint(std::move(repaint)) {}

bool SheetSelection::OnGrid(GridPos pos) const {
    return pos.column >= 0 && pos.row >= 0 && pos.column < m_layout.ColumnCount() && pos.row < m_layout.RowCount();
}

void SheetSelection::SetSelected(GridPos pos, bool on) {
    clsSheetCellId& slot = m_layout.Slot(pos.column, pos.row);
    if (slot.Cell().Selectable() && slot.Selected() != on) {
        slot.SetSelected(on);
        m_repaint(pos);
    }
}

void SheetSelection::SetLineMarked(GridPos pos, bool on) {
    clsSheetCellId& slot = m_layout.Slot(pos.column, pos.row);
    if (slot.LineMarked() != on) {
        slot.SetLineMarked(on);
        m_repaint(pos);
    }
}

void SheetSelection::Update(GridPos current, GridPos next, bool extending) {
    const bool extendable = ((m_layout.MultiSelect() != SheetLayout::kMultiOff && next != current) || m_exists) &&
                            m_layout.Slot(current.column, current.row).MultiSelectable() &&
                            m_layout.Slot(next.column, next.row).MultiSelectable();
    if (m_anchor.column >= 0 && !OnGrid(m_anchor)) {
        m_anchor = current;
    }
    if (!(extending && extendable) || m_anchor.column < 0) {
        m_anchor = next;
    }
    if (extending && extendable) {
        const auto [c0, c1] = std::minmax({m_anchor.column, current.column, next.column});
        const auto [r0, r1] = std::minmax({m_anchor.row, current.row, next.row});
        const auto [sc0, sc1] = std::minmax(m_anchor.column, next.column);
        const auto [sr0, sr1] = std::minmax(m_anchor.row, next.row);
        for (std::int32_t r = r0; r <= r1; ++r) {
            for (std::int32_t c = c0; c <= c1; ++c) {
                SetSelected({c, r}, c >= sc0 && c <= sc1 && r >= sr0 && r <= sr1);
            }
        }
        m_exists = true;
    } else if (!m_exists) {
        SetSelected(current, false);
        SetLineMarked(current, false);
    } else {
        Drop();
    }
    SetSelected(next, true);
    RefreshLineMarks();
}

void SheetSelection::Drop() {
    if (!m_exists) {
        return;
    }
    for (std::int32_t r = 0; r < m_layout.RowCount(); ++r) {
        for (std::int32_t c = 0; c < m_layout.ColumnCount(); ++c) {
            SetSelected({c, r}, false);
        }
    }
    RefreshLineMarks();
    m_exists = false;
}

void SheetSelection::RefreshLineMarks() {
    if (m_layout.MultiSelect() != SheetLayout::kMultiLines || !m_exists) {
        return;
    }
    const std::int32_t first = m_layout.FixedCols();
    for (std::int32_t r = 0; r < m_layout.RowCount(); ++r) {
        bool any = false;
        for (std::int32_t c = 0; c < m_layout.ColumnCount() && !any; ++c) {
            any = m_layout.Slot(c, r).Selected();
        }
        for (std::int32_t c = first; c < m_layout.ColumnCount(); ++c) {
            SetLineMarked({c, r}, any);
        }
    }
}

std::pair<std::int32_t, std::int32_t> SheetSelection::Range(GridPos current) const {
    const std::int32_t column = m_layout.FixedCols();
    const std::int32_t anchorRow = OnGrid(m_anchor) ? m_anchor.row : current.row;
    const std::int32_t a = m_layout.Slot(column, anchorRow).Cell().Index();
    const std::int32_t b = m_layout.Slot(column, current.row).Cell().Index();
    return std::minmax(a, b);
}

void SheetSelection::SelectRange(
    GridPos current, std::int32_t kind, std::int32_t first, std::int32_t last, std::int32_t ownIndex) {
    Drop();
    const std::int32_t opposite = ownIndex == first ? last : first;
    m_anchor = current;
    bool anchored = false;
    for (std::int32_t r = 0; r < m_layout.RowCount(); ++r) {
        for (std::int32_t c = 0; c < m_layout.ColumnCount(); ++c) {
            const cmcCellObj& cell = m_layout.Slot(c, r).Cell();
            if (cell.Kind() != kind || cell.Index() < first || cell.Index() > last) {
                continue;
            }
            SetSelected({c, r}, true);
            if (!anchored && cell.Index() == opposite) {
                m_anchor = {current.column, r};
                anchored = true;
            }
        }
    }
    m_exists = true;
    RefreshLineMarks();
}
