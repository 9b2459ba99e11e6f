// cuiSheet: keyboard, mouse and focus on the grid and in the in-place editor.
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "sheets/qt/InPlaceEditor.h"
#include "sheets/qt/SheetKeys.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/cuiSheet.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

constexpr int kPageRows = 10;

} // namespace

void cuiSheet::AttachGrid() {
    cuiGrid::Handlers& on = m_grid->On();
    on.selectCell = [this](GridPos pos, bool& allowed) { OnSelectCell(pos, allowed); };
    on.drawCell = [this](QPainter& painter, GridPos pos, const QRect& rect) { DrawCell(painter, pos, rect); };
    on.dragScroll = [this](int directions) { OnDragScroll(directions); };
    // A context menu or a pop-up list takes the focus while it shows; that neither rebuilds nor releases
    // the menu (an item chosen in it may still be on its way). The cells drawn in the focus colour
    // change with the focus whatever took it.
    on.focusGained = [this](Qt::FocusReason reason) {
        if (reason != Qt::PopupFocusReason) {
            OnFocusGained();
        } else {
            Announce(false);
            RepaintMarked();
        }
    };
    on.focusLost = [this](Qt::FocusReason reason) {
        if (reason != Qt::PopupFocusReason) {
            OnFocusLost();
        } else {
            RepaintMarked();
        }
    };
    on.currentChanged = [this](GridPos before, GridPos after) {
        // Cells drawn as part of these (joined or following on the right) change with them.
        RepaintCell(before);
        RepaintCell(after);
        Announce(false);
    };
    on.clickTarget = [this](GridPos pos) { return ClickTarget(pos); };
    on.toolTip = [this](GridPos pos) { return CutText(pos); };
    on.keyPress = [this](QKeyEvent& event) { return OnGridKey(event); };
    on.keyRelease = [this](QKeyEvent& /*event*/) { m_shiftHeld = false; };
    on.mouseFirst = [this](QMouseEvent& event) {
        // The editor is committed before the click is looked at, so the commit sees the old cursor.
        HideEditor(true);
        m_shiftHeld = (event.modifiers() & Qt::ShiftModifier) != 0;
    };
    on.mousePress = [this](QMouseEvent& event) { OnMousePress(event); };
    on.mouseRelease = [this](QMouseEvent& event) { OnMouseRelease(event); };
    on.mouseDoubleClick = [this](QMouseEvent& event) { OnDoubleClick(event); };
    on.mouseMove = [this](QMouseEvent& event) { OnMouseMove(event); };
    if (m_popupMode) {
        m_grid->viewport()->setMouseTracking(true);
    }
}

void cuiSheet::OnSelectCell(GridPos pos, bool& allowed) {
    ClearStatus();
    const clsSheetCellId& slot = m_layout->Slot(pos.column, pos.row);
    allowed = slot.Cell().Selectable() && (!m_selection->Exists() || slot.MultiSelectable());
    if (allowed) {
        m_selection->Update(Current(), pos, Extending());
    }
}

bool cuiSheet::OnGridKey(QKeyEvent& event) {
    HideEditor(true);
    ClearStatus();
    m_shiftHeld = (event.modifiers() & Qt::ShiftModifier) != 0;
    const SheetKeys::KeyCode code = SheetKeys::Translate(event.key(), event.modifiers(), event.text());
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (code.virtualKey) {
    case SheetKeys::kPageUp:
        MoveCursor(0, -kPageRows);
        return true;
    case SheetKeys::kPageDown:
        MoveCursor(0, kPageRows);
        return true;
    case SheetKeys::kHome:
    case SheetKeys::kEnd:
        // Ctrl+Home and Ctrl+End reach the first and the last selectable row; alone they do nothing.
        if (modifiers == Qt::ControlModifier) {
            const std::int32_t rows = m_layout->RowCount();
            MoveCursor(0, code.virtualKey == SheetKeys::kHome ? -rows : rows);
        }
        return true;
    case SheetKeys::kLeft:
        if (!MoveCursor(-1, 0)) {
            SendCellCommand(Current(), cmcCellCapsule::KeyCommand(SheetKeys::kLeft), 0);
        }
        return true;
    case SheetKeys::kRight:
        if (!MoveCursor(1, 0)) {
            SendCellCommand(Current(), cmcCellCapsule::KeyCommand(SheetKeys::kRight), 0);
        }
        return true;
    case SheetKeys::kUp:
    case SheetKeys::kDown:
        if (modifiers != Qt::ControlModifier) {
            MoveCursor(0, code.virtualKey == SheetKeys::kUp ? -1 : 1);
        }
        return true;
    default:
        break;
    }
    // The menu key and Shift+F10 open the current cell's menu, as everywhere on the desktop.
    if (event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        ShowContextMenu(m_grid->viewport()->mapToGlobal(m_grid->CellRect(Current()).bottomLeft()));
        return true;
    }
    if (code.virtualKey >= SheetKeys::kF1 && code.virtualKey <= SheetKeys::kF12) {
        SendCellCommand(Current(), cmcCellCapsule::KeyCommand(code.virtualKey), 0);
        return true;
    }
    if (code.character) {
        SendCellCommand(Current(), *code.character, 0);
        return true;
    }
    return false;
}

