#include "model/indActiveCell.h"

#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/CellKinds.h"
#include "model/EditorTexts.h"
#include "model/KindHandlers.h"
#include "sheets/cmcCellObj.h"

#include <cstdio>

namespace {

using model::CellAnswer;
using model::kClBtnFace;
using model::kClWindowText;

constexpr std::uint32_t kRefusalText = 0x00FFFF;
constexpr std::uint32_t kRefusalBack = 0x000080;
using model::CL_ChList_Atr;
using model::CL_ChList_No;
using model::CL_ChList_Simp;
using model::CL_Fch_FreqR;
using model::CL_Fch_FreqT;
using model::CL_PMenu_Copy;
using model::CL_PMenu_Edit;
using model::CL_PMenu_Insert;
constexpr std::int32_t kFirstFreeRow = 234;

// The editors' results are the behaviour's answers to the sheet: a list window that opened ends the
// multi-selection.
static_assert(static_cast<int>(model::kEditorDone) == ICellBehaviour::kNothing);
static_assert(static_cast<int>(model::kEditorListOpened) == ICellBehaviour::kDropSelection);
static_assert(static_cast<int>(model::kEditorOpenInPlace) == ICellBehaviour::kOpenEditor);

// The items of a channel row's pop-up menu (Edit, Copy, Paste, ...). True when the request was handled here.
bool PopupCommand(CellAnswer& a) {
    cmcCellCapsule& c = a.capsule;
    if (c.Param == CL_PMenu_Edit) { // Edit acts like Enter
        c.Command = cmcCellCapsule::kCommandEnter;
        c.Param = 0;
        return false;
    }
    if (c.Param < CL_PMenu_Copy || c.Param > CL_PMenu_Insert) {
        return false;
    }
    std::int32_t first = 0;
    std::int32_t last = -1;
    if (model::EditableRowRange(a.plan, first, last) && a.index >= first && a.index <= last) {
        model::RunEditCommand(a, c.Param);
    }
    c.Command = cmcCellCapsule::kCommandNone;
    return true;
}

// The rules of the channel categories, asked before the kind's own answer. True when the request was
// handled here.
bool CategoryRule(CellAnswer& a) {
    cmcCellCapsule& c = a.capsule;
    switch (a.category) {
    case model::CT_PopupMenu:
        if (c.Parent != nullptr && c.Parent->Cell != nullptr) {
            const cmcCellObj& opener = *c.Parent->Cell;
            a.record.Load(static_cast<std::uint8_t>(model::PlanOfCategory(opener.Category())), opener.Index());
        }
        return false;
    case model::CT_IntCh:
    case model::CT_UsaCh:
    case model::CT_CanCh:
        if (a.record.Inhibited && a.kind != CL_ChList_No && a.kind != CL_ChList_Atr &&
            c.Command <= cmcCellCapsule::kCommandLastCharacter) {
            c.OutText = "---";
            a.Restrict();
            return true;
        }
        if (a.kind == CL_ChList_Simp && c.Command <= cmcCellCapsule::kCommandLastCharacter &&
            (a.index % 2 == 1 || a.index >= kFirstFreeRow)) {
            a.Restrict();
            if (a.index < kFirstFreeRow) {
                c.OutText = "---";
                return true;
            }
        }
        [[fallthrough]];
    case model::CT_FreeCh:
        if (a.record.RxBlank && c.Command <= cmcCellCapsule::kCommandLastCharacter && a.kind != CL_Fch_FreqR &&
            a.kind != CL_Fch_FreqT) {
            // A row without a receive frequency is edited in its frequency cell first: the key goes there.
            c.OutText.clear();
            c.JumpKind = CL_Fch_FreqR;
            c.JumpTo = 1;
            c.ReplayCommand = c.Command;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void AnswerKind(CellAnswer& a) {
    if (model::AnswerCommandKind(a) || model::AnswerChannelKind(a) || model::AnswerSettingKind(a)) {
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d *Yet*", a.kind);
    a.capsule.OutText = text;
}

} // namespace

indActiveCell::indActiveCell(ICellDocument& document, IDocumentCommands& documentCommands, IViewCommands& view)
    : m_document(document), m_documentCommands(documentCommands), m_view(view) {}

indActiveCell::indActiveCell(ICellDocument& document)
    : m_document(document), m_documentCommands(m_noDocumentCommands), m_view(m_noView) {}

int indActiveCell::Answer(cmcCellCapsule& capsule, int mode) {
    m_lastRefusal.clear();
    capsule.RefreshScope = 0;
    if (capsule.Cell == nullptr) {
        return kNothing;
    }
    CellAnswer a(capsule, m_document, m_documentCommands, m_view);
    const cmcCellObj& cell = *capsule.Cell;
    a.category = cell.Category();
    a.kind = cell.Kind();
    a.index = cell.Index();
    a.plan = model::PlanOfCategory(a.category); // an unknown category is a fault
    cmcEvMan& events = m_document.Events();
    if (capsule.Command != cmcCellCapsule::kCommandNone) {
        events.SendText(kEvStatusText, kClWindowText, kClBtnFace, ""); // any key clears the status line
    }
    capsule.OutText.clear();
    capsule.SetState(cmcCellCapsule::kWarning, false);
    capsule.SetState(cmcCellCapsule::kCaution, false);
    capsule.TextColor = cmcCellCapsule::kDefaultTextColor;
    capsule.Mark = cmcCellCapsule::kMarkNone;
    if (a.plan != model::kPlanNone) {
        a.record.Load(static_cast<std::uint8_t>(a.plan), a.index);
    }
    capsule.JumpCategory = a.category;
    capsule.JumpKind = a.kind;
    capsule.JumpIndex = a.index;
    if (capsule.Command == cmcCellCapsule::kCommandDoubleClick) {
        capsule.Command = cmcCellCapsule::kCommandEnter;
    }
    const bool handled = PopupCommand(a) || CategoryRule(a);
    if (handled) {
        a.kind = model::CL_Null;
    }
    AnswerKind(a);
    if (a.record.Plan != model::kPlanNone) {
        a.scope |= kScopeRow;
    }
    if (mode == kCommand) {
        capsule.RefreshScope = a.scope;
    }
    if (capsule.Command != cmcCellCapsule::kCommandNone || capsule.EditState != cmcCellCapsule::kEditNone ||
        capsule.Param != 0) {
        m_document.CellAnswered();
    }
    if (a.restricted && a.editors.refusal.empty()) {
        a.editors.refusal = model::RefusalText(m_document.Texts(), model::kRefusedRestricted);
    }
    if (!a.editors.refusal.empty()) {
        m_lastRefusal = a.editors.refusal;
        events.PostText(kEvStatusText, kRefusalText, kRefusalBack, m_lastRefusal);
    }
    return a.editors.result;
}

int indActiveCell::RunCellCommand(cmcCellObj& cell, std::int32_t command) {
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    capsule.Command = command;
    return Answer(capsule, kDraw);
}

bool indActiveCell::ProbeWarning(std::int32_t category, std::int32_t kind, std::int32_t index) {
    cmcCellObj cell;
    cell.SetCategory(category);
    cell.SetKind(kind);
    cell.SetIndex(index);
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    Answer(capsule, kDraw);
    return capsule.Warning();
}
