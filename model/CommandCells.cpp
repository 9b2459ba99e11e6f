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

// Commands that only run on Enter.
struct EnterCommand {
    std::int32_t kind;
    void (IMainCommands::*run)();
};
constexpr EnterCommand kEnterCommands[] = {
    {CL_Menu_File_New, &IMainCommands::NewDocument},
    {CL_Menu_File_Open, &IMainCommands::OpenWithDialog},
    {CL_Menu_File_Save, &IMainCommands::Save},
    {CL_Menu_File_SaveAs, &IMainCommands::SaveWithDialog},
    {CL_Menu_File_Print_All, &IMainCommands::PrintAll},
    {CL_Menu_File_Exit, &IMainCommands::Exit},
    {CL_Menu_Clone_Read, &IMainCommands::CloneRead},
    {CL_Menu_Clone_Write, &IMainCommands::CloneWrite},
    {CL_Menu_Clone_Info, &IMainCommands::CloneInfo},
    {kKindExportChannels, &IMainCommands::ExportChannels},
    {kKindImportChannels, &IMainCommands::ImportChannels},
    {kKindBackupFolder, &IMainCommands::OpenBackupFolder},
};

// Kinds 25 to 49: the main window's commands and their check marks.
bool MenuCommand(CellAnswer& a) {
    IMainCommands& m = a.commands;
    cmcCellObj& cell = *a.capsule.Cell;
    const bool enter = a.OnEnter();
    for (const EnterCommand& command : kEnterCommands) {
        if (command.kind == a.kind) {
            if (enter) {
                (m.*command.run)();
            }
            return true;
        }
    }
    switch (a.kind) {
    case kKindUndo:
        if (!m.CanUndo()) {
            cell.SetFlag(kDisabled, true);
        } else if (enter) {
            m.Undo();
        }
        return true;
    case kKindCheckAfterWrite:
        if (enter) {
            m.ToggleCheckAfterWrite();
        }
        cell.SetFlag(kTicked, m.CheckAfterWrite());
        return true;
    case kKindRedo:
        if (!m.CanRedo()) {
            cell.SetFlag(kDisabled, true);
        } else if (enter) {
            m.Redo();
        }
        return true;
    case CL_Menu_File_Print_Current:
        if (!m.CanPrintCurrent()) {
            cell.SetFlag(kDisabled, true);
        } else if (enter) {
            m.PrintCurrent();
        }
        return true;
    case CL_Menu_File_Recent: {
        const std::string file = m.RecentFile(a.index);
        if (file.empty()) {
            cell.SetFlag(kDisabled, true);
            cell.SetFlag(kHidden, a.index != 0);
            return true;
        }
        a.capsule.OutText = "&" + std::to_string(a.index + 1) + " " + file;
        cell.SetDisplayText(a.capsule.OutText);
        cell.SetFlag(kCaptionFromText, true);
        if (enter) {
            m.OpenRecent(a.index);
        }
        return true;
    }
    case CL_Menu_Edit_Top:
        if (m.HasMenuItem(CL_Menu_Edit_Top)) {
            a.document.Events().PostText(kEvRebuildSubmenu, 0, CL_Menu_Edit_Top, "GI_PMenu_NoItem");
        }
        return true;
    case CL_Menu_View_FontSize:
        if (enter) {
            m.SetFontSize(a.index);
        }
        cell.SetFlag(kTicked, a.index == m.FontSize());
        return true;
    case CL_Menu_View_ToolBar:
        if (enter) {
            m.ToggleToolBar();
        }
        cell.SetFlag(kTicked, m.ToolBarVisible());
        return true;
    case CL_Menu_Port_Com:
        if (enter) {
            m.SetPort(a.index);
            a.document.Events().Send(kEvMainWindowBuilt);
        }
        cell.SetFlag(kTicked, a.index == m.Port());
        a.capsule.OutText = m.PortName(a.index);
        return true;
    case CL_Menu_Port_Usb:
        if (enter) {
            m.ShowPortNotice();
        }
        cell.SetFlag(kTicked, m.Port() > 4);
        if (m.Port() > 4) {
            a.capsule.OutText = m.PortName(m.Port());
        }
        return true;
    case CL_Model:
        if (enter) {
            m.ChangeModel(a.index);
        }
        cell.SetFlag(kTicked, a.index == a.document.ModelType());
        return true;
    case CL_Help_About:
        if (enter) {
            a.document.Events().Post(kEvShowAbout);
        }
        return true;
    case CL_Help_Contents:
        if (enter) {
            m.OpenHelpContents(Line(a, "GI_Sys_MyHelpFile", 0));
        }
        return true;
    case CallSheet:
        if (enter && cell.Argument() && !cell.Argument()->empty()) {
            m.OpenSheet(*cell.Argument());
        }
        return true;
    default:
        return false;
    }
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
        cell.SetFlag(kHidden, a.commands.PopupMenuItemCount() != 1);
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
