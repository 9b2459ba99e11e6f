#include "ui/cuiMenu.h"

#include "events/EventNumbers.h"
#include "events/cmcEvAns.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"
#include "ui/BodyLines.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstring>

namespace {

// The context object whose event 11 built a submenu's items (0: the menu's own definitions).
constexpr const char* kOwnerProperty = "vqn58MenuOwner";
// Set on the items an event built (event 11), which the next event 10 or 11 removes again.
constexpr const char* kEventItemProperty = "vqn58EventItem";

QString Caption(const cmcCellObj& cell) {
    return QString::fromStdString(std::string(cell.DisplayText()));
}

} // namespace

cuiMenu::cuiMenu(QWidget* root,
                 IDefinitionSource& definitions,
                 cmcEvMan& events,
                 ICellBehaviour& behaviour,
                 std::string name,
                 ClickHandler click)
    : m_root(root), m_definitions(definitions), m_events(events), m_behaviour(behaviour), m_name(std::move(name)),
      m_click(std::move(click)) {
    m_events.Register(&cuiMenu::EventHandler, this);
}

cuiMenu::~cuiMenu() {
    m_events.Unregister(&cuiMenu::EventHandler, this);
}

void cuiMenu::Build() {
    if (m_root == nullptr) {
        return;
    }
    // Later: Build may run inside a click of one of these items.
    for (QAction* action : m_root->actions()) {
        m_root->removeAction(action);
        action->deleteLater();
    }
    m_cells.clear();
    m_basicCells.clear();
    BuildBody(m_name, m_root, 0);
}

cmcCellObj* cuiMenu::BasicCell(const std::string& name) {
    auto found = m_basicCells.find(name);
    if (found == m_basicCells.end()) {
        auto cell = std::make_unique<cmcCellObj>();
        cell->Parse(m_definitions.GetLine(name + "_BasicCell", 0), nullptr, nullptr, m_definitions);
        found = m_basicCells.emplace(name, std::move(cell)).first;
    }
    return found->second.get();
}

void cuiMenu::BuildBody(const std::string& name, QWidget* parent, cmcEvArg owner) {
    // Items of another section (event 11) are that section's cells: a row's menu items stay row items.
    cmcCellObj* basic = BasicCell(name);
    const std::vector<ui::BodyNode> nodes = ui::NestBody(ui::ReadBodyLines(m_definitions, name + "_Body"));
    std::vector<bool> hasChildren(nodes.size(), false);
    for (const ui::BodyNode& node : nodes) {
        if (node.parent >= 0) {
            hasChildren[static_cast<std::size_t>(node.parent)] = true;
        }
    }
    // Items of a menu bar always open a menu, so a top item without children can still be filled.
    const bool barRoot = qobject_cast<QMenuBar*>(parent) != nullptr;
    std::vector<QAction*> made;
    made.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        QWidget* under = nodes[i].parent < 0 ? parent : made[static_cast<std::size_t>(nodes[i].parent)]->menu();
        const bool withMenu = hasChildren[i] || (barRoot && nodes[i].parent < 0);
        made.push_back(AddItem(nodes[i].line.definition, *basic, under, withMenu, owner));
    }
}

QAction*
cuiMenu::AddItem(const std::string& definition, cmcCellObj& basic, QWidget* parent, bool withMenu, cmcEvArg owner) {
    auto cell = std::make_unique<cmcCellObj>();
    cell->Parse(definition, &basic, nullptr, m_definitions);
    QAction* action = nullptr;
    if (cell->DisplayText() == "-") {
        action = new QAction(parent);
        action->setSeparator(true);
    } else if (withMenu) {
        auto* menu = new QMenu(Caption(*cell), parent);
        action = menu->menuAction();
        // What the items show may have changed outside the program (a cable plugged in).
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] {
            if (m_beforeShow) {
                m_beforeShow();
                Refresh();
            }
        });
    } else {
        action = new QAction(Caption(*cell), parent);
    }
    if (cell->Argument() && !cell->Argument()->empty()) {
        // "Ctrl+Shift+Z; Ctrl+Y": several shortcuts for one item.
        action->setShortcuts(QKeySequence::listFromString(QString::fromStdString(*cell->Argument())));
    }
    action->setData(QVariant::fromValue(reinterpret_cast<quintptr>(cell.get())));
    cmcCellObj* raw = cell.get();
    m_cells.push_back(std::move(cell));
    if (!withMenu && owner != 0) {
        // An item standing in for one of a sheet's own context menu (event 11 named the sheet by its
        // menu): the sheet acts on its current cell exactly as a choice in that menu does.
        QObject::connect(action, &QAction::triggered, action, [this, raw, owner] {
            m_events.Send(kEvChooseContextItem, owner, raw->Kind());
            Refresh();
        });
    } else if (!withMenu) {
        QObject::connect(action, &QAction::triggered, action, [this, raw, action] { Clicked(*raw, *action); });
    }
    parent->addAction(action);
    return action;
}

