#include "model/SettingsTable.h"

#include <algorithm>
#include <iterator>

namespace model::settings {
namespace {

constexpr std::int32_t kPlans = 0x648;
constexpr std::int32_t kFunctions = 0x649;

constexpr GreyRule kNever{};
constexpr GreyRule kScan{kPlans, 0x10, false};
constexpr GreyRule kWeather{kPlans, 0x02, false};
constexpr GreyRule kDualTri{kFunctions, 0xA0, true};
constexpr GreyRule kPowerSave{kFunctions, 0x1C, false};
constexpr GreyRule kUsaPlan{kPlans, 0x01, false};
constexpr GreyRule kCanadaPlan{kPlans, 0x04, false};

constexpr std::string_view kOnOff = "GI_Sheet_Sel_Misc_OnOff";
constexpr std::string_view kAppear = "GI_Sheet_Sel_Misc_Appear";
constexpr std::string_view kAble = "GI_Sheet_Sel_Misc_Able";

using enum FixedFor;

constexpr BitSetting kBitSettings[] = {
    {122, 0x638, -1, "GI_Sheet_Sel_Beep", kNever, kNone, false},
    {123, 0x636, 2, "GI_Sheet_Sel_ScanF", kScan, kNone, false},
    {124, 0x64C, 2, kAppear, kScan, kNone, false},
    {125, 0x636, 3, kOnOff, kScan, kNone, false},
    {126, 0x64C, 3, kAppear, kScan, kNone, false},
    {127, 0x636, 4, kOnOff, kScan, kNone, false},
    {128, 0x64C, 1, kAppear, kScan, kNone, false},
    {129, 0x636, 1, kOnOff, kWeather, kOtherVariants, false},
    {130, 0x64C, 4, kAppear, kWeather, kOtherVariants, false},
    {131, 0x637, 2, "GI_Sheet_Sel_DualTri", kDualTri, kNone, false},
    {132, 0x64D, 3, kAppear, kDualTri, kNone, false},
    {133, 0x636, 0, "GI_Sheet_Sel_Moni", kNever, kNone, false},
    {134, 0x64C, 0, kAppear, kNever, kNone, false},
    {135, 0x636, 5, kOnOff, kNever, kNone, false},
    {136, 0x64D, 7, kAppear, kNever, kNone, false},
    {137, 0x637, 1, "GI_Sheet_Sel_Contrast", kNever, kNone, false},
    {139, 0x64D, 6, kAppear, kPowerSave, kNone, false},
    {140, 0x636, 7, kOnOff, kNever, kNone, false},
    {141, 0x64D, 5, kAppear, kNever, kNone, false},
    {142, 0x637, 0, kOnOff, kNever, kNone, false},
    {143, 0x64D, 4, kAppear, kNever, kNone, false},
    {145, 0x64E, 1, kAble, kNever, kUsaVariant, false},
    {146, 0x64E, 0, kAble, kUsaPlan, kUsaVariant, false},
    {147, 0x64E, 2, kAble, kCanadaPlan, kUsaVariant, false},
    {148, 0x64E, 3, "GI_Sheet_Sel_Misc_Accept", kNever, kUsaVariant, false},
    {210, 0x6D3, -1, kOnOff, kNever, kNone, false},
    {212, 0x6D4, -1, "GI_Sheet_Sel_SQLkey", kNever, kNone, false},
    {213, kPlans, 0, kOnOff, kNever, kNone, true},
    {214, kPlans, 2, kOnOff, kNever, kNone, true},
    {215, kPlans, 1, kOnOff, kNever, kOtherVariants, true},
    {219, kPlans, 4, kOnOff, kNever, kNone, false},
    {220, kFunctions, 7, kOnOff, kNever, kNone, false},
    {221, kFunctions, 5, kOnOff, kNever, kNone, false},
    {222, kFunctions, 0, "GI_Sheet_Sel_UserSetTxPow", kNever, kNone, false},
    {223, kFunctions, 6, kOnOff, kNever, kNone, false},
    {224, kPlans, 3, "GI_Sheet_Sel_Misc_I_Accept", kNever, kNone, false},
    {225, kPlans, 5, kOnOff, kNever, kNone, false},
    {226, kFunctions, 4, kOnOff, kNever, kNone, false},
    {227, kFunctions, 3, kOnOff, kNever, kNone, false},
    {228, kFunctions, 2, kOnOff, kNever, kNone, false},
    {229, 0x64D, 2, kAppear, kNever, kNone, false},
    {232, kPlans, 7, kOnOff, kNever, kNone, false},
    {233, kPlans, 6, kOnOff, kNever, kNone, false},
    {234, kFunctions, 1, kOnOff, kNever, kNone, false},
};

constexpr TimerSetting kTimerSettings[] = {
    {211, 0x6D2, false, 1, 1000, 60, 255, false},
    {230, 0x650, true, 10, 10, 20, 255, false},
    {231, 0x652, true, 100, 1, 0, 255, true},
    {238, 0x660, false, 1, 1000, 0, 255, false},
    {239, 0x661, false, 1, 1000, 0, 255, false},
    {240, 0x65F, false, 1, 1000, 0, 255, false},
    {241, 0x65E, false, 1, 1000, 60, 200, false},
    {242, 0x662, true, 10, 100, 80, 150, true},
    {243, 0x664, true, 1, 1, 1, 125, false},
    {244, 0x658, true, 10, 100, 1, 255, true},
    {245, 0x654, true, 10, 100, 1, 255, true},
    {246, 0x656, true, 10, 100, 1, 255, true},
};

struct ToneRow {
    std::int32_t kind;
    std::int32_t address;
};
constexpr ToneRow kTones[] = {
    {201, 0x670},
    {202, 0x672},
    {203, 0x674},
    {204, 0x676},
    {205, 0x678},
    {206, 0x66E},
    {207, 0x67E},
    {208, 0x67A},
    {209, 0x67C},
};

template <typename Row, std::size_t N> const Row* FindRow(const Row (&rows)[N], std::int32_t kind) {
    const auto* found =
        std::find_if(std::begin(rows), std::end(rows), [kind](const Row& row) { return row.kind == kind; });
    return found == std::end(rows) ? nullptr : found;
}

} // namespace

const BitSetting* FindBitSetting(std::int32_t kind) {
    return FindRow(kBitSettings, kind);
}

const TimerSetting* FindTimerSetting(std::int32_t kind) {
    return FindRow(kTimerSettings, kind);
}

std::int32_t ToneAddress(std::int32_t kind) {
    const ToneRow* row = FindRow(kTones, kind);
    return row == nullptr ? -1 : row->address;
}

} // namespace model::settings
