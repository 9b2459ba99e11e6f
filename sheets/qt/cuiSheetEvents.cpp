// cuiSheet: events, repaint requests from the behaviour, and the context menu of the current cell.
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "platform/qt/QtFont.h"
#include "sheets/CellRelations.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/cuiSheet.h"

#include <QFontMetrics>
#include <QMenu>

void cuiSheet::RefreshRelated(const cmcCellCapsule& capsule, int scopeBits) {
    if (scopeBits == 0 || capsule.Cell == nullptr || !m_layout || m_grid == nullptr) {
        return;
    }
    const std::int32_t rows = std::min(m_layout->RowCount(), m_grid->TopRow() + m_grid->VisibleRowCount() + 1);
    const std::int32_t columns = std::min(m_layout->ColumnCount(), m_grid->LeftCol() + m_grid->VisibleColCount() + 1);
    for (std::int32_t r = 0; r < rows; ++r) {
        for (std::int32_t c = 0; c < columns; ++c) {
            if (IsRelatedCell(*capsule.Cell, m_layout->Slot(c, r).Cell(), scopeBits)) {
                RepaintCell({c, r});
            }
        }
    }
}

void cuiSheet::OnEvent(void* context, const Event& event) {
    auto* sheet = static_cast<cuiSheet*>(context);
    if (!sheet->m_built) {
        return;
    }
    cmcCellObj compare;
    compare.SetCategory(0);
    compare.SetKind(0);
    compare.SetIndex(-1);
    cmcCellCapsule capsule;
    capsule.Cell = &compare;
    switch (event.type) {
    case kEvQueryActiveCell:
        if (sheet->m_menu != nullptr && event.first == reinterpret_cast<cmcEvArg>(sheet->m_menu.data())) {
            const cmcCellObj* cell = &sheet->m_layout->Slot(sheet->Current().column, sheet->Current().row).Cell();
            sheet->m_env.events.Answer(static_cast<const void*>(&cell), sizeof cell);
        }
        break;
    case kEvChooseContextItem:
        if (sheet->m_menu != nullptr && event.first == reinterpret_cast<cmcEvArg>(sheet->m_menu.data())) {
            sheet->SendCellCommand(sheet->Current(), cmcCellCapsule::kCommandNone, static_cast<int>(event.second));
        }
        break;
    case kEvRepaintKindCells:
        sheet->RefreshRelated(capsule, kScopeAllKinds);
        break;
    case kEvRepaintKind:
        compare.SetKind(static_cast<std::int32_t>(event.second));
        sheet->RefreshRelated(capsule, kScopeKind);
        break;
    case kEvRepaintIndex:
        compare.SetIndex(static_cast<std::int32_t>(event.second));
        sheet->RefreshRelated(capsule, kScopeRow);
        break;
    case kEvCommitInput:
        sheet->CommitEditor();
        break;
    default:
        break;
    }
}

void cuiSheet::ClearStatus() {
    m_env.events.SendText(kEvStatusText, 0x80000008, 0x8000000F, "");
}

void cuiSheet::ReleaseMenu() {
    if (m_menu != nullptr) {
        m_menu->deleteLater();
        m_menu = nullptr;
    }
}

void cuiSheet::Announce(bool force) {
    if (m_grid == nullptr || !m_grid->hasFocus()) {
        return;
    }
    const GridPos current = Current();
    if (current == m_announced && !force) {
        return;
    }
    m_announced = current;
    const std::string key(m_layout->Slot(current.column, current.row).Cell().EffectivePopupMenu());
    if (force || (!key.empty() && key != m_menuKey)) {
        m_menuKey = key;
        ReleaseMenu();
        m_env.events.Send(kEvClearSubmenu, 0, kMenuKind);
        if (!key.empty() && m_env.fillMenu) {
            m_menu = new QMenu(m_grid);
            QPointer<cuiSheet> self(this);
            m_env.fillMenu(*m_menu, key, [self](int kind) {
                if (self != nullptr) {
                    self->SendCellCommand(self->Current(), cmcCellCapsule::kCommandNone, kind);
                }
            });
            m_env.events.SendText(kEvRebuildSubmenu, reinterpret_cast<cmcEvArg>(m_menu.data()), kMenuKind, key);
        }
    }
    m_env.events.Send(kEvRefreshMenu);
}

void cuiSheet::ShowContextMenu(QPoint globalPos) {
    // Only a cell with a menu of its own shows one: never the menu a previous cell left behind.
    const GridPos current = Current();
    const std::string_view key = m_layout->Slot(current.column, current.row).Cell().EffectivePopupMenu();
    if (m_menu != nullptr && !key.empty() && key == m_menuKey) {
        m_menu->popup(globalPos);
    }
}

QString cuiSheet::CutText(GridPos pos) {
    if (!m_layout || m_building || pos.column >= m_layout->ColumnCount() || pos.row >= m_layout->RowCount()) {
        return {};
    }
    // A JoinLeft cell shows its owner's text, laid out over the owner and every JoinLeft cell after it.
    GridPos owner = pos;
    while (owner.column > 0 && m_layout->Slot(owner.column, owner.row).Cell().JoinLeft()) {
        --owner.column;
    }
    int width = m_layout->ColumnWidth(owner.column);
    for (std::int32_t c = owner.column + 1;
         c < m_layout->ColumnCount() && m_layout->Slot(c, owner.row).Cell().JoinLeft();
         ++c) {
        width += m_layout->ColumnWidth(c);
    }
    const cmcCellObj& cell = m_layout->Slot(owner.column, owner.row).Cell();
    std::string text(cell.DisplayText());
    if (cell.HasKind()) {
        cmcCellCapsule capsule;
        capsule.Parent = m_drawCapsule.Parent;
        capsule.Cell = const_cast<cmcCellObj*>(&cell);
        Behaviour().Answer(capsule, ICellBehaviour::kDraw);
        text = capsule.OutText;
    }
    const QString shown = QString::fromStdString(text).trimmed();
    const QFontMetrics metrics(platform::ToQFont(cell.EffectiveFont(m_layout->BasicCell())));
    int widest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    // The painter keeps 4 pixels (times the scale) free at the text's side.
    return widest + 8 * m_layout->Scale() > width ? shown : QString();
}
