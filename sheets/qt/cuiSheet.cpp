#include "sheets/qt/cuiSheet.h"

#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "platform/qt/QtFont.h"
#include "sheets/qt/CellPainter.h"
#include "sheets/qt/InPlaceEditor.h"
#include "sheets/qt/cuiGrid.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// What answers cells when the sheet has no behaviour: static texts, no commands.
class NoBehaviour final : public ICellBehaviour {
public:
    int Answer(cmcCellCapsule& /*capsule*/, int /*mode*/) override { return kNothing; }
};

} // namespace

cuiSheet::cuiSheet(SheetEnv& env,
                   QWidget* parentArea,
                   const cmcCellCapsule* context,
                   std::int32_t initialKind,
                   std::int32_t initialIndex,
                   std::string key)
    : QWidget(parentArea), m_env(env), m_key(key),
      m_context(context != nullptr ? std::make_unique<cmcCellCapsule>(*context) : nullptr), m_initialKind(initialKind),
      m_initialIndex(initialIndex), m_sourceArgument(std::move(key)) {
    m_drawCapsule.Parent = m_context.get();
    m_env.events.Register(&cuiSheet::OnEvent, this);
    if (parentArea != nullptr && parentArea->layout() != nullptr) {
        parentArea->layout()->addWidget(this);
    }
}

cuiSheet::~cuiSheet() {
    // The text of an open editor is dropped: the image it was typed for may be gone already.
    if (m_editor != nullptr) {
        m_editorOpen = false;
        m_editor->onFocusLost = nullptr;
        m_editor->onKey = nullptr;
    }
    ReleaseMenu();
    m_env.events.Send(kEvWindowClosing, 0, reinterpret_cast<cmcEvArg>(m_grid));
    m_env.events.Unregister(&cuiSheet::OnEvent, this);
    if (m_grid != nullptr) {
        m_grid->On() = cuiGrid::Handlers();
    }
}

std::unique_ptr<SheetLayout> cuiSheet::CreateLayout() {
    return std::make_unique<SheetLayout>(m_env.source, m_key, Metrics());
}

platform::IFontMetrics& cuiSheet::Metrics() {
    return m_print && m_print->metrics != nullptr ? *m_print->metrics : m_env.metrics;
}

void cuiSheet::Build() {
    if (m_built) {
        return;
    }
    m_building = true;
    m_layout = CreateLayout();
    m_layout->SetFontPercentage(m_env.fontPercentage);
    if (m_print) {
        m_layout->SetScale(std::max(m_print->dpi / 120, 1));
        m_layout->SetPrintFontHeight(m_print->fontHeight);
        m_layout->SetForPrinting(true);
        m_layout->Build();
        // Off-screen: no panels, grid, cursor or context menu.
        m_building = false;
        m_built = true;
        return;
    }
    m_layout->Build();
    m_selection = std::make_unique<SheetSelection>(*m_layout, [this](GridPos pos) { RepaintCell(pos); });
    BuildPanels();

    std::vector<int> widths;
    std::vector<int> heights;
    for (std::int32_t c = 0; c < m_layout->ColumnCount(); ++c) {
        widths.push_back(m_layout->ColumnWidth(c));
    }
    for (std::int32_t r = 0; r < m_layout->RowCount(); ++r) {
        heights.push_back(m_layout->RowHeight(r));
    }
    m_grid->SetSizes(std::move(widths), std::move(heights));
    m_grid->SetFixed(m_layout->FixedCols(), m_layout->FixedRows());
    m_grid->SetBackground(platform::ToQColor(m_layout->BasicCell().Color(), palette()));
    m_grid->setFont(platform::ToQFont(m_layout->BasicCell().EffectiveFont(m_layout->BasicCell())));

    ApplyStartPosition();
    AttachGrid();
    if (!m_layout->Slot(Current().column, Current().row).Cell().Selectable()) {
        m_grid->setEnabled(false);
    }
    m_building = false;
    m_built = true;
    m_grid->viewport()->update();
    Announce(false);
}