cmcCellObj* cuiMenu::CellOf(const QAction* action) {
    return action != nullptr ? reinterpret_cast<cmcCellObj*>(action->data().value<quintptr>()) : nullptr;
}

std::vector<QAction*> cuiMenu::Items(QMenu* menu) const {
    QWidget* owner = menu != nullptr ? static_cast<QWidget*>(menu) : m_root.data();
    if (owner == nullptr) {
        return {};
    }
    const QList<QAction*> actions = owner->actions();
    return {actions.begin(), actions.end()};
}

void cuiMenu::ForEachItem(QWidget* menu, const std::function<bool(QAction*)>& visit) const {
    if (menu == nullptr) {
        return;
    }
    for (QAction* action : menu->actions()) {
        if (!visit(action)) {
            return;
        }
        ForEachItem(action->menu(), visit);
    }
}

QAction* cuiMenu::FindByKind(int kind) const {
    QAction* found = nullptr;
    ForEachItem(m_root, [&](QAction* action) {
        const cmcCellObj* cell = CellOf(action);
        if (found == nullptr && cell != nullptr && cell->Kind() == kind) {
            found = action;
        }
        return found == nullptr;
    });
    return found;
}

int cuiMenu::EventItemCount(int kind) const {
    const QAction* item = FindByKind(kind);
    if (item == nullptr || item->menu() == nullptr) {
        return 0;
    }
    const QList<QAction*> actions = item->menu()->actions();
    return static_cast<int>(std::count_if(actions.begin(), actions.end(), [](const QAction* action) {
        return action->property(kEventItemProperty).toBool() && !action->isSeparator();
    }));
}

void cuiMenu::Refresh() {
    ForEachItem(m_root, [this](QAction* action) {
        RefreshItem(action);
        return true;
    });
}

void cuiMenu::RefreshItem(QAction* action) {
    cmcCellObj* cell = CellOf(action);
    if (cell == nullptr) {
        action->setChecked(false);
        return;
    }
    for (int flag = ui::kItemTicked; flag <= ui::kItemCaptionFromText; ++flag) {
        cell->SetFlag(flag, false);
    }
    cmcCellCapsule capsule;
    capsule.Cell = cell;
    // An item of a sheet's menu is answered for that sheet's current cell (a row's Paste, say, is offered
    // only while the clipboard holds rows of the row's list).
    cmcCellObj parentCell;
    cmcCellCapsule parent;
    if (const cmcCellObj* current = CurrentCellFor(*action); current != nullptr) {
        parentCell.CopyFrom(*current);
        parent.Cell = &parentCell;
        capsule.Parent = &parent;
    }
    m_behaviour.Answer(capsule, ICellBehaviour::kDraw);
    // A check mark needs a checkable action; an item that is never ticked stays a plain one.
    if (cell->Flag(ui::kItemTicked)) {
        action->setCheckable(true);
    }
    action->setChecked(cell->Flag(ui::kItemTicked));
    action->setVisible(!cell->Flag(ui::kItemHidden));
    action->setEnabled(!cell->Flag(ui::kItemDisabled));
    if (cell->Flag(ui::kItemCaptionFromText)) {
        if (Caption(*cell) != action->text()) {
            action->setText(Caption(*cell));
        }
    } else {
        // Any other text of the answer says more about the item: the status bar shows it.
        action->setStatusTip(QString::fromStdString(capsule.OutText));
    }
}

