#include "ui/cuiToolBar.h"

#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"
#include "ui/BodyLines.h"
#include "ui/cuiMenu.h"

#include <QMainWindow>
#include <QWidget>

namespace {

constexpr int kGapWidth = 8;

} // namespace

cuiToolBar::cuiToolBar(QMainWindow* window,
                       IDefinitionSource& definitions,
                       cmcEvMan& events,
                       ICellBehaviour& behaviour,
                       std::string name,
                       const std::vector<QIcon>& images)
    : m_window(window), m_definitions(definitions), m_events(events), m_behaviour(behaviour), m_name(std::move(name)),
      m_images(images) {
    m_events.Register(&cuiToolBar::EventHandler, this);
}

cuiToolBar::~cuiToolBar() {
    m_events.Unregister(&cuiToolBar::EventHandler, this);
}

QToolBar* cuiToolBar::NewRow(bool breakBefore) {
    auto* row = new QToolBar(m_window);
    row->setObjectName(QStringLiteral("cuiToolBar%1").arg(m_rows.size()));
    row->setIconSize(QSize(24, 24));
    row->setMovable(true);
    if (m_window != nullptr) {
        if (breakBefore) {
            m_window->addToolBarBreak(Qt::TopToolBarArea);
        }
        m_window->addToolBar(Qt::TopToolBarArea, row);
    }
    m_rows.emplace_back(row);
    return row;
}

void cuiToolBar::Build(ClickHandler click) {
    for (const QPointer<QToolBar>& row : m_rows) {
        if (row != nullptr) {
            if (m_window != nullptr) {
                m_window->removeToolBar(row);
            }
            row->deleteLater();
        }
    }
    m_rows.clear();
    m_cells.clear();
    m_basic = std::make_unique<cmcCellObj>();
    m_basic->Parse(m_definitions.GetLine(m_name + "_BasicCell", 0), nullptr, nullptr, m_definitions);
    QToolBar* row = NewRow(false);
    for (const std::string& line : ui::ReadBodyLines(m_definitions, m_name + "_Body")) {
        auto cell = std::make_unique<cmcCellObj>();
        cell->Parse(line, m_basic.get(), nullptr, m_definitions);
        const std::string_view caption = cell->DisplayText();
        if (caption == "/") {
            row = NewRow(true);
            continue;
        }
        if (caption == "-") {
            auto* gap = new QWidget(row);
            gap->setFixedWidth(kGapWidth);
            row->addWidget(gap);
            continue;
        }
        const std::int32_t image = cell->ImageIndex();
        QAction* action = row->addAction(QString::fromStdString(std::string(caption)));
        action->setToolTip(action->text());
        if (image >= 0 && image < static_cast<std::int32_t>(m_images.size())) {
            action->setIcon(m_images[static_cast<std::size_t>(image)]);
        }
        action->setData(QVariant::fromValue(reinterpret_cast<quintptr>(cell.get())));
        cmcCellObj* raw = cell.get();
        QObject::connect(action, &QAction::triggered, action, [this, raw, click] {
            if (click) {
                click(*raw);
            } else {
                cuiMenu::Execute(*raw, m_behaviour);
            }
            Refresh();
        });
        m_cells.push_back(std::move(cell));
    }
}

std::vector<QAction*> cuiToolBar::Buttons() const {
    std::vector<QAction*> buttons;
    for (const QPointer<QToolBar>& row : m_rows) {
        if (row == nullptr) {
            continue;
        }
        for (QAction* action : row->actions()) {
            if (CellOf(action) != nullptr) {
                buttons.push_back(action);
            }
        }
    }
    return buttons;
}

cmcCellObj* cuiToolBar::CellOf(const QAction* action) {
    return action != nullptr ? reinterpret_cast<cmcCellObj*>(action->data().value<quintptr>()) : nullptr;
}

void cuiToolBar::Refresh() {
    for (QAction* action : Buttons()) {
        cmcCellObj* cell = CellOf(action);
        // Cleared first, as the menu does, so a button of an earlier port is not left pressed.
        for (int flag = ui::kItemTicked; flag <= ui::kItemCaptionFromText; ++flag) {
            cell->SetFlag(flag, false);
        }
        cmcCellCapsule capsule;
        capsule.Cell = cell;
        m_behaviour.Answer(capsule, ICellBehaviour::kDraw);
        action->setCheckable(cell->Flag(ui::kItemTicked));
        action->setChecked(cell->Flag(ui::kItemTicked));
        action->setVisible(!cell->Flag(ui::kItemHidden));
        action->setEnabled(!cell->Flag(ui::kItemDisabled));
        const std::int32_t image = cell->ImageIndex();
        if (image >= 0 && image < static_cast<std::int32_t>(m_images.size())) {
            action->setIcon(m_images[static_cast<std::size_t>(image)]);
        }
    }
}

void cuiToolBar::SetVisible(bool visible) {
    for (const QPointer<QToolBar>& row : m_rows) {
        if (row != nullptr) {
            row->setVisible(visible);
        }
    }
}

void cuiToolBar::EventHandler(void* context, const Event& event) {
    if (event.type == kEvRefreshToolBar) {
        static_cast<cuiToolBar*>(context)->Refresh();
    }
}
