#include "app/AddressPlace.h"

#include "model/CellStorage.h"
#include "platform/FontMetrics.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/cmcCellObj.h"
#include "sheets/iuiSheetLayout.h"

#include <algorithm>

namespace {

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text the window draws in a cell: the behaviour's answer for a cell with a kind, else its own.
std::string Shown(ICellBehaviour& behaviour, cmcCellObj& cell) {
    if (!cell.HasKind()) {
        return Trimmed(std::string(cell.DisplayText()));
    }
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    behaviour.Answer(capsule, ICellBehaviour::kDraw);
    return Trimmed(capsule.OutText);
}

} // namespace

std::optional<AddressPlace> FindAddressPlace(IDefinitionSource& definitions,
                                             ICellBehaviour& behaviour,
                                             const std::set<std::string>& sheets,
                                             const ChannelSheetState& state,
                                             std::int32_t address) {
    platform::FixedFontMetrics metrics;
    for (const std::string& sheet : sheets) {
        iuiSheetLayout layout(definitions, sheet, metrics, state);
        layout.Build();
        for (std::int32_t row = layout.FixedRows(); row < layout.RowCount(); ++row) {
            for (std::int32_t column = layout.FixedCols(); column < layout.ColumnCount(); ++column) {
                cmcCellObj& cell = layout.Slot(column, row).Cell();
                if (!cell.HasKind()) {
                    continue;
                }
                const auto storage = model::CellStorage(cell.Category(), cell.Kind(), cell.Index());
                if (std::none_of(storage.begin(), storage.end(), [address](const model::StoredBits& bits) {
                        return bits.address == address;
                    })) {
                    continue;
                }
                AddressPlace place;
                place.sheet = layout.TitleString().value_or(sheet);
                // The fixed columns name the row; the nearest one that shows something.
                for (std::int32_t c = std::min(layout.FixedCols(), column) - 1; c >= 0 && place.row.empty(); --c) {
                    place.row = Shown(behaviour, layout.Slot(c, row).Cell());
                }
                if (place.row.empty() && column > 0) {
                    place.row = Shown(behaviour, layout.Slot(0, row).Cell()); // a settings sheet's name column
                }
                if (place.row.empty()) {
                    place.row = std::to_string(row);
                }
                for (std::int32_t r = 0; r < layout.FixedRows(); ++r) {
                    const std::string heading = Shown(behaviour, layout.Slot(column, r).Cell());
                    place.column += place.column.empty() || heading.empty() ? heading : " " + heading;
                }
                return place;
            }
        }
    }
    return std::nullopt;
}