void cuiMenu::ClearSubmenu(int kind) {
    QAction* item = FindByKind(kind);
    if (item == nullptr || item->menu() == nullptr) {
        return;
    }
    // Only what events put there goes; the menu's own items under it (Undo, Redo) stay.
    for (QAction* action : item->menu()->actions()) {
        if (action->property(kEventItemProperty).toBool()) {
            item->menu()->removeAction(action);
            action->deleteLater();
        }
    }
    item->menu()->setProperty(kOwnerProperty, QVariant());
}

void cuiMenu::RebuildSubmenu(int kind, const std::string& name, cmcEvArg owner) {
    QAction* item = FindByKind(kind);
    if (item == nullptr || item->menu() == nullptr) {
        return;
    }
    // A request without a context (the placeholder the Edit item asks for at every refresh) does not
    // replace the items a sheet put there; the sheet empties the menu itself when they stop applying.
    QMenu* menu = item->menu();
    const QList<QAction*> before = menu->actions();
    const bool sheetItems = menu->property(kOwnerProperty).value<cmcEvArg>() != 0;
    const bool eventItems = std::any_of(
        before.begin(), before.end(), [](const QAction* a) { return a->property(kEventItemProperty).toBool(); });
    if (owner == 0 && sheetItems && eventItems) {
        return;
    }
    ClearSubmenu(kind);
    menu->setProperty(kOwnerProperty, QVariant::fromValue(owner));
    const QList<QAction*> own = menu->actions();
    if (!own.isEmpty()) {
        menu->addSeparator()->setProperty(kEventItemProperty, true);
    }
    BuildBody(name, menu, owner);
    // Only the new items: answering the item of `kind` again may ask for this very rebuild.
    for (QAction* action : menu->actions()) {
        if (!own.contains(action)) {
            action->setProperty(kEventItemProperty, true);
            ForEachItem(action->menu(), [this](QAction* inner) {
                RefreshItem(inner);
                return true;
            });
            RefreshItem(action);
        }
    }
}

const cmcCellObj* cuiMenu::CurrentCellFor(const QAction& action) {
    // The sheet whose menu this is (its menu is the item's menu, or, for an item event 11 built, the
    // context of that event) answers with its current cell; other menus have none. The menu's own
    // items beside event items (Undo, Redo) belong to no sheet.
    const auto* menu = qobject_cast<const QMenu*>(action.parent());
    if (menu == nullptr) {
        return nullptr;
    }
    const auto identity = action.property(kEventItemProperty).toBool()
                              ? menu->property(kOwnerProperty).value<cmcEvArg>()
                              : reinterpret_cast<cmcEvArg>(menu);
    const cmcCellObj* current = nullptr;
    if (const cmcEvAns* answer = m_events.Query(kEvQueryActiveCell, identity);
        answer != nullptr && answer->Length() == static_cast<std::int32_t>(sizeof current)) {
        std::memcpy(&current, answer->Data(), sizeof current);
    }
    return current;
}

void cuiMenu::Clicked(cmcCellObj& cell, const QAction& action) {
    if (m_click) {
        m_click(cell);
    } else {
        // The item acts on the current cell of the sheet whose menu it is.
        Execute(cell, m_behaviour, CurrentCellFor(action));
    }
    Refresh();
}

void cuiMenu::Execute(cmcCellObj& cell, ICellBehaviour& behaviour, const cmcCellObj* current) {
    cmcCellObj parentCell;
    cmcCellCapsule parent;
    cmcCellCapsule capsule;
    if (current != nullptr) {
        parentCell.CopyFrom(*current);
        parent.Cell = &parentCell;
        capsule.Parent = &parent;
    }
    capsule.Cell = &cell;
    capsule.Command = cmcCellCapsule::kCommandEnter;
    behaviour.Answer(capsule, ICellBehaviour::kDraw);
}

void cuiMenu::EventHandler(void* context, const Event& event) {
    auto* self = static_cast<cuiMenu*>(context);
    switch (event.type) {
    case kEvRefreshMenu:
        self->Refresh();
        break;
    case kEvClearSubmenu:
        self->ClearSubmenu(static_cast<int>(event.second));
        break;
    case kEvRebuildSubmenu:
        self->RebuildSubmenu(static_cast<int>(event.second), event.Text(), event.first);
        break;
    default:
        break;
    }
}
