// cuiSheet: commands to cells, cursor movement and the in-place editor.
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "platform/Clock.h"
#include "platform/qt/QtFont.h"
#include "sheets/qt/InPlaceEditor.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/cuiSheet.h"

#include <QFontMetrics>

namespace {

constexpr int kFirstPauseMs = 30;
constexpr int kPauseStepMs = 6;

} // namespace

void cuiSheet::FillCommandCapsule(cmcCellCapsule& capsule, GridPos pos, SheetRect& rect) {
    capsule = cmcCellCapsule();
    const QRect cell = m_grid->CellRect(pos);
    const SheetRect drawing = m_layout->DrawingRect(pos.column, pos.row);
    rect = {cell.left(), cell.top(), cell.left() + drawing.Width(), cell.top() + drawing.Height()};
    capsule.Parent = m_context.get();
    capsule.Owner = m_grid;
    capsule.Grid = m_grid;
    capsule.Cell = &m_layout->Slot(pos.column, pos.row).Cell();
    capsule.CellRect = &rect;
    capsule.Images = m_env.images;
    capsule.Sheet = this;
    capsule.SetState(cmcCellCapsule::kIsCurrent, pos == Current());
    if (m_selection->Exists()) {
        capsule.Range |= cmcCellCapsule::kRangeSet;
        const auto [first, last] = m_selection->Range(Current());
        capsule.RangeFirst = first;
        capsule.RangeLast = last;
    }
}

void cuiSheet::SendCellCommand(GridPos pos, int command, int param, const std::optional<std::string>& text) {
    if (!m_built) {
        return;
    }
    cmcCellCapsule capsule;
    SheetRect rect;
    int delay = kFirstPauseMs;
    // A chain of follow-up commands never runs more often than the sheet has rows.
    for (std::int32_t round = 0;; ++round) {
        FillCommandCapsule(capsule, pos, rect);
        capsule.Command = command;
        capsule.Param = param;
        if (round == 0 && text) {
            capsule.EditState = cmcCellCapsule::kEditTyped;
            capsule.Command = cmcCellCapsule::kCommandNone;
            capsule.InputText = *text;
        }
        if (m_popupMode) {
            if ((command == cmcCellCapsule::kCommandEnter || command == cmcCellCapsule::kCommandDoubleClick) &&
                m_context) {
                cmcCellCapsule choice = *m_context;
                choice.Parent = &capsule;
                choice.EditState = cmcCellCapsule::kEditChoice;
                capsule.Command = cmcCellCapsule::kCommandNone;
                Answer(choice, ICellBehaviour::kCommand);
                // The choice changed the opener's cell: its sheet repaints what the answer names.
                if (choice.Sheet != nullptr) {
                    choice.Sheet->RefreshRelated(choice, choice.RefreshScope);
                }
                if (m_choiceMade) {
                    m_choiceMade();
                }
            }
            break;
        }
        const GridPos before = pos;
        const int result = Answer(capsule, ICellBehaviour::kCommand);
        RefreshRelated(capsule, capsule.RefreshScope);
        if (capsule.JumpTo != 0) {
            JumpToCell(capsule.JumpCategory, capsule.JumpKind, capsule.JumpIndex);
            pos = Current();
        }
        if (result == ICellBehaviour::kDropSelection) {
            m_selection->Drop();
        } else if (result == ICellBehaviour::kOpenEditor) {
            OpenEditor(pos, capsule.OutText, capsule.SelStart, capsule.SelLength);
        }
        // A follow-up that would land on the same cell again would repeat for ever: the chain ends.
        if (capsule.ReplayCommand == cmcCellCapsule::kCommandNone || pos == before ||
            round + 1 >= m_layout->RowCount()) {
            break;
        }
        command = capsule.ReplayCommand;
        if (delay >= 1) {
            m_grid->RepaintNow();
            if (m_env.pause) {
                m_env.pause(delay);
            } else {
                platform::SleepMs(delay);
            }
            delay = std::max(0, delay - kPauseStepMs);
        }
    }
    if (m_layout->MultiSelect() != SheetLayout::kMultiOff && capsule.RangeResult()) {
        const cmcCellObj& cell = m_layout->Slot(pos.column, pos.row).Cell();
        m_selection->SelectRange(Current(), cell.Kind(), capsule.RangeFirst, capsule.RangeLast, cell.Index());
    } else {
        m_selection->Drop();
        m_selection->Update(Current(), Current(), false);
    }
    m_env.events.Send(kEvRefreshMenu);
}

