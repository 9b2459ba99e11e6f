#pragma once

#include "ui/OptionalTreeEntries.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class ICellBehaviour;
class IDefinitionSource;
struct ChannelSheetState;

// The overlay key of the main window's navigation tree (K + "_BasicCell", K + "_Body").
inline constexpr std::string_view kMainTreeKey = "GI_Tree_Main";

// One check of the overlay's warning check list ("GI_WarningCheckList") that failed.
struct FailedCheck {
    std::string sheet;  // the check cell's argument: the sheet of the tree it marks
    std::string text;   // the check cell's display text: what is wrong
    bool error = false; // true: cells in error (Warning), false: a caution
};

// What the warning check found on the sheets the tree shows.
struct WarningCheckResult {
    std::vector<FailedCheck> failed; // in list order
    int errors = 0;                  // sheets with a check in error: a clone write is refused while any
    int cautions = 0;                // sheets with a caution
};

// The sheets (node arguments) the navigation tree `treeKey` shows for `variant`: its body with the
// optional entries as ui::AdjustOptionalTreeEntries leaves them. Definition errors are the overlay's
// faults, as for the tree.
std::set<std::string>
TreeSheets(IDefinitionSource& definitions, std::string_view treeKey, const ui::TreeVariant& variant);

// The warning check's questions: asks `behaviour` about every cell of "GI_WarningCheckList" (drawing
// mode, no owner) and keeps, in list order, those that answer Warning (an error) or else Caution. The
// answers never change the image.
std::vector<FailedCheck> FailedChecks(IDefinitionSource& definitions, ICellBehaviour& behaviour);

// Keeps the failed checks of the sheets in `sheets` (a sheet the tree does not show is not the user's
// to put right) and counts the sheets in error and those with a caution.
WarningCheckResult CountOnSheets(std::vector<FailedCheck> failed, const std::set<std::string>& sheets);

// A cell of a sheet that draws with the Warning state; row and column as the sheet's grid counts them.
struct CellInError {
    std::int32_t row = 0;
    std::int32_t column = 0;
};

// Lays out sheet `sheet` with `state` (and the fixed-width font metrics) and asks `behaviour` to draw
// every cell with a kind; the cells that answer Warning, row by row.
std::vector<CellInError> CellsInError(IDefinitionSource& definitions,
                                      ICellBehaviour& behaviour,
                                      const std::string& sheet,
                                      const ChannelSheetState& state);
