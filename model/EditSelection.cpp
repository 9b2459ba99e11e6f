#include "model/CellKinds.h"
#include "model/EditorKeys.h"
#include "model/IViewCommands.h"
#include "model/ValueEditors.h"
#include "overlay/cmcHash2.h"
#include "sheets/cmcCellObj.h"

#include <algorithm>

namespace model {
namespace {

using namespace keys;

// The item table of a list, built on first use.
const cmcHash2::CellTable& Items(cmcHash2& tables, std::string_view listName) {
    if (const auto* table = tables.Find(listName, Flex0)) {
        return *table;
    }
    tables.BuildCellTable(listName, Flex0);
    return *tables.Find(listName, Flex0);
}

} // namespace

bool EditSelection(cmcCellCapsule& capsule, EditorContext& context, std::string_view listName, std::int32_t& value) {
    if (capsule.Parent != nullptr) {
        const cmcCellObj* chosen = capsule.Parent->Cell;
        if (capsule.EditState == cmcCellCapsule::kEditChoice && chosen != nullptr && chosen->Kind() == Flex0) {
            value = chosen->Index();
            return true;
        }
        return false;
    }
    const auto& items = Items(context.tables, listName).byNumber;
    const auto item = std::lower_bound(
        items.begin(), items.end(), value, [](const auto& entry, std::int32_t v) { return entry.number < v; });
    capsule.OutText = item != items.end() && item->number == value ? item->name : std::string();
    if (!FromGrid(capsule)) {
        return false;
    }
    const std::int32_t key = capsule.Command;
    if (key == cmcCellCapsule::kCommandSpace || key == cmcCellCapsule::kCommandBackspace) {
        const auto next =
            context.tables.StepByPosition(listName, Flex0, value, key == cmcCellCapsule::kCommandSpace ? 1 : -1);
        if (!next) {
            return false;
        }
        value = *next;
        const auto shown =
            std::find_if(items.begin(), items.end(), [&](const auto& entry) { return entry.number == value; });
        capsule.OutText = shown != items.end() ? shown->name : std::string();
        return true;
    }
    if (key == cmcCellCapsule::kCommandEnter) {
        context.commands.OpenSelectionList(capsule, listName, Flex0, value);
        context.result = kEditorListOpened;
    }
    return false;
}

void ShowSelection(cmcCellCapsule& capsule, EditorContext& context, std::string_view listName, std::int32_t value) {
    cmcCellCapsule show = capsule;
    show.Command = cmcCellCapsule::kCommandNone;
    show.EditState = cmcCellCapsule::kEditNone;
    show.Parent = nullptr;
    show.Grid = nullptr;
    EditSelection(show, context, listName, value);
    capsule.OutText = show.OutText;
}

} // namespace model
