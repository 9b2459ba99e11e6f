// Which cells exist: every kind's categories and index range, at both ends of each range.

#include "model/CellRange.h"

#include "model/CellKinds.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace {

constexpr std::int32_t kNone = model::kNoCategory;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CellRange, EveryKindTakesItsCategoriesAndIndices) {
    using namespace model;
    const struct {
        std::int32_t category, kind, index;
        bool exists;
    } cases[] = {
        // Free channel columns: the free list only, rows 0 to 69.
        {CT_FreeCh, 119, 0, true},
        {CT_FreeCh, 119, 69, true},
        {CT_FreeCh, 121, 70, false},
        {CT_FreeCh, 120, -1, false},
        {kNone, 119, 5, false},    // without its category
        {CT_WxCh, 119, 5, false},  // another plan's
        {CT_IntCh, 121, 5, false}, // a list plan's
        {CT_PopupMenu, 119, 5, false},
        // Channel list columns: the three lists, rows 0 to 303.
        {CT_IntCh, 113, 303, true},
        {CT_CanCh, 117, 0, true},
        {CT_UsaCh, 112, 304, false},
        {CT_FreeCh, 113, 3, false},
        {CT_WxCh, 114, 3, false},
        // Weather channels: 0 to 9.
        {CT_WxCh, 118, 9, true},
        {CT_WxCh, 118, 10, false},
        {CT_IntCh, 118, 1, false},
        // Lines, addresses, list entries and numbers the index stands for.
        {kNone, 3, 1, true},
        {kNone, 3, 2, false},
        {kNone, 3, -1, false},
        {kNone, 3, 2047, false},
        {kNone, 22, 0x800, true},
        {kNone, 22, 0x801, false},
        {kNone, 31, 9, true},
        {kNone, 31, 10, false},
        {kNone, 34, 25, true},
        {kNone, 34, 24, false},
        {kNone, 36, 256, true},
        {kNone, 36, 0, false},
        {kNone, 42, 4, true},
        {kNone, 42, 5, false},
        {kNone, 1, kMax, true}, // an item's value
        {kNone, 1, kMin, true},
        // Row numbers and helpers of the channel sheets, in any sheet's category.
        {CT_IntCh, 78, 303, true},
        {CT_Null, 78, 0, true},
        {kNone, 78, kMax, false},
        {CT_FreeCh, 81, 69, true},
        // Settings and commands: one cell each, outside every channel list.
        {kNone, 135, 0, true},
        {CT_Null, 200, 0, true},
        {kNone, 135, 1, false},
        {CT_UsaCh, 135, 0, false},
        {kNone, 27, 0, true},
        {kNone, kKindUndo, 0, true},
        {kNone, kKindUndo, 1, false},
        // Numbers that name no kind.
        {kNone, 256, 0, false},
        {kNone, -1, 0, false},
        {kNone, kProgramKindEnd, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RangeOfKind(c.kind).Takes(c.category, c.index), c.exists)
            << c.category << "." << c.kind << ":" << c.index;
    }
}

// Every cell the shipped overlay's sheets lay out, in every channel-sheet state, lies inside its kind's
// range: the ranges refuse nothing the program itself shows.
TEST(CellRange, TheShippedSheetsHoldOnlyCellsThatExist) {
    const std::string path = std::string(VQN58_BIN_DIR) + "/VQN58.OVL";
    std::istringstream overlay(testsupport::ReadFileBytes(path));
    std::vector<std::string> sheets;
    for (std::string line; std::getline(overlay, line);) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (line.starts_with('#') && line.ends_with("_Cells")) {
            sheets.push_back(line.substr(1, line.size() - 7));
        }
    }
    ASSERT_GT(sheets.size(), 10U) << path;
    cmcGTex gtex;
    gtex.SetSourceFile(path);
    GTexDefinitionSource source(gtex);
    platform::FixedFontMetrics metrics;
    ChannelSheetState european;
    european.modelVariant = 1;
    european.optionBits = 0xFF;
    for (const std::string& sheet : sheets) {
        for (const ChannelSheetState& state : {ChannelSheetState{}, european}) {
            ChannelSheetLayout layout(source, sheet, metrics, state);
            layout.Build();
            for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
                for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
                    const cmcCellObj& cell = layout.Slot(column, row).Cell();
                    if (cell.HasKind()) {
                        EXPECT_TRUE(model::RangeOfKind(cell.Kind()).Takes(cell.Category(), cell.Index()))
                            << sheet << " " << cell.Category() << "." << cell.Kind() << ":" << cell.Index();
                    }
                }
            }
        }
    }
}

} // namespace
