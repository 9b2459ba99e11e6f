#pragma once

#include <QIcon>
#include <QPointer>
#include <QToolBar>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ICellBehaviour;
class IDefinitionSource;
class QMainWindow;
class cmcCellObj;
class cmcEvMan;
struct Event;

// The tool bar built from the overlay (definition N: N + "_BasicCell" and N + "_Body", one button a
// line). A button is a cell: its image index picks the picture, its caption is the tool tip, and the
// behaviour object decides whether it is held down (Flag0), hidden (Flag1) and enabled (Flag2). A
// caption "-" is a gap; "/" starts a new row of buttons (a new tool bar below the first).
//
// Answers event 20 (refresh). The main window owns the tool bars; this builder owns the cells.
class cuiToolBar final {
public:
    using ClickHandler = std::function<void(cmcCellObj& cell)>;

    // `window` receives the tool bar rows; everything borrowed must outlive the builder.
    cuiToolBar(QMainWindow* window,
               IDefinitionSource& definitions,
               cmcEvMan& events,
               ICellBehaviour& behaviour,
               std::string name,
               const std::vector<QIcon>& images);
    ~cuiToolBar();
    cuiToolBar(const cuiToolBar&) = delete;
    cuiToolBar& operator=(const cuiToolBar&) = delete;

    // Creates one button per body line (after a previous build: from scratch).
    void Build(ClickHandler click = {});
    // Clears Flag0 to Flag3 of every button's cell, lets the behaviour answer it and shows the answer.
    void Refresh();
    void SetVisible(bool visible);

    // The rows of buttons, first row first.
    const std::vector<QPointer<QToolBar>>& Rows() const { return m_rows; }
    // Every button action in line order (separators included).
    std::vector<QAction*> Buttons() const;
    static cmcCellObj* CellOf(const QAction* action);

private:
    QToolBar* NewRow(bool breakBefore);
    static void EventHandler(void* context, const Event& event);

    QPointer<QMainWindow> m_window;
    IDefinitionSource& m_definitions;
    cmcEvMan& m_events;
    ICellBehaviour& m_behaviour;
    std::string m_name;
    const std::vector<QIcon>& m_images;
    std::unique_ptr<cmcCellObj> m_basic;
    std::vector<std::unique_ptr<cmcCellObj>> m_cells;
    std::vector<QPointer<QToolBar>> m_rows;
};
