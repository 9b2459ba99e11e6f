#include "model/CellRange.h"

#include "model/CellKinds.h"
#include "model/ModelRules.h"

#include <limits>

namespace model {
namespace {

constexpr std::uint32_t Bit(std::int32_t category) {
    return 1U << static_cast<std::uint32_t>(category);
}

constexpr std::uint32_t kAnyCategory = 0xFFU; // categories 0 to 6 and "no category"
// Cells that belong to no channel row: no category, the empty one or a pop-up menu's.
constexpr std::uint32_t kNoPlan = Bit(CT_Null) | Bit(CT_PopupMenu) | Bit(kNoCategory);
constexpr std::uint32_t kListPlans = Bit(CT_IntCh) | Bit(CT_UsaCh) | Bit(CT_CanCh);

// Indices that name something outside the image and the channel lists.
constexpr std::int32_t kModeCount = 2;       // CL_Sel_Mode_U/F: 0 user, 1 factory
constexpr std::int32_t kRecentCount = 10;    // entries of the recent-file list
constexpr std::int32_t kFontSizeLowest = 25; // font size percentages
constexpr std::int32_t kFontSizeHighest = 1000;
constexpr std::int32_t kPortLowest = 1; // COM port numbers
constexpr std::int32_t kPortHighest = 256;

} // namespace

CellRange RangeOfKind(std::int32_t kind) {
    if (KindName(kind).empty()) {
        return {};
    }
    if (kind >= CL_ChList_No && kind <= CL_ChList_Simp) {
        return {kListPlans, 0, kPlanRowCount - 1};
    }
    if (kind == CL_WX_ChAtr) {
        return {Bit(CT_WxCh), 0, kWeatherCount - 1};
    }
    if (kind >= CL_Fch_FreqR && kind <= CL_Fch_ChName) {
        return {Bit(CT_FreeCh), 0, kFreeChannelCount - 1};
    }
    switch (kind) {
    case Flex0: // the value an item of a selection list stands for
        return {kAnyCategory, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    case CL_Sel_Mode_U:
    case CL_Sel_Mode_F:
        return {kNoPlan, 0, kModeCount - 1};
    case CL_Free_Byte_Dec:
        return {kNoPlan, 0, kImageSize - 1};
    case CL_Menu_File_Recent:
        return {kNoPlan, 0, kRecentCount - 1};
    case CL_Menu_View_FontSize:
        return {kNoPlan, kFontSizeLowest, kFontSizeHighest};
    case CL_Menu_Port_Com:
        return {kNoPlan, kPortLowest, kPortHighest};
    case CL_Model:
        return {kNoPlan, 0, kModelTypeCount - 1};
    default:
        break;
    }
    if (kind == CL_Null || kind == CL_Free_Byte_Hex || (kind >= CL_Misc_ChNo_0Base && kind <= CL_Dummy)) {
        // Row numbers, separators and empty cells of the channel sheets: the rows of the longest list.
        return {kAnyCategory, 0, kPlanRowCount - 1};
    }
    return {kNoPlan, 0, 0};
}

} // namespace model
