#pragma once

#include "sheets/SheetPosition.h"

#include <cstdint>
#include <functional>

class SheetLayout;
class clsSheetCellId;

// The multi-selection of a sheet, kept in the Selected and LineMarked bits of its layout's slots: the
// anchor, whether a multi-selection exists, line marks in line mode, and the range a command's answer
// selects. Only slots of selectable cells change Selected; every bit that changes is reported through
// `repaint` so the widget can redraw that cell. No toolkit.
class SheetSelection {
public:
    using RepaintFn = std::function<void(GridPos)>;

    // The layout (not owned) must outlive the selection.
    SheetSelection(SheetLayout& layout, RepaintFn repaint);

    // Before the cursor moves from `current` to `next`: extends the selection from the anchor when
    // `extending` (Shift or a held mouse button) and both slots may join a multi-selection, else starts
    // afresh at `next`. An anchor off the grid falls back to the current position.
    void Update(GridPos current, GridPos next, bool extending);
    // Unselects every slot and clears the line marks; nothing when no multi-selection exists.
    void Drop();
    // In line mode with a multi-selection: every row holding a Selected slot is marked from the first
    // scrolling column to the last; other rows lose their marks there.
    void RefreshLineMarks();

    // The Index range of the multi-selection for a command on `current`: the smaller and larger Index of
    // the cells of the first scrolling column in the anchor's row and in the current row.
    std::pair<std::int32_t, std::int32_t> Range(GridPos current) const;
    // A command's answer selected the Index range [first, last] of the cells of `kind`: selects them,
    // anchors at the row of the cell at the range end opposite to `ownIndex` (the current row when no
    // cell has that Index) and marks lines.
    void SelectRange(GridPos current, std::int32_t kind, std::int32_t first, std::int32_t last, std::int32_t ownIndex);

    bool Exists() const { return m_exists; }
    GridPos Anchor() const { return m_anchor; }

private:
    bool OnGrid(GridPos pos) const;
    void SetSelected(GridPos pos, bool on);
    void SetLineMarked(GridPos pos, bool on);

    SheetLayout& m_layout;
    RepaintFn m_repaint;
    GridPos m_anchor{-1, -1};
    bool m_exists = false;
};
