#pragma once

#include "sheets/SheetPosition.h"
#include "sheets/cmcCellObj.h"

#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class ICellBehaviour;
class QPaintDevice;
class QPainter;
class QRect;
class QWidget;
class SheetLayout;
class cmcCellCapsule;
class indMain;

// One sheet open in the main window, as the window sees it: a widget, the key and tree argument it was
// opened with, its position, and whether it takes the keyboard focus or can be printed. Destroying it
// destroys its widget (unless the widget's parent already has).
class IOpenSheet {
public:
    virtual ~IOpenSheet() = default;
    virtual QWidget* Widget() = 0;
    virtual const std::string& Key() const = 0;
    // The tree argument the sheet was opened from ("[..]key,parameter").
    virtual const std::string& SourceArgument() const = 0;
    virtual SheetPosition Position() const = 0;
    virtual bool Printable() const = 0;
    // Gives the keyboard focus to the sheet's grid; false when it cannot take it.
    virtual bool FocusGrid() = 0;
    // The size the sheet needs to show every cell, title and frame included; empty when unknown.
    virtual QSize NeededSize() const { return {}; }
    // The identity of the cursor's cell; none when the sheet has no cursor.
    virtual std::optional<CellIdentity> CurrentCell() const { return std::nullopt; }
    // Puts the cursor on the first selectable cell with `cell`'s identity; nothing when there is none.
    virtual void JumpToCell(const CellIdentity& /*cell*/) {}
};

// The printer a sheet is built for: the device it is measured and drawn on, the printer's vertical
// resolution and the cell font height imposed (printer pixels; negative: character height).
struct SheetPrintTarget {
    QPaintDevice* device = nullptr;
    int dpi = 0;
    std::int32_t fontHeight = 0;
};

// A sheet built off-screen for a printer, as printing sees it: whether it may be printed, its title,
// its layout in printer pixels, its font, and the drawing of one cell on a page.
class IPrintSheet {
public:
    virtual ~IPrintSheet() = default;
    virtual bool Printable() const = 0;
    virtual std::string TitleText() const = 0;
    virtual const SheetLayout& Layout() const = 0;
    // Draws cell (column, row) into `rect` with the printing colours.
    virtual void DrawCell(QPainter& painter, std::int32_t column, std::int32_t row, const QRect& rect) = 0;
};

// Makes the sheets of the main window (the sheet widget of the sheets layer), and its selection lists.
class ISheetFactory {
public:
    virtual ~ISheetFactory() = default;
    // The program's application object and behaviour object, once they exist (before any sheet opens);
    // both outlive the sheets.
    virtual void Attach(indMain& /*app*/, ICellBehaviour& /*behaviour*/) {}
    // Builds sheet `key` inside `area` with `parameter`, remembering `sourceArgument`, at `position`
    // when one is given.
    virtual std::unique_ptr<IOpenSheet> Open(QWidget* area,
                                             const std::string& key,
                                             const std::string& parameter,
                                             const std::string& sourceArgument,
                                             const SheetPosition* position) = 0;
    // Opens the selection list `listName` beside the cell of `capsule` with its item of kind `itemKind`
    // and index `value` current.
    virtual void OpenSelectionList(cmcCellCapsule& capsule, std::string_view listName, int itemKind, int value) = 0;
    // Builds sheet `key` with `parameter` hidden inside `host`, bound to `target`, for printing; none
    // when these sheets cannot be printed. The host and the target's device must outlive the sheet.
    virtual std::unique_ptr<IPrintSheet> OpenForPrinting(QWidget* /*host*/,
                                                         const std::string& /*key*/,
                                                         const std::string& /*parameter*/,
                                                         const SheetPrintTarget& /*target*/) {
        return nullptr;
    }
};

// A tree argument split into the sheet key and its parameter: before the first ',' the key (a
// bracketed part and what precedes it dropped), after it the parameter.
struct SheetReference {
    std::string key;
    std::string parameter;
};
SheetReference ParseSheetReference(std::string_view argument);
