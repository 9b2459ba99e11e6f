#pragma once

#include "model/IDocumentCommands.h"
#include "model/IViewCommands.h"
#include "sheets/cmcCellCapsule.h"

#include <cstdint>
#include <string>

class ICellDocument;
class cmcCellObj;

// The radio model's answer to every question a sheet, a menu, the tool bar or the tree asks about a
// cell: what text to draw, whether the cell is ticked, disabled or hidden, what a key, Enter or a
// pop-up menu choice does to the image, and whether an in-place editor or a selection list opens.
//
// Holds no state of its own: every value lives in the document's image, in the capsule and in the
// application-wide values the document and the window give. Drawing (mode 0, no command, no commit)
// never changes the image; an edit is stored at once, re-arms the delayed warning check and marks the
// document modified. A refused key or entry leaves the image as it was and posts a status text that
// says why (also kept in LastRefusal() for callers without a status line).
class indActiveCell final : public ICellBehaviour {
public:
    // Commands of the menus and the tool bar go to the document (`documentCommands`) or the window
    // (`view`). Every reference must outlive the object.
    indActiveCell(ICellDocument& document, IDocumentCommands& documentCommands, IViewCommands& view);
    // Without a window (the command-line tool, the warning check, the sheet differences): the commands
    // do nothing and no list opens.
    explicit indActiveCell(ICellDocument& document);
    // Not copied: the commands of a window-less object are its own members.
    indActiveCell(const indActiveCell&) = delete;
    indActiveCell& operator=(const indActiveCell&) = delete;

    int Answer(cmcCellCapsule& capsule, int mode) override;

    // The status text of the last answer's refusal; empty when nothing was refused.
    const std::string& LastRefusal() const { return m_lastRefusal; }

    // Answers `cell` with `command` in drawing mode through a temporary capsule; the result code.
    int RunCellCommand(cmcCellObj& cell, std::int32_t command);
    // The Warning answer of a temporary cell (category, kind, index) drawn without a command.
    bool ProbeWarning(std::int32_t category, std::int32_t kind, std::int32_t index);

private:
    NoDocumentCommands m_noDocumentCommands;
    NoViewCommands m_noView;
    ICellDocument& m_document;
    IDocumentCommands& m_documentCommands;
    IViewCommands& m_view;
    std::string m_lastRefusal;
};
