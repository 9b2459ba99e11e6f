// The channel list and free-channel columns (kinds 112 to 121) and the warning probes over whole plans
// (kinds 50 to 53). The row's channel record is loaded by the behaviour object before these run; a
// change is stored through it at once ("save": store, then reload).

#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/ChannelPlan.h"
#include "model/EditorTexts.h"
#include "model/FrequencyEditor.h"
#include "model/KindHandlers.h"

#include <cstdio>
#include <span>
#include <string_view>

namespace model {
namespace {

void Save(CellAnswer& a) {
    a.record.StoreReload(0, a.record.ChIndex);
}

// Shows and edits one attribute bit of the row through a two-item list; saves a change.
void AnswerAttributeBit(CellAnswer& a, std::string_view list, bool& bit) {
    std::int32_t value = bit ? 1 : 0;
    if (EditSelection(a.capsule, a.editors, list, value)) {
        bit = value != 0;
        Save(a);
    }
}

// A character outside the set of its place becomes its other letter case when that is in the set, else
// a space.
std::uint8_t NormalisedNameChar(std::uint8_t c, std::string_view allowed) {
    if (allowed.find(static_cast<char>(c)) != std::string_view::npos) {
        return c;
    }
    std::uint8_t other = c;
    if (c >= 'a' && c <= 'z') {
        other = static_cast<std::uint8_t>(c - 'a' + 'A');
    } else if (c >= 'A' && c <= 'Z') {
        other = static_cast<std::uint8_t>(c - 'A' + 'a');
    }
    return allowed.find(static_cast<char>(other)) != std::string_view::npos ? other : ' ';
}

void AnswerName(CellAnswer& a) {
    auto& name = a.record.Name;
    if (!EditText(a.capsule, a.editors, std::span<std::uint8_t>(name))) {
        return;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        name[i] = NormalisedNameChar(name[i], i + 1 < name.size() ? kNameLeadChars : kNameLastChars);
    }
    Save(a);
    // Show what was stored, not what was typed.
    const std::string shown(name.begin(), name.end());
    a.capsule.OutText = shown.substr(0, shown.find_last_not_of(' ') + 1);
}

// Row number and "A" suffix of a marine channel; the name of the free channel a row stands for.
void AnswerChannelNumber(CellAnswer& a) {
    char text[16];
    if (a.index < kFirstFreeRow) {
        std::snprintf(text, sizeof text, "%d%s", a.index / 2, a.index % 2 == 1 ? "A" : "  ");
        a.capsule.OutText = text;
        return;
    }
    datCh free(a.Image());
    free.Load(kPlanFree, a.index - kFirstFreeRow);
    std::string name;
    for (const std::uint8_t c : free.Name) {
        name += c >= 32 && c <= 126 ? static_cast<char>(c) : ' ';
    }
    a.capsule.OutText = name + " ";
}

// The items of the marks menu ("GI_Sheet_Sel_ChATRAll" and "...ChATRUse").
enum MarkItem : std::int32_t { kItemMarkA = 1, kItemMarkB = 2, kItemToggleInhibit = 3, kItemToggleView = 4 };

// The P and C marks, and the menu that sets them, inhibits or allows the row, or toggles the view.
void AnswerMarks(CellAnswer& a) {
    cmcCellCapsule& c = a.capsule;
    datCh& r = a.record;
    const std::string_view list = a.document.UsableChannelsOnly() ? "GI_Sheet_Sel_ChATRUse" : "GI_Sheet_Sel_ChATRAll";
    std::int32_t item = 0;
    if (c.Parent != nullptr) {
        if (EditSelection(c, a.editors, list, item)) {
            switch (item) {
            case kItemMarkA:
            case kItemMarkB:
                (item == kItemMarkA ? r.MarkA : r.MarkB) = true;
                r.Inhibited = false; // a marked channel must be usable
                Save(a);
                a.scope |= kScopeAllKinds; // the row that lost the mark changes too
                break;
            case kItemToggleInhibit:
                r.Inhibited = !r.Inhibited;
                Save(a);
                a.scope |= kScopeAllKinds;
                break;
            case kItemToggleView:
                a.document.Events().Post(kEvToggleUsableChannels);
                break;
            default:
                break;
            }
        }
    } else if (c.Command == cmcCellCapsule::kCommandEnter && c.Grid != nullptr) {
        EditSelection(c, a.editors, list, item); // opens the list
    }
    c.OutText = std::string(r.MarkA ? "P" : "") + (r.MarkB ? "C" : "");
    c.SetState(cmcCellCapsule::kWarning, r.Inhibited && (r.MarkA || r.MarkB));
}

bool AllWeatherChannelsInhibited(CellAnswer& a) {
    datCh row(a.Image());
    for (int i = 0; i < kWeatherCount; ++i) {
        row.Load(kPlanWeather, i);
        if (!row.Inhibited) {
            return false;
        }
    }
    return true;
}

void AnswerWeather(CellAnswer& a) {
    std::int32_t value = a.record.Inhibited ? 1 : 0;
    if (EditSelection(a.capsule, a.editors, "GI_Sheet_Sel_WxChAtr", value)) {
        a.record.Inhibited = value != 0;
        Save(a);
        a.document.Events().Post(kEvRepaintKind, 0, CL_WX_ChAtr);
    }
    a.capsule.SetState(cmcCellCapsule::kWarning, AllWeatherChannelsInhibited(a));
}

// Kinds 50 to 52: a row of the plan that carries a mark and is inhibited.
bool PlanHasInhibitedMark(CellAnswer& a, std::uint8_t plan) {
    datCh row(a.Image());
    for (int i = 0; i < kPlanRowCount; ++i) {
        row.Load(plan, i);
        if (row.Inhibited && (row.MarkA || row.MarkB)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool AnswerChannelKind(CellAnswer& a) {
    cmcCellCapsule& c = a.capsule;
    datCh& r = a.record;
    switch (a.kind) {
    case CL_Check_Int_ChInh:
        c.SetState(cmcCellCapsule::kWarning, PlanHasInhibitedMark(a, kPlanInternational));
        return true;
    case CL_Check_Usa_ChInh:
        c.SetState(cmcCellCapsule::kWarning, PlanHasInhibitedMark(a, kPlanUsa));
        return true;
    case CL_Check_Can_ChInh:
        c.SetState(cmcCellCapsule::kWarning, PlanHasInhibitedMark(a, kPlanCanada));
        return true;
    case CL_Check_WX_ChInh:
        c.SetState(cmcCellCapsule::kWarning, AllWeatherChannelsInhibited(a));
        return true;
    case CL_ChList_No:
        AnswerChannelNumber(a);
        return true;
    case CL_ChList_Atr:
        AnswerMarks(a);
        return true;
    case CL_ChList_Tag:
        AnswerAttributeBit(a, "GI_Sheet_Sel_ChTag", r.Tagged);
        return true;
    case CL_ChList_TxInh:
        AnswerAttributeBit(a, "GI_Sheet_Sel_ChTxInh", r.TxInhibit);
        return true;
    case CL_ChList_Poc:
        AnswerAttributeBit(a, "GI_Sheet_Sel_ChPoc", r.Poc);
        return true;
    case CL_ChList_Simp:
        if (a.index >= kFirstFreeRow) {
            // The free channel's own frequencies decide its simplex bit: a choice here would be undone.
            ShowSelection(a.capsule, a.editors, "GI_Sheet_Sel_ChSimp", r.Simplex ? 1 : 0);
            if (c.Parent != nullptr) {
                a.Refuse(RefusalText(a.document.Texts(), kRefusedRestricted));
            }
            return true;
        }
        AnswerAttributeBit(a, "GI_Sheet_Sel_ChSimp", r.Simplex);
        return true;
    case CL_WX_ChAtr:
        AnswerWeather(a);
        return true;
    case CL_Fch_FreqR:
    case CL_Fch_FreqT:
        if (EditFrequency(c, a.editors, r, a.kind == CL_Fch_FreqR)) {
            Save(a);
        }
        return true;
    case CL_Fch_ChName:
        AnswerName(a);
        return true;
    default:
        return false;
    }
}

} // namespace model
