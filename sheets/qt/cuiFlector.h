#pragma once

#include "sheets/SheetRect.h"
#include "sheets/cmcCellCapsule.h"

#include <QObject>
#include <cstdint>
#include <string>

class QWidget;
class cuiSheet;
struct SheetEnv;
struct Event;

// A pop-up selection list: a borderless pop-up window beside the opening cell holding a sheet in
// popup-list mode. Enter, a double click, or a release after a press inside the list sends the chosen
// item back to the opener's behaviour (a copy of the opener's capsule with EditState 2 and Parent the
// item's capsule) and closes the list; Escape, a click outside, the opener's grid going away (event 1)
// and a request to commit input (event 21) close it without a choice. The window owns the list object
// and its sheet and deletes itself on closing.
class cuiFlector : public QObject {
public:
    // Builds the list sheet `key` for the cell of `opener` (its Owner is the opening grid, its CellRect
    // the cell's rectangle on it), places and shows it. The result is owned by its window.
    static cuiFlector* Create(SheetEnv& env,
                              const cmcCellCapsule& opener,
                              std::int32_t initialKind,
                              std::int32_t initialIndex,
                              const std::string& key);
    ~cuiFlector() override;
    cuiFlector(const cuiFlector&) = delete;
    cuiFlector& operator=(const cuiFlector&) = delete;

    QWidget* Window() const { return m_window; }
    cuiSheet* Sheet() const { return m_sheet; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    cuiFlector(SheetEnv& env, QWidget* window, const cmcCellCapsule& opener);
    static void OnEvent(void* context, const Event& event);
    void Unregister();
    void SizeAndPlace();

    SheetEnv& m_env;
    QWidget* m_window;
    QWidget* m_owner;
    SheetRect m_cellRect; // the opening cell on the owner, kept for the list's copy of the capsule
    cmcCellCapsule m_opener;
    cuiSheet* m_sheet = nullptr;
    bool m_registered = true;
};
