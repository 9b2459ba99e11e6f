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
    {CL_Menu_File_New, [](CellAnswer& a) { a.documentCommands.NewDocument(); }},
    {CL_Menu_File_Open, [](CellAnswer& a) { a.documentCommands.OpenWithDialog(); }},
    {CL_Menu_File_Save, [](CellAnswer& a) { a.documentCommands.Save(); }},
    {CL_Menu_File_SaveAs, [](CellAnswer& a) { a.documentCommands.SaveWithDialog(); }},
    {CL_Menu_File_Print_All, [](CellAnswer& a) { a.view.PrintAll(); }},
    {CL_Menu_File_Exit, [](CellAnswer& a) { a.view.Exit(); }},
    {CL_Menu_Clone_Read, [](CellAnswer& a) { a.view.CloneRead(); }},
    {CL_Menu_Clone_Write, [](CellAnswer& a) { a.view.CloneWrite(); }},
    {CL_Menu_Clone_Info, [](CellAnswer& a) { a.view.CloneInfo(); }},
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
    case CL_Menu_File_Print_Current:
        if (!a.view.CanPrintCurrent()) {
            cell.SetFlag(kDisabled, true);
        } else if (a.OnEnter()) {
            a.view.PrintCurrent();
        }
        return true;
    case CL_Menu_File_Recent: {
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
    case CL_Menu_Edit_Top:
        if (a.view.HasMenuItem(CL_Menu_Edit_Top)) {
            a.document.Events().PostText(kEvRebuildSubmenu, 0, CL_Menu_Edit_Top, "GI_PMenu_NoItem");
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
    case CL_Menu_View_FontSize:
        if (a.OnEnter()) {
            a.view.SetFontSize(a.index);
        }
        cell.SetFlag(kTicked, a.index == a.view.FontSize());
        return true;
    case CL_Menu_View_ToolBar:
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
    case CL_Menu_Port_Com:
        if (a.OnEnter()) {
            a.view.SetPort(a.index);
            a.document.Events().Send(kEvMainWindowBuilt);
        }
        cell.SetFlag(kTicked, a.index == a.view.Port());
        a.capsule.OutText = a.view.PortName(a.index);
        return true;
    case CL_Menu_Port_Usb:
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
    case CL_Model:
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
    case CL_Help_About:
        if (a.OnEnter()) {
            a.document.Events().Post(kEvShowAbout);
        }
        return true;
    case CL_Help_Contents:
        if (a.OnEnter()) {
            a.view.OpenHelpContents(Line(a, "GI_Sys_MyHelpFile", 0));
        }
        return true;
    default:
        return false;
    }
}

// An entry of the tree (or any cell of kind CallSheet): Enter opens the sheet its argument names.
bool SheetEntry(CellAnswer& a) {
    if (a.kind != CallSheet) {
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
    case CL_CloneInfo_Model:
        a.capsule.OutText = Line(a, "GI_AppInd_Model", byte(21));
        return true;
    case CL_CloneInfo_Revision:
        a.capsule.OutText = std::to_string(byte(1) >> 4) + "." + std::to_string(byte(1) & 0x0F);
        return true;
    case CL_CloneInfo_Comment: {
        a.capsule.Command = cmcCellCapsule::kCommandNone; // read-only: no key can start an edit
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
    case CL_CloneInfo_BattType:
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
    case CL_PMenu_NoItem:
        cell.SetFlag(kDisabled, true);
        cell.SetFlag(kHidden, a.view.PopupMenuItemCount() != 1);
        return true;
    case CL_PMenu_Paste:
        cell.SetFlag(kDisabled, !a.document.ClipboardHolds(a.record.Plan));
        return true;
    case CL_PMenu_CarryUp:
    case CL_PMenu_CarryDown:
    case CL_PMenu_Clear:
    case CL_PMenu_Delete:
    case CL_PMenu_Insert:
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
    case CL_Misc_ChNo_0Base:
        c.OutText = std::to_string(a.index);
        return true;
    case CL_Misc_ChNo_1Base:
        c.OutText = std::to_string(std::int64_t{a.index} + 1); // no overflow at the largest index
        return true;
    case CL_Misc_QuarterPillar:
        c.Mark = cmcCellCapsule::kMarkQuarterPillar;
        return true;
    case CL_CannotEdit:
        a.Restrict();
        c.Mark = cmcCellCapsule::kMarkCannotEdit;
        return true;
    case CL_Dummy:
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
    case CL_Null:
    case CL_Free_Byte_Hex:
    case kNoKind:
        return true;
    case Flex0:
        c.OutText = std::string(c.Cell->DisplayText());
        return true;
    case CL_Sel_Mode_F:
        c.OutText = "(" + Line(a, "GI_AppInd_Mode", a.index) + ")";
        return true;
    case CL_Free_Byte_Dec:
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
