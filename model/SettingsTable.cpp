#include "model/SettingsTable.h"

#include "model/CellKinds.h"
#include "model/ImageMap.h"

#include <algorithm>
#include <iterator>

namespace model::settings {
namespace {

constexpr GreyRule kNever{};
constexpr GreyRule kScan{kPlansAddress, 0x10, false};
constexpr GreyRule kWeather{kPlansAddress, 0x02, false};
constexpr GreyRule kDualTri{kFunctions, 0xA0, true};
constexpr GreyRule kPowerSave{kFunctions, 0x1C, false};
constexpr GreyRule kUsaPlan{kPlansAddress, 0x01, false};
constexpr GreyRule kCanadaPlan{kPlansAddress, 0x04, false};

constexpr std::string_view kOnOff = "GI_Sheet_Sel_Misc_OnOff";
constexpr std::string_view kAppear = "GI_Sheet_Sel_Misc_Appear";
constexpr std::string_view kAble = "GI_Sheet_Sel_Misc_Able";

using enum FixedFor;

constexpr BitSetting kBitSettings[] = {
    {CL_ComSet_Beep, kBeep, -1, "GI_Sheet_Sel_Beep", kNever, kNone, false},
    {CL_ComSet_ScanF, kSettings1, 2, "GI_Sheet_Sel_ScanF", kScan, kNone, false},
    {CL_ComSet_USetM_ScanF, kUserSetMode1, 2, kAppear, kScan, kNone, false},
    {CL_ComSet_ScanT, kSettings1, 3, kOnOff, kScan, kNone, false},
    {CL_ComSet_USetM_ScanT, kUserSetMode1, 3, kAppear, kScan, kNone, false},
    {CL_ComSet_AutoScan, kSettings1, 4, kOnOff, kScan, kNone, false},
    {CL_ComSet_USetM_AutoScan, kUserSetMode1, 1, kAppear, kScan, kNone, false},
    {CL_ComSet_WxAlert, kSettings1, 1, kOnOff, kWeather, kOtherVariants, false},
    {CL_ComSet_USetM_WxAlert, kUserSetMode1, 4, kAppear, kWeather, kOtherVariants, false},
    {CL_ComSet_DualTri, kSettings2, 2, "GI_Sheet_Sel_DualTri", kDualTri, kNone, false},
    {CL_ComSet_USetM_DualTri, kUserSetMode2, 3, kAppear, kDualTri, kNone, false},
    {CL_ComSet_Moni, kSettings1, 0, "GI_Sheet_Sel_Moni", kNever, kNone, false},
    {CL_ComSet_USetM_Moni, kUserSetMode1, 0, kAppear, kNever, kNone, false},
    {CL_ComSet_Backlight, kSettings1, 5, kOnOff, kNever, kNone, false},
    {CL_ComSet_USetM_Backlight, kUserSetMode2, 7, kAppear, kNever, kNone, false},
    {CL_ComSet_Contrast, kSettings2, 1, "GI_Sheet_Sel_Contrast", kNever, kNone, false},
    {CL_ComSet_USetM_PowerSave, kUserSetMode2, 6, kAppear, kPowerSave, kNone, false},
    {CL_ComSet_SelfCheck, kSettings1, 7, kOnOff, kNever, kNone, false},
    {CL_ComSet_USetM_SelfCheck, kUserSetMode2, 5, kAppear, kNever, kNone, false},
    {CL_ComSet_BattV, kSettings2, 0, kOnOff, kNever, kNone, false},
    {CL_ComSet_USetM_BattV, kUserSetMode2, 4, kAppear, kNever, kNone, false},
    {CL_ComAtis_IntCh, kAtisFunctions, 1, kAble, kNever, kUsaVariant, false},
    {CL_ComAtis_UsaCh, kAtisFunctions, 0, kAble, kUsaPlan, kUsaVariant, false},
    {CL_ComAtis_CanCh, kAtisFunctions, 2, kAble, kCanadaPlan, kUsaVariant, false},
    {CL_ComAtis_TxnoAtis, kAtisFunctions, 3, "GI_Sheet_Sel_Misc_Accept", kNever, kUsaVariant, false},
    {CL_ComCom_VolBeep, 0x6D3, -1, kOnOff, kNever, kNone, false},
    {CL_ComCom_SQLKey, 0x6D4, -1, "GI_Sheet_Sel_SQLkey", kNever, kNone, false},
    {CL_ComExp_Usa, kPlansAddress, 0, kOnOff, kNever, kNone, true},
    {CL_ComExp_Canada, kPlansAddress, 2, kOnOff, kNever, kNone, true},
    {CL_ComExp_Wx, kPlansAddress, 1, kOnOff, kNever, kOtherVariants, true},
    {CL_ComExp_ScanF, kPlansAddress, 4, kOnOff, kNever, kNone, false},
    {CL_ComExp_DualWatchF, kFunctions, 7, kOnOff, kNever, kNone, false},
    {CL_ComExp_TriWatchF, kFunctions, 5, kOnOff, kNever, kNone, false},
    {CL_ComExp_TxPower, kFunctions, 0, "GI_Sheet_Sel_UserSetTxPow", kNever, kNone, false},
    {CL_ComExp_TotFun, kFunctions, 6, kOnOff, kNever, kNone, false},
    {CL_ComExp_PttScan, kPlansAddress, 3, "GI_Sheet_Sel_Misc_I_Accept", kNever, kNone, false},
    {CL_ComExp_BandEx, kPlansAddress, 5, kOnOff, kNever, kNone, false},
    {CL_ComExp_PSave_CH, kFunctions, 4, kOnOff, kNever, kNone, false},
    {CL_ComExp_PSave_Scan, kFunctions, 3, kOnOff, kNever, kNone, false},
    {CL_ComExp_PSave_DualTri, kFunctions, 2, kOnOff, kNever, kNone, false},
    {CL_ComExp_PSave_Continuation, kUserSetMode2, 2, kAppear, kNever, kNone, false},
    {CL_MakerR_UsaIni, kPlansAddress, 7, kOnOff, kNever, kNone, false},
    {CL_MakerR_TA, kPlansAddress, 6, kOnOff, kNever, kNone, false},
    {CL_MakerR_AdjMode, kFunctions, 1, kOnOff, kNever, kNone, false},
};

constexpr TimerSetting kTimerSettings[] = {
    {CL_ComCom_VolTimer, 0x6D2, false, 1, 1000, 60, 255, false},
    {CL_ComExp_PSave_1stTimer, 0x650, true, 10, 10, 20, 255, false},
    {CL_ComExp_PSave_2ndTimer, 0x652, true, 100, 1, 0, 255, true},
    {CL_MakerR_TxmTimer, 0x660, false, 1, 1000, 0, 255, false},
    {CL_MakerR_RxmTimer, 0x661, false, 1, 1000, 0, 255, false},
    {CL_MakerR_TraTimer, 0x65F, false, 1, 1000, 0, 255, false},
    {CL_MakerR_ScanSpeed, 0x65E, false, 1, 1000, 60, 200, false},
    {CL_MakerR_DwTw_Timer, 0x662, true, 10, 100, 80, 150, true},
    {CL_MakerR_Auto_Scan_Timer, 0x664, true, 1, 1, 1, 125, false},
    {CL_MakerR_PS_OFF_Timer, 0x658, true, 10, 100, 1, 255, true},
    {CL_MakerR_PS_ON_Timer1, 0x654, true, 10, 100, 1, 255, true},
    {CL_MakerR_PS_ON_Timer2, 0x656, true, 10, 100, 1, 255, true},
};

struct ToneRow {
    std::int32_t kind;
    std::int32_t address;
};
constexpr ToneRow kTones[] = {
    {CL_ComCom_Beep_UP, 0x670},
    {CL_ComCom_Beep_Down, 0x672},
    {CL_ComCom_Beep_16, 0x674},
    {CL_ComCom_Beep_WX, 0x676},
    {CL_ComCom_Beep_SQL, 0x678},
    {CL_ComCom_Beep_VOLU, 0x66E},
    {CL_ComCom_Beep_VOLD, 0x67E},
    {CL_ComCom_Beep_SCAN, 0x67A},
    {CL_ComCom_Beep_HL, 0x67C},
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
