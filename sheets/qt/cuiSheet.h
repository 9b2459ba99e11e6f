#pragma once

#include "sheets/SheetCursorSearch.h"
#include "sheets/SheetLayout.h"
#include "sheets/SheetPosition.h"
#include "sheets/SheetSelection.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/qt/SheetEnv.h"

#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QFrame;
class cuiGrid;
class InPlaceEditor;
struct Event;
namespace platform {
class IFontMetrics;
}

// One sheet on screen: an optional title strip above a grid whose cells come from the sheet's
// definition. The sheet owns the cursor (the current cell), the multi-selection, the in-place editor
// and a context menu per cell, handles keys, mouse and focus, and draws every cell through
// CellPainter; what a cell shows and what a command does is asked of the behaviour through capsules.
// In popup-list mode the same class fills a pop-up list (cuiFlector).
//
// Lifetime: create, set the options, Build() once, destroy. Destroying the sheet discards an open
// editor (it never writes after its owner may have replaced the image); call CommitEditor() first to
// keep the text. Everything runs on the user-interface thread.
class cuiSheet : public QWidget {
public:
    // `context`: the capsule the sheet was opened with (copied), or none. `initialKind` 0: none.
    cuiSheet(SheetEnv& env,
             QWidget* parentArea,
             const cmcCellCapsule* context,
             std::int32_t initialKind,
             std::int32_t initialIndex,
             std::string key);
    ~cuiSheet() override;
    cuiSheet(const cuiSheet&) = delete;
    cuiSheet& operator=(const cuiSheet&) = delete;

    // Before Build.
    void SetParameter(std::string text) { m_parameter = std::move(text); }
    const std::string& Parameter() const { return m_parameter; }
    void SetSourceArgument(std::string text) { m_sourceArgument = std::move(text); }
    const std::string& SourceArgument() const { return m_sourceArgument; }
    void SetPopupListMode(bool on) { m_popupMode = on; }
    bool PopupListMode() const { return m_popupMode; }
    void SetSavedPosition(const SheetPosition& position) { m_saved = position; }
    // How a sheet is bound to a printer: the printer's vertical resolution, the cell font height
    // imposed (printer pixels; negative: character height) and the font metrics of the printer (none:
    // the screen's), which must outlive the sheet.
    struct PrintBinding {
        int dpi = 0;
        std::int32_t fontHeight = 0;
        platform::IFontMetrics* metrics = nullptr;
    };
    // Builds the sheet off-screen for a printer: Build lays it out at the printer's scale
    // (max(dpi / 120, 1)) with the imposed font and makes no grid, no cursor and no context menu;
    // cells are drawn with DrawPrintedCell.
    void SetPrinter(const PrintBinding& binding) { m_print = binding; }
    bool IsPrinting() const { return m_print.has_value(); }
    // Called in popup-list mode after a choice was sent to the opener (the pop-up window hides).
    void SetChoiceMade(std::function<void()> done) { m_choiceMade = std::move(done); }

    // Reads the definition, makes the panels and the grid, and sets the first current cell.
    void Build();

    const std::string& Key() const { return m_key; }
    std::string TitleText() const;
    bool Printable() const;
    // The present cursor and scroll position (to save under the sheet's key).
    SheetPosition CurrentPosition() const;

    // Sends `command` (or typed `text`) to the cell at `pos` and follows the answer: jump, selection,
    // in-place editor, repeated follow-up commands (pausing 30, 24, 18, 12, 6 ms before the second to
    // sixth). A chain ends when the cursor did not move and never runs more times than the sheet has rows.
    void SendCellCommand(GridPos pos, int command, int param, const std::optional<std::string>& text = std::nullopt);
    // Moves the cursor by whole selectable cells; returns whether the current cell changed.
    bool MoveCursor(std::int32_t dx, std::int32_t dy);
    // Makes the first selectable cell with this identity current; nothing when there is none.
    void JumpToCell(std::int32_t category, std::int32_t kind, std::int32_t index);
    // Form 1 (cursor keys, clicks) scrolls the cell into view; form 2 (jumps, editor, build) moves the
    // cursor as it is, scrolling only once the sheet is built.
    void SetCurrentCell(GridPos pos, int form);
    void ResetScrollPosition();
    // Repaints the visible cells related to the capsule's cell under `scopeBits` (sheets/CellRelations.h):
    // what a command's answer asks for in its RefreshScope; nothing for 0.
    void RefreshRelated(const cmcCellCapsule& capsule, int scopeBits);