bool cuiSheet::OnEditorKey(QKeyEvent& event) {
    ClearStatus();
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        HideEditor(true);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        HideEditor(true);
        m_shiftHeld = false;
        MoveCursor(0, event.key() == Qt::Key_Up ? -1 : 1);
        return true;
    case Qt::Key_Escape:
        HideEditor(false);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        HideEditor(true);
        OnGridKey(event);
        return true;
    default:
        return false;
    }
}

void cuiSheet::OnMousePress(QMouseEvent& event) {
    if (event.button() == Qt::RightButton) {
        bool moved = false;
        if (!m_selection->Exists()) {
            const GridPos under = m_grid->CellAt(event.position().toPoint());
            if (under.column >= 0) {
                const GridPos target = ClickTarget(under);
                if (m_layout->Slot(target.column, target.row).Cell().Selectable()) {
                    SetCurrentCell(target, 1);
                    moved = true;
                }
            }
        }
        if (moved || m_selection->Exists()) {
            ShowContextMenu(event.globalPosition().toPoint());
        }
        return;
    }
    if (event.button() == Qt::LeftButton || event.button() == Qt::MiddleButton) {
        m_dragLatch = true;
        m_pressInside = m_grid->CellAt(event.position().toPoint()).column >= 0;
    }
}

void cuiSheet::OnMouseRelease(QMouseEvent& event) {
    m_dragLatch = false;
    m_shiftHeld = false;
    const bool pressed = m_pressInside;
    m_pressInside = false;
    // In a pop-up list a release chooses, but only after a press inside the list: the release of the
    // click that opened the list chooses nothing.
    if (m_popupMode && event.button() == Qt::LeftButton && pressed) {
        OnDoubleClick(event);
    }
}

void cuiSheet::OnDoubleClick(QMouseEvent& event) {
    const GridPos under = m_grid->CellAt(event.position().toPoint());
    if (under.column < 0) {
        return;
    }
    if (ClickTarget(under) == Current()) {
        SendCellCommand(Current(), cmcCellCapsule::kCommandDoubleClick, 0);
    }
}

void cuiSheet::OnMouseMove(QMouseEvent& event) {
    if (!m_popupMode) {
        return;
    }
    const QPoint point = event.position().toPoint();
    const bool moved = m_lastMouse && *m_lastMouse != point;
    m_lastMouse = point;
    if (!moved || m_editorOpen) {
        return;
    }
    const GridPos under = m_grid->CellAt(point);
    if (under.column >= 0 && m_layout->Slot(under.column, under.row).Cell().Selectable()) {
        SetCurrentCell(under, 1);
    }
}

void cuiSheet::OnDragScroll(int directions) {
    const int dx = ((directions & cuiGrid::kDragRight) != 0) - ((directions & cuiGrid::kDragLeft) != 0);
    const int dy = ((directions & cuiGrid::kDragDown) != 0) - ((directions & cuiGrid::kDragUp) != 0);
    MoveCursor(dx, dy);
}

void cuiSheet::OnFocusGained() {
    Announce(true);
    RepaintMarked();
}

void cuiSheet::OnFocusLost() {
    ReleaseMenu();
    m_menuKey.clear();
    m_env.events.Send(kEvClearSubmenu, 0, kMenuKind);
    m_env.events.Send(kEvRefreshMenu);
    RepaintMarked();
}