bool cuiSheet::MoveCursor(std::int32_t dx, std::int32_t dy) {
    const bool wrap = std::abs(dx) <= 1 && std::abs(dy) <= 1 && m_popupMode && !m_grid->HasScrollBars();
    const SheetCursorSearch search{*m_layout, wrap, !m_popupMode};
    const GridPos before = Current();
    SetCurrentCell(search.Move(before, dx, dy), 1);
    // Home-scroll rule: with nothing selectable before the cursor, the sheet shows its start.
    if (m_layout->FirstSelectableColumn() >= Current().column) {
        m_grid->SetLeftCol(m_layout->FixedCols());
    }
    if (m_layout->FirstSelectableRow() >= Current().row) {
        m_grid->SetTopRow(m_layout->FixedRows());
    }
    return Current() != before;
}

void cuiSheet::JumpToCell(std::int32_t category, std::int32_t kind, std::int32_t index) {
    for (std::int32_t r = 0; r < m_layout->RowCount(); ++r) {
        for (std::int32_t c = 0; c < m_layout->ColumnCount(); ++c) {
            const cmcCellObj& cell = m_layout->Slot(c, r).Cell();
            if (cell.Selectable() && cell.Category() == category && cell.Kind() == kind && cell.Index() == index) {
                SetCurrentCell({c, r}, 2);
                return;
            }
        }
    }
}

void cuiSheet::SetCurrentCell(GridPos pos, int form) {
    if (pos == Current()) {
        return;
    }
    m_selection->Update(Current(), pos, Extending());
    // Form 2 moves without scrolling while the sheet is built (the saved scroll position stays); later
    // a jump or the editor scrolls its cell into view, so the user sees where the cursor went.
    m_grid->MoveTo(pos, form == 1 || !m_building);
    Announce(false);
}

void cuiSheet::ResetScrollPosition() {
    m_grid->SetLeftCol(0);
    m_grid->SetTopRow(0);
}

void cuiSheet::OpenEditor(GridPos pos, const std::string& text, int selStart, int selLength) {
    if (m_editor == nullptr) {
        m_editor = new InPlaceEditor(m_grid->viewport());
        m_editor->onKey = [this](QKeyEvent& event) { return OnEditorKey(event); };
        m_editor->onFocusLost = [this](Qt::FocusReason reason) {
            // Opening a menu takes the focus for a moment: that is no reason to commit.
            if (reason != Qt::PopupFocusReason) {
                HideEditor(true);
            }
        };
    }
    m_selection->Drop();
    SetCurrentCell(pos, 2);
    const QRect cell = m_grid->CellRect(pos);
    if (cell.width() < 1 || cell.height() - 1 <= 0) {
        return;
    }
    const cmcCellObj& object = m_layout->Slot(pos.column, pos.row).Cell();
    const platform::FontDesc& font = object.EffectiveFont(m_layout->BasicCell());
    m_editor->setFont(platform::ToQFont(font));
    const int g = QFontMetrics(m_editor->font()).height();
    const int top = cell.top();
    const int bottom = cell.bottom();
    QRect place(cell.left(), top, cell.width(), cell.height() - 1);
    if (g < cell.height() - 1) {
        const int y = object.VAlign() == cmcCellObj::kMiddle   ? top + (bottom - (top + g)) / 2
                      : object.VAlign() == cmcCellObj::kBottom ? bottom - g - 1
                                                               : top;
        place = QRect(cell.left(), y, cell.width(), g);
    }
    m_editor->setGeometry(place);
    m_editor->setText(QString::fromStdString(text));
    m_editor->setSelection(selStart, selLength);
    if (selLength == 0) {
        m_editor->setCursorPosition(selStart);
    }
    m_editor->setModified(false);
    m_edited = pos;
    m_editorOpen = true;
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    RepaintCell(pos);
}

void cuiSheet::HideEditor(bool commit) {
    if (!m_editorOpen) {
        return;
    }
    // Closed first, so the loss of focus that hiding causes does not commit a second time.
    m_editorOpen = false;
    const bool hadFocus = m_editor->hasFocus();
    const std::string text = m_editor->text().toStdString();
    m_editor->hide();
    if (hadFocus) {
        m_grid->setFocus(Qt::OtherFocusReason);
    }
    RepaintCell(m_edited);
    if (commit) {
        SendCellCommand(m_edited, cmcCellCapsule::kCommandNone, 0, text);
    }
}