void cuiSheet::BuildPanels() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    if (m_layout->TitleString()) {
        m_title = new QLabel(this);
        m_title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_title->setLineWidth(2);
        m_title->setTextFormat(Qt::PlainText);
        m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_title->setIndent(4);
        m_title->setAutoFillBackground(true);
        if (const platform::FontDesc* font = m_layout->TitleFont()) {
            m_title->setFont(platform::ToQFont(*font));
            QPalette colours = m_title->palette();
            colours.setColor(QPalette::WindowText, platform::ToQColor(font->colour, palette()));
            m_title->setPalette(colours);
        }
        QPalette colours = m_title->palette();
        colours.setColor(QPalette::Window, platform::ToQColor(m_layout->TitleColor(), palette()));
        m_title->setPalette(colours);
        m_title->setText(QString::fromStdString(*m_layout->TitleString()));
        m_title->setFixedHeight(QFontMetrics(m_title->font()).height() + 2 * 2 + 8);
        column->addWidget(m_title);
    }
    m_panel = new QFrame(this);
    auto* inside = new QVBoxLayout(m_panel);
    if (m_popupMode) {
        m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        m_panel->setLineWidth(1);
        inside->setContentsMargins(2, 2, 2, 2); // a border of 2 inside the raised bevel
    } else {
        m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panel->setLineWidth(2);
        inside->setContentsMargins(0, 0, 0, 0);
    }
    m_grid = new cuiGrid(m_panel);
    m_grid->setAccessibleName(QString::fromStdString(TitleText()));
    inside->addWidget(m_grid);
    column->addWidget(m_panel, 1);
}

void cuiSheet::ApplyStartPosition() {
    const SheetLayout& layout = *m_layout;
    auto firstSelectable = [&layout](auto&& match) -> std::optional<GridPos> {
        for (std::int32_t r = 0; r < layout.RowCount(); ++r) {
            for (std::int32_t c = 0; c < layout.ColumnCount(); ++c) {
                const cmcCellObj& cell = layout.Slot(c, r).Cell();
                if (cell.Selectable() && match(cell)) {
                    return GridPos{c, r};
                }
            }
        }
        return std::nullopt;
    };
    m_grid->MoveTo({0, 0}, false);
    if (const auto first = firstSelectable([](const cmcCellObj&) { return true; })) {
        SetCurrentCell(*first, 2);
    }
    MoveCursor(0, 0);

    const GridPos saved = m_saved.cursor;
    const bool savedOnGrid =
        saved.column >= 0 && saved.row >= 0 && saved.column < layout.ColumnCount() && saved.row < layout.RowCount();
    if (!savedOnGrid) {
        if (m_initialKind != 0) {
            const auto initial = firstSelectable([this](const cmcCellObj& cell) {
                return cell.Kind() == m_initialKind && cell.Index() == m_initialIndex;
            });
            if (initial) {
                SetCurrentCell(*initial, 1);
            }
        }
    } else if (layout.Slot(saved.column, saved.row).Cell().Selectable()) {
        // The grid clamps a left column or top row that no longer fits.
        m_grid->SetLeftCol(m_saved.topLeft.column);
        m_grid->SetTopRow(m_saved.topLeft.row);
        SetCurrentCell(saved, 2);
    }
}

std::string cuiSheet::TitleText() const {
    return m_layout && m_layout->TitleString() ? *m_layout->TitleString() : std::string();
}

bool cuiSheet::Printable() const {
    return m_layout && m_layout->Printable();
}

SheetPosition cuiSheet::CurrentPosition() const {
    if (m_grid == nullptr) {
        return {};
    }
    return {Current(), {m_grid->LeftCol(), m_grid->TopRow()}};
}

GridPos cuiSheet::Current() const {
    return m_grid != nullptr ? m_grid->Current() : GridPos{0, 0};
}

