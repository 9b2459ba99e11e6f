#pragma once

#include "CliApp.h"
#include "app/AppCellDocument.h"
#include "model/indActiveCell.h"
#include "sheets/cmcCellObj.h"

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// A cell named on the command line: [CATEGORY.]KIND[:INDEX] with the names of the cell tables.
// Nothing when a name is unknown or the index is no number.
std::optional<CellIdentity> ParseCellName(std::string_view name);

// Why the cell `id` does not exist (a category its kind does not take, an index outside its range), for
// a usage message that names the cell and its range; empty for a cell that exists.
std::string CellRangeProblem(const CellIdentity& id);

// The cell named `name`, or a message on standard error (unknown name, or no such cell) and nothing.
std::optional<CellIdentity> CommandLineCell(std::string_view name);

// The cells of a clone file without a window: the application object of the desktop program on console
// doubles, its document as the behaviour object sees it, and the behaviour object itself. A window
// that is never there answers the commands, and the menu cells' document commands do nothing (the tool
// has commands of its own); a selection list that a cell would open is only noted.
class CliCells {
public:
    explicit CliCells(const CliContext& context);

    // Opens `file` as the desktop program's Open does; the exit status (0 or 10 + clone-file code). The
    // messages name `file` from now on.
    int Open(const std::string& file);
    // Saves the document under its name as Save does; the exit status.
    int Save();

    // The text the window draws for the cell, with its grey and warning state.
    struct Drawn {
        std::string text;
        bool grey = false;
        bool warning = false;
    };
    Drawn Draw(cmcCellObj& cell);

    // Commits `text` into the cell as typed into its in-place editor, or as the choice of the item
    // named `text` (or "#N") of the cell's selection list. Empty when accepted; else why not.
    std::string Set(const CellIdentity& id, const std::string& text);

    CliApp& App() { return m_cli; }
    // The document as the behaviour object sees it.
    ICellDocument& Document() { return m_document; }

private:
    // The window that is not there: notes the selection list a cell asks to open.
    class Commands final : public NoViewCommands {
    public:
        void OpenSelectionList(cmcCellCapsule& capsule, std::string_view list, int itemKind, int value) override;
        void RefusedSelectionList(std::string_view list, int value) override;
        std::string openedList;
        std::string refusedList; // the list of a cell the model fixes, whose current item is no change
    };
    std::string Choose(cmcCellObj& cell, const std::string& list, const std::string& text);

    CliApp m_cli;
    AppCellDocument m_document;
    NoDocumentCommands m_documentCommands;
    Commands m_commands;
    indActiveCell m_behaviour;
};

} // namespace cli
