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

// Kinds 25 to 49: the main window's commands and their check marks.
bool MenuCommand(CellAnswer& a) {
    IDocumentCommands& d = a.documentCommands;
    IViewCommands& m = a.view;
    cmcCellObj& cell = *a.capsule.Cell;
    const bool enter = a.OnEnter();
    for (const EnterCommand& command : kEnterCommands) {
        if (command.kind == a.kind) {
            if (enter) {
                command.run(a);
            }
            return true;
        }
    }
    switch (a.kind) {
    case kKindUndo:
        if (!d.CanUndo()) {
            cell.SetFlag(kDisabled, true);
        } else if (enter) {
            d.Undo();
        }
        return true;
    case kKindCheckAfterWrite:
        if (enter) {
            m.ToggleCheckAfterWrite();
        }
        cell.SetFlag(kTicked, m.CheckAfterWrite());
        return true;
    case kKindRedo:
        if (!d.CanRedo()) {
            cell.SetFlag(kDisabled, true);
        } else if (enter) {
            d.Redo();
        }
        return true;
    case 29:
        if (!m.CanPrintCurrent()) {
            cell.SetFlag(kDisabled, true);
        } else if (enter) {
            m.PrintCurrent();
        }
        return true;
    case 31: {
        const std::string file = d.RecentFile(a.index);
        if (file.empty()) {
            cell.SetFlag(kDisabled, true);
            cell.SetFlag(kHidden, a.index != 0);
            return true;
        }
        a.capsule.OutText = "&" + std::to_string(a.index + 1) + " " + file;
        cell.SetDisplayText(a.capsule.OutText);
        cell.SetFlag(kCaptionFromText, true);
        if (enter) {
            d.OpenRecent(a.index);
        }
        return true;
    }
    case 33:
        if (m.HasMenuItem(33)) {
            a.document.Events().PostText(kEvRebuildSubmenu, 0, 33, "GI_PMenu_NoItem");
        }
        return true;
    case 34:
        if (enter) {
            m.SetFontSize(a.index);
        }
        cell.SetFlag(kTicked, a.index == m.FontSize());
        return true;
    case 35:
        if (enter) {
            m.ToggleToolBar();
        }
        cell.SetFlag(kTicked, m.ToolBarVisible());
        return true;
    case 36:
        if (enter) {
            m.SetPort(a.index);
            a.document.Events().Send(kEvMainWindowBuilt);
        }
        cell.SetFlag(kTicked, a.index == m.Port());
        a.capsule.OutText = m.PortName(a.index);
        return true;
    case 37:
        if (enter) {
            m.ShowPortNotice();
        }
        cell.SetFlag(kTicked, m.Port() > 4);
        if (m.Port() > 4) {
            a.capsule.OutText = m.PortName(m.Port());
        }
        return true;
    case 42:
        if (enter) {
            d.ChangeModel(a.index);
        }
        cell.SetFlag(kTicked, a.index == a.document.ModelType());
        return true;
    case 43:
        if (enter) {
            a.document.Events().Post(kEvShowAbout);
        }
        return true;
    case 44:
        if (enter) {
            m.OpenHelpContents(Line(a, "GI_Sys_MyHelpFile", 0));
        }
        return true;
    case 49:
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