bool cuiSheet::Highlighted(GridPos pos) const {
    const GridPos current = Current();
    if (pos == current) {
        return true;
    }
    const clsSheetCellId& slot = m_layout->Slot(pos.column, pos.row);
    if (slot.MultiSelectable() && (slot.Selected() || slot.LineMarked())) {
        return true;
    }
    if (pos.row == current.row && slot.Cell().FollowLeft()) {
        std::int32_t owner = pos.column;
        while (owner > 0 && m_layout->Slot(owner, pos.row).Cell().FollowLeft()) {
            --owner;
        }
        return m_layout->Slot(owner, pos.row).Cell().Selectable();
    }
    return false;
}

GridPos cuiSheet::ClickTarget(GridPos pos) const {
    while (pos.column > 0 && m_layout->Slot(pos.column, pos.row).Cell().FollowLeft()) {
        --pos.column;
    }
    return pos;
}

ICellBehaviour& cuiSheet::Behaviour() {
    static NoBehaviour none;
    return m_env.behaviour != nullptr ? *m_env.behaviour : none;
}

int cuiSheet::Answer(cmcCellCapsule& capsule, int mode) {
    return Behaviour().Answer(capsule, mode);
}

void cuiSheet::DrawCell(QPainter& painter, GridPos pos, const QRect& rect) {
    if (m_building || !m_layout) {
        return;
    }
    CellPaintContext context{painter,
                             *m_layout,
                             Behaviour(),
                             m_drawCapsule,
                             m_env.images,
                             m_grid->palette(),
                             m_layout->Scale(),
                             false,
                             m_grid->hasFocus() || m_popupMode,
                             m_editorOpen,
                             [this](GridPos p) { return Highlighted(p); }};
    CellPainter(context).Draw(pos, rect);
}

void cuiSheet::DrawPrintedCell(QPainter& painter, GridPos pos, const QRect& rect) {
    if (!m_built || !m_print || !m_layout) {
        return;
    }
    CellPaintContext context{painter,
                             *m_layout,
                             Behaviour(),
                             m_drawCapsule,
                             m_env.images,
                             palette(),
                             m_layout->Scale(),
                             true,
                             false,
                             false,
                             nullptr};
    CellPainter(context).Draw(pos, rect);
}

void cuiSheet::RepaintCell(GridPos pos) {
    if (m_grid == nullptr) {
        return;
    }
    m_grid->RepaintCell(pos);
    // JoinLeft cells show their owner on the left, and FollowLeft cells take its highlight.
    for (std::int32_t c = pos.column + 1; c < m_layout->ColumnCount(); ++c) {
        const cmcCellObj& cell = m_layout->Slot(c, pos.row).Cell();
        if (!cell.JoinLeft() && !cell.FollowLeft()) {
            break;
        }
        m_grid->RepaintCell({c, pos.row});
    }
}

void cuiSheet::RepaintMarked() {
    for (std::int32_t r = 0; r < m_layout->RowCount(); ++r) {
        for (std::int32_t c = 0; c < m_layout->ColumnCount(); ++c) {
            const clsSheetCellId& slot = m_layout->Slot(c, r);
            if (slot.Selected() || slot.LineMarked()) {
                RepaintCell({c, r});
            }
        }
    }
    RepaintCell(Current());
}

QSize cuiSheet::NeededSize() const {
    if (!m_layout || m_grid == nullptr) {
        return size();
    }
    // Worked out from the parts rather than from the present sizes: a window that was never shown has
    // not laid out its children yet.
    const QMargins margins = m_panel->layout()->contentsMargins();
    const int frame = 2 * m_panel->frameWidth();
    int width = static_cast<int>(m_layout->TotalWidth()) + margins.left() + margins.right() + frame;
    int height = static_cast<int>(m_layout->TotalHeight()) + margins.top() + margins.bottom() + frame;
    if (m_title != nullptr) {
        height += m_title->maximumHeight();
    }
    if (m_grid->HasScrollBars()) {
        width += m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    }
    return {width, height};
}