    // Opens the in-place editor on `pos` with `text` and the caret at `selStart` with `selLength`
    // characters selected.
    void OpenEditor(GridPos pos, const std::string& text, int selStart, int selLength);
    // Commits (sends the text to the edited cell) or discards an open editor; nothing when none is open.
    void CommitEditor() { HideEditor(true); }
    void DiscardEditor() { HideEditor(false); }
    bool EditorShown() const { return m_editorOpen; }
    InPlaceEditor* Editor() const { return m_editor; }

    // Draws cell `pos` of a sheet built for a printer into `rect` on `painter` (the printing colours,
    // no highlight). Nothing before Build or for a sheet on screen.
    void DrawPrintedCell(QPainter& painter, GridPos pos, const QRect& rect);

    // The size this sheet needs to show every column and row without scrolling (with room for the
    // vertical scroll bar when scroll bars are on).
    QSize NeededSize() const;

    GridPos Current() const;
    bool Highlighted(GridPos pos) const;
    SheetLayout& Layout() { return *m_layout; }
    const SheetLayout& Layout() const { return *m_layout; }
    cuiGrid& Grid() { return *m_grid; }
    const SheetSelection& Selection() const { return *m_selection; }
    QMenu* ContextMenu() const { return m_menu; }

protected:
    // Makes the layout that reads the definition; channel sheets give their own.
    virtual std::unique_ptr<SheetLayout> CreateLayout();
    SheetEnv& Env() { return m_env; }
    // The metrics the layout measures texts with: the printer's when bound to one, else the screen's.
    platform::IFontMetrics& Metrics();

private:
    // The menu builder's submenu that holds the current cell's context menu (events 10 and 11).
    static constexpr std::uintptr_t kMenuKind = 33;

    static void OnEvent(void* context, const Event& event);

    void BuildPanels();
    void AttachGrid();
    void ApplyStartPosition();
    void DrawCell(QPainter& painter, GridPos pos, const QRect& rect);
    void RepaintCell(GridPos pos);
    void RepaintMarked();
    // The installed behaviour, or one that answers nothing.
    ICellBehaviour& Behaviour();
    int Answer(cmcCellCapsule& capsule, int mode);
    void FillCommandCapsule(cmcCellCapsule& capsule, GridPos pos, SheetRect& rect);
    void Announce(bool force);
    void ReleaseMenu();
    void ShowContextMenu(QPoint globalPos);
    void ClearStatus();
    bool Extending() const { return m_shiftHeld || m_dragLatch; }
    GridPos ClickTarget(GridPos pos) const;
    // The whole text of the cell at `pos` when its columns are too narrow to show it; else empty (the
    // cell's tool tip).
    QString CutText(GridPos pos);
    void HideEditor(bool commit);

    // Input (cuiSheetInput.cpp).
    bool OnGridKey(QKeyEvent& event);
    bool OnEditorKey(QKeyEvent& event);
    void OnSelectCell(GridPos pos, bool& allowed);
    void OnMousePress(QMouseEvent& event);
    void OnMouseRelease(QMouseEvent& event);
    void OnDoubleClick(QMouseEvent& event);
    void OnMouseMove(QMouseEvent& event);
    void OnDragScroll(int directions);
    void OnFocusGained();
    void OnFocusLost();

    SheetEnv& m_env;
    std::string m_key;
    std::unique_ptr<cmcCellCapsule> m_context;
    std::int32_t m_initialKind;
    std::int32_t m_initialIndex;
    std::string m_parameter;
    std::string m_sourceArgument;
    bool m_popupMode = false;
    bool m_building = false;
    bool m_built = false;
    SheetPosition m_saved;
    std::optional<PrintBinding> m_print;
    std::function<void()> m_choiceMade;

    std::unique_ptr<SheetLayout> m_layout;
    std::unique_ptr<SheetSelection> m_selection;
    cmcCellCapsule m_drawCapsule;

    QLabel* m_title = nullptr;
    QFrame* m_panel = nullptr;
    cuiGrid* m_grid = nullptr;
    InPlaceEditor* m_editor = nullptr;
    bool m_editorOpen = false;
    GridPos m_edited{-1, -1};

    QPointer<QMenu> m_menu;
    std::string m_menuKey;
    GridPos m_announced{-1, -1};

    bool m_shiftHeld = false;
    bool m_dragLatch = false;
    bool m_pressInside = false;
    std::optional<QPoint> m_lastMouse;
};
