#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/CellKinds.h"
#include "model/KindHandlers.h"
#include "overlay/DefinitionSource.h"
#include "sheets/cmcCellObj.h"

#include <array>
#include <cstdio>
#include <string>

namespace model {
namespace {

enum Flags { kTicked = 0, kHidden = 1, kDisabled = 2, kCaptionFromText = 3 };

std::string Line(CellAnswer& a, std::string_view key, int line) {
    return a.document.Texts().GetLine(key, line);
}

// Commands that only run on Enter. The file commands' results are not needed: a failure has shown its
// message.
struct EnterCommand {
    std::int32_t kind;
    void (*run)(CellAnswer& a);
};
constexpr EnterCommand kEnterCommands[] = {
    {25, [](CellAnswer& a) { a.documentCommands.NewDocument(); }},
    {26, [](CellAnswer& a) { a.documentCommands.OpenWithDialog(); }},
    {27, [](CellAnswer& a) { a.documentCommands.Save(); }},
    {28, [](CellAnswer& a) { a.documentCommands.SaveWithDialog(); }},
    {30, [](CellAnswer& a) { a.view.PrintAll(); }},
    {32, [](CellAnswer& a) { a.view.Exit(); }},
    {39, [](CellAnswer& a) { a.view.CloneRead(); }},
    {40, [](CellAnswer& a) { a.view.CloneWrite(); }},
    {41, [](CellAnswer& a) { a.view.CloneInfo(); }},
    {kKindExportChannels, [](CellAnswer& a) { a.documentCommands.ExportChannels(); }},
    {kKindImportChannels, [](CellAnswer& a) { a.documentCommands.ImportChannels(); }},
    {kKindBackupFolder, [](CellAnswer& a) { a.view.OpenBackupFolder(); }},
};

// The items of kEnterCommands: nothing to show, Enter runs the command.
bool EnterOnlyCommand(CellAnswer& a) {
    for (const EnterCommand& command : kEnterCommands) {
        if (command.kind == a.kind) {
            if (a.OnEnter()) {
                command.run(a);
            }
            return true;
        }
    }
    return false;
}

// File menu: Print This Sheet, greyed without a printable sheet, and the recent files, which name
// themselves (an empty list shows its first item greyed).
bool FileMenuItem(CellAnswer& a) {
    cmcCellObj& cell = *a.capsule.Cell;
    switch (a.kind) {
    case 29:
        if (!a.view.CanPrintCurrent()) {
            cell.SetFlag(kDisabled, true);
        } else if (a.OnEnter()) {
            a.view.PrintCurrent();
        }
        return true;
    case 31: {
        const std::string file = a.documentCommands.RecentFile(a.index);
        if (file.empty()) {
            cell.SetFlag(kDisabled, true);
            cell.SetFlag(kHidden, a.index != 0);
            return true;
        }
        a.capsule.OutText = "&" + std::to_string(a.index + 1) + " " + file;
        cell.SetDisplayText(a.capsule.OutText);
        cell.SetFlag(kCaptionFromText, true);
        if (a.OnEnter()) {
            a.documentCommands.OpenRecent(a.index);
        }
        return true;
    }
    default:
        return false;
    }
}

// Edit menu: Undo and Redo, greyed while there is no step, and the menu itself, which holds the
// placeholder of the current cell's pop-up menu while no cell offers one.
bool EditMenuItem(CellAnswer& a) {
    cmcCellObj& cell = *a.capsule.Cell;
    switch (a.kind) {
    case kKindUndo:
        if (!a.documentCommands.CanUndo()) {
            cell.SetFlag(kDisabled, true);
        } else if (a.OnEnter()) {
            a.documentCommands.Undo();
        }
        return true;
    case kKindRedo:
        if (!a.documentCommands.CanRedo()) {
            cell.SetFlag(kDisabled, true);
        } else if (a.OnEnter()) {
            a.documentCommands.Redo();
        }
        return true;
    case 33:
        if (a.view.HasMenuItem(33)) {
            a.document.Events().PostText(kEvRebuildSubmenu, 0, 33, "GI_PMenu_NoItem");
        }
        return true;
    default:
        return false;
    }
}

// View menu: the font size (ticked at the size in use) and the tool bar switch.
bool ViewMenuItem(CellAnswer& a) {
    cmcCellObj& cell = *a.capsule.Cell;
    switch (a.kind) {
    case 34:
        if (a.OnEnter()) {
            a.view.SetFontSize(a.index);
        }
        cell.SetFlag(kTicked, a.index == a.view.FontSize());
        return true;
    case 35:
        if (a.OnEnter()) {
            a.view.ToggleToolBar();
        }
        cell.SetFlag(kTicked, a.view.ToolBarVisible());
        return true;
    default:
        return false;
    }
}

// Option menu: the COM ports and the other port (ticked at the port in use, named by their hints),
// the check after writing and the model type.
bool OptionMenuItem(CellAnswer& a) {
    cmcCellObj& cell = *a.capsule.Cell;
    switch (a.kind) {
    case 36:
        if (a.OnEnter()) {
            a.view.SetPort(a.index);
            a.document.Events().Send(kEvMainWindowBuilt);
        }
        cell.SetFlag(kTicked, a.index == a.view.Port());
        a.capsule.OutText = a.view.PortName(a.index);
        return true;
    case 37:
        if (a.OnEnter()) {
            a.view.ShowPortNotice();
        }
        cell.SetFlag(kTicked, a.view.Port() > 4);
        if (a.view.Port() > 4) {
            a.capsule.OutText = a.view.PortName(a.view.Port());
        }
        return true;
    case kKindCheckAfterWrite:
        if (a.OnEnter()) {
            a.view.ToggleCheckAfterWrite();
        }
        cell.SetFlag(kTicked, a.view.CheckAfterWrite());
        return true;
    case 42:
        if (a.OnEnter()) {
            a.documentCommands.ChangeModel(a.index);
        }
        cell.SetFlag(kTicked, a.index == a.document.ModelType());
        return true;
    default:
        return false;
    }
}

// Help menu: Contents and About.
bool HelpMenuItem(CellAnswer& a) {
    switch (a.kind) {
    case 43:
        if (a.OnEnter()) {
            a.document.Events().Post(kEvShowAbout);
        }
        return true;
    case 44:
        if (a.OnEnter()) {
            a.view.OpenHelpContents(Line(a, "GI_Sys_MyHelpFile", 0));
        }
        return true;
    default:
        return false;
    }
}

// An entry of the tree (or any cell of kind 49): Enter opens the sheet its argument names.
bool SheetEntry(CellAnswer& a) {
    if (a.kind != 49) {
        return false;
    }
    const cmcCellObj& cell = *a.capsule.Cell;
    if (a.OnEnter() && cell.Argument() && !cell.Argument()->empty()) {
        a.view.OpenSheet(*cell.Argument());
    }
    return true;
}

// Kinds 25 to 49: the main window's commands and their check marks, menu by menu.
bool MenuCommand(CellAnswer& a) {
    return EnterOnlyCommand(a) || FileMenuItem(a) || EditMenuItem(a) || ViewMenuItem(a) || OptionMenuItem(a) ||
           HelpMenuItem(a) || SheetEntry(a);
}

// Kinds 54 to 57: what the radio said about itself in its last information reply.
bool CloneInfo(CellAnswer& a) {
    const auto bytes = a.document.CloneIdentityBytes();
    const auto byte = [&](std::size_t i) { return i < bytes.size() ? bytes[i] : std::uint8_t{0}; };
    switch (a.kind) {
    case 54:
        a.capsule.OutText = Line(a, "GI_AppInd_Model", byte(21));
        return true;
    case 55:
        a.capsule.OutText = std::to_string(byte(1) >> 4) + "." + std::to_string(byte(1) & 0x0F);
        return true;
    case 56: {
        a.capsule.Command = 0; // read-only: no key can start an edit
        std::array<std::uint8_t, 16> comment{};
        for (std::size_t i = 0; i < comment.size(); ++i) {
            comment[i] = byte(3 + i);
        }
        cmcCellCapsule show = a.capsule;
        show.EditState = cmcCellCapsule::kEditNone;
        EditText(show, a.editors, comment);
        a.capsule.OutText = show.OutText;
        return true;
    }
    case 57:
        a.capsule.OutText = Line(a, "GI_Sheet_Info_Batt_Cells", (byte(20) >> 1) & 1);
        return true;
    default:
        return false;
    }
}

// Kinds 58 and 61 to 66: items of a channel row's pop-up menu.
bool PopupItem(CellAnswer& a) {
    cmcCellObj& cell = *a.capsule.Cell;
    switch (a.kind) {
    case 58:
        cell.SetFlag(kDisabled, true);
        cell.SetFlag(kHidden, a.view.PopupMenuItemCount() != 1);
        return true;
    case 61:
        cell.SetFlag(kDisabled, !a.document.ClipboardHolds(a.record.Plan));
        return true;
    case 62:
    case 63:
    case 64:
    case 65:
    case 66:
        cell.SetFlag(kDisabled, true); // no plan of this radio allows structural edits
        return true;
    default:
        return false;
    }
}

// Kinds 77 to 81: row numbers, separators and read-only cells.
bool DrawingHelper(CellAnswer& a) {
    cmcCellCapsule& c = a.capsule;
    switch (a.kind) {
    case 77:
        c.OutText = std::to_string(a.index);
        return true;
    case 78:
        c.OutText = std::to_string(std::int64_t{a.index} + 1); // no overflow at the largest index
        return true;
    case 79:
        c.Mark = cmcCellCapsule::kMarkQuarterPillar;
        return true;
    case 80:
        a.Restrict();
        c.Mark = cmcCellCapsule::kMarkCannotEdit;
        return true;
    case 81:
        a.Restrict();
        c.OutText = std::string(c.Cell->DisplayText());
        return true;
    default:
        return false;
    }
}

} // namespace

bool AnswerCommandKind(CellAnswer& a) {
    cmcCellCapsule& c = a.capsule;
    switch (a.kind) {
    case 0:
    case 23:
    case 256:
        return true;
    case 1:
        c.OutText = std::string(c.Cell->DisplayText());
        return true;
    case 3:
        c.OutText = "(" + Line(a, "GI_AppInd_Mode", a.index) + ")";
        return true;
    case 22:
        if (a.index >= 0 && a.index < a.Image().GetSize()) {
            std::uint8_t byte = a.Image().GetByte(a.index);
            if (EditByte(c, a.editors, byte, 0, 255)) {
                a.Image().SetByte(a.index, byte);
            }
        }
        return true;
    default:
        return MenuCommand(a) || CloneInfo(a) || PopupItem(a) || DrawingHelper(a);
    }
}

} // namespace model
