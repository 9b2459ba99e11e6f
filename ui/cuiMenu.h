#pragma once

#include "events/Event.h"

#include <QAction>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ICellBehaviour;
class IDefinitionSource;
class QMenu;
class QMenuBar;
class QWidget;
class cmcCellObj;
class cmcEvMan;
struct Event;

// A menu built from the overlay (definition N: N + "_BasicCell" and N + "_Body"), each item a cell: its
// caption is the cell's display text, its argument the shortcut, and the behaviour object decides its
// check mark (Flag0), visibility (Flag1), enabled state (Flag2) and caption (Flag3 with the display
// text). Clicking an item sends command 13 to its cell, with the current cell of the sheet that answers
// for the item's menu (event 12) as the parent, and refreshes the menu. An item that event 11 built for
// a sheet's context menu (its context object is the sheet's menu) is passed to that sheet instead
// (event 14), which runs it on its current cell as a choice in its own menu.
//
// Answers events 9 (refresh), 10 (empty the submenu of the item of a kind) and 11 (build a submenu
// from another definition, its items on that definition's own basic cell). Owns its cells; the root (a menu bar or a
// menu) owns the items. Definition errors are the overlay's fatal faults.
class cuiMenu final {
public:
    // What a click does with the item's cell; the default sends command 13 through the behaviour.
    using ClickHandler = std::function<void(cmcCellObj& cell)>;

    // `root` is a QMenuBar or a QMenu; everything borrowed must outlive the builder.
    cuiMenu(QWidget* root,
            IDefinitionSource& definitions,
            cmcEvMan& events,
            ICellBehaviour& behaviour,
            std::string name,
            ClickHandler click = {});
    ~cuiMenu();
    cuiMenu(const cuiMenu&) = delete;
    cuiMenu& operator=(const cuiMenu&) = delete;

    // Deletes every item under the root and builds the items of the body.
    void Build();
    // Brings every item in step with its cell.
    void Refresh();
    // Runs before a menu of the bar opens, followed by a Refresh.
    void SetBeforeShow(std::function<void()> beforeShow) { m_beforeShow = std::move(beforeShow); }

    // The item actions directly under `menu` (nullptr: the root), in order, separators included.
    std::vector<QAction*> Items(QMenu* menu = nullptr) const;
    // The first item, in menu order, whose cell has kind `kind`; nullptr when none has.
    QAction* FindByKind(int kind) const;
    static cmcCellObj* CellOf(const QAction* action);
    // Whether any item's cell has kind `kind`.
    bool HasKind(int kind) const { return FindByKind(kind) != nullptr; }
    // The items (separators aside) that event 11 put under the item of kind `kind`: the pop-up menu a
    // sheet or the behaviour object placed there. 0 when there is no such item or it holds none.
    int EventItemCount(int kind) const;

    // Sends command 13 to `cell` through `behaviour` (the execute handler), with a copy of `current`
    // (the current cell of the sheet whose menu it is, or none) as the capsule's parent.
    static void Execute(cmcCellObj& cell, ICellBehaviour& behaviour, const cmcCellObj* current = nullptr);

private:
    QAction* AddItem(const std::string& definition, cmcCellObj& basic, QWidget* parent, bool withMenu, cmcEvArg owner);
    // The basic cell of section `name` (name + "_BasicCell", parsed once).
    cmcCellObj* BasicCell(const std::string& name);
    void BuildBody(const std::string& name, QWidget* parent, cmcEvArg owner);
    void RefreshItem(QAction* action);
    void ClearSubmenu(int kind);
    void RebuildSubmenu(int kind, const std::string& name, cmcEvArg owner);
    void Clicked(cmcCellObj& cell, const QAction& action);
    // The current cell of the sheet whose menu holds `action`; nullptr for a menu no sheet answers for.
    const cmcCellObj* CurrentCellFor(const QAction& action);
    void ForEachItem(QWidget* menu, const std::function<bool(QAction*)>& visit) const;
    static void EventHandler(void* context, const Event& event);

    QPointer<QWidget> m_root;
    IDefinitionSource& m_definitions;
    cmcEvMan& m_events;
    ICellBehaviour& m_behaviour;
    std::string m_name;
    ClickHandler m_click;
    std::map<std::string, std::unique_ptr<cmcCellObj>> m_basicCells;
    std::vector<std::unique_ptr<cmcCellObj>> m_cells;
    std::function<void()> m_beforeShow;
};
