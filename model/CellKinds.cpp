#include "model/CellKinds.h"

#include "overlay/cmcHash.h"
#include "platform/Fault.h"

#include <array>
#include <string>
#include <utility>

namespace model {
namespace {

// clang-format off
constexpr std::array<std::string_view, kCategoryCount> kCategoryNames = {
    "CT_Null", "CT_PopupMenu", "CT_IntCh", "CT_UsaCh", "CT_CanCh", "CT_WxCh", "CT_FreeCh",
};

// Numbered by position; two names lack the CL_ prefix and two spell ALL in capitals, as the overlay
// writes them.
constexpr std::array<std::string_view, kKindCount> kKindNames = {
    "CL_Null", "Flex0", "CL_Sel_Mode_U", "CL_Sel_Mode_F", "CL_FBits", "CL_EeDebugWin_Adr", "CL_EeDebugWin_0",
    "CL_EeDebugWin_1", "CL_EeDebugWin_2", "CL_EeDebugWin_3", "CL_EeDebugWin_4", "CL_EeDebugWin_5",
    "CL_EeDebugWin_6", "CL_EeDebugWin_7", "CL_EeDebugWin_8", "CL_EeDebugWin_9", "CL_EeDebugWin_A",
    "CL_EeDebugWin_B", "CL_EeDebugWin_C", "CL_EeDebugWin_D", "CL_EeDebugWin_E", "CL_EeDebugWin_F",
    "CL_Free_Byte_Dec", "CL_Free_Byte_Hex", "CL_Free_DscId", "CL_Menu_File_New", "CL_Menu_File_Open",
    "CL_Menu_File_Save", "CL_Menu_File_SaveAs", "CL_Menu_File_Print_Current", "CL_Menu_File_Print_All",
    "CL_Menu_File_Recent", "CL_Menu_File_Exit", "CL_Menu_Edit_Top", "CL_Menu_View_FontSize",
    "CL_Menu_View_ToolBar", "CL_Menu_Port_Com", "CL_Menu_Port_Usb", "CL_Menu_Port_SpeedHigh", "CL_Menu_Clone_Read",
    "CL_Menu_Clone_Write", "CL_Menu_Clone_Info", "CL_Model", "CL_Help_About", "CL_Help_Contents",
    "CL_Menu_Debug_Compare", "CL_Menu_Debug_CorrectComp", "CL_Menu_Debug_Window", "CL_Menu_Debug_EeWindow",
    "CallSheet", "CL_Check_Int_ChInh", "CL_Check_Usa_ChInh", "CL_Check_Can_ChInh", "CL_Check_WX_ChInh",
    "CL_CloneInfo_Model", "CL_CloneInfo_Revision", "CL_CloneInfo_Comment", "CL_CloneInfo_BattType",
    "CL_PMenu_NoItem", "CL_PMenu_Edit", "CL_PMenu_Copy", "CL_PMenu_Paste", "CL_PMenu_CarryUp",
    "CL_PMenu_CarryDown", "CL_PMenu_Clear", "CL_PMenu_Delete", "CL_PMenu_Insert", "CL_Debug_Mtx_AbsCtrl",
    "CL_Debug_Mtx_Write", "CL_Debug_Mtx_Itu", "CL_Debug_Mtx_Gene", "CL_Debug_Mtx_Stmd", "CL_Debug_Mtx_Usas",
    "CL_Debug_Mtx_Txvs", "CL_Debug_Mtx_Trvs", "CL_Debug_Mtx_Amas", "CL_Debug_Mtx_Podn", "CL_Misc_ChNo_0Base",
    "CL_Misc_ChNo_1Base", "CL_Misc_QuarterPillar", "CL_CannotEdit", "CL_Dummy", "CL_Deb_Index", "CL_Deb_Kind",
    "CL_Deb_Adr", "CL_Deb_Id_Caller", "CL_Deb_Id_Distress", "CL_Deb_Cate", "CL_Deb_Tel1", "CL_Deb_Tel2",
    "CL_Deb_Mess0", "CL_Deb_Mess1", "CL_Deb_Mess2", "CL_Deb_Mess3", "CL_Deb_Mess4", "CL_Deb_Mess5", "CL_Deb_TimeH",
    "CL_Deb_TimeM", "CL_Deb_FreqT0", "CL_Deb_FreqT1", "CL_Deb_FreqT2", "CL_Deb_FreqR0", "CL_Deb_FreqR1",
    "CL_Deb_FreqR2", "CL_Deb_Form", "CL_Deb_Pos0", "CL_Deb_Pos1", "CL_Deb_Pos2", "CL_Deb_Pos3", "CL_Deb_Pos4",
    "CL_Deb_Yet", "CL_Deb_RxFrqNo", "CL_ChList_No", "CL_ChList_Atr", "CL_ChList_Tag", "CL_ChList_TxInh",
    "CL_ChList_Poc", "CL_ChList_Simp", "CL_WX_ChAtr", "CL_Fch_FreqR", "CL_Fch_FreqT", "CL_Fch_ChName",
    "CL_ComSet_Beep", "CL_ComSet_ScanF", "CL_ComSet_USetM_ScanF", "CL_ComSet_ScanT", "CL_ComSet_USetM_ScanT",
    "CL_ComSet_AutoScan", "CL_ComSet_USetM_AutoScan", "CL_ComSet_WxAlert", "CL_ComSet_USetM_WxAlert",
    "CL_ComSet_DualTri", "CL_ComSet_USetM_DualTri", "CL_ComSet_Moni", "CL_ComSet_USetM_Moni",
    "CL_ComSet_Backlight", "CL_ComSet_USetM_Backlight", "CL_ComSet_Contrast", "CL_ComSet_PowerSave",
    "CL_ComSet_USetM_PowerSave", "CL_ComSet_SelfCheck", "CL_ComSet_USetM_SelfCheck", "CL_ComSet_BattV",
    "CL_ComSet_USetM_BattV", "CL_ComAtis_AtisId", "CL_ComAtis_IntCh", "CL_ComAtis_UsaCh", "CL_ComAtis_CanCh",
    "CL_ComAtis_TxnoAtis", "CL_ComDsc_SelfId", "CL_ComDsc_IntCh", "CL_ComDsc_UsaCh", "CL_ComDsc_CanCh",
    "CL_ComDsc_CallRepeatF", "CL_ComDsc_CancelAckF", "CL_ComDsc_IndvAckF", "CL_ComDsc_PositionRequestF",
    "CL_ComDsc_PollingRequestF", "CL_ComDsc_AutoAck", "CL_ComDsc_AutoAckF", "CL_ComDsc_NmeaOutput",
    "CL_ComDsc_TimeOffset", "CL_ComDsc_TX_Distress", "CL_ComDsc_TX_Urgency", "CL_ComDsc_TX_Safety",
    "CL_ComDsc_TX_Routine", "CL_ComDsc_RX_Distress", "CL_ComDsc_RX_Urgency", "CL_ComDsc_RX_Safety",
    "CL_ComDsc_RX_Routine", "CL_ComDsc_AllCall_Distress", "CL_ComDsc_AllCall_Urgency", "CL_ComDsc_ALLCall_Safety",
    "CL_ComDsc_AllCall_Routine", "CL_ComDsc_AllCall_ChCall", "CL_ComDsc_AllCall_Distress_Pow",
    "CL_ComDsc_AllCall_Urgency_Pow", "CL_ComDsc_ALLCall_Safety_Pow", "CL_ComDsc_AllCall_Routine_Pow",
    "CL_ComDsc_AllCall_ChCall_Pow", "CL_ComDsc_IndvCall_Distress", "CL_ComDsc_IndvCall_Urgency",
    "CL_ComDsc_IndvCall_Safety", "CL_ComDsc_IndvCall_Routine", "CL_ComDsc_IndvCall_ChCall",
    "CL_ComDsc_IndvCall_Distress_Pow", "CL_ComDsc_IndvCall_Urgency_Pow", "CL_ComDsc_IndvCall_Safety_Pow",
    "CL_ComDsc_IndvCall_Routine_Pow", "CL_ComDsc_IndvCall_ChCall_Pow", "CL_ComDsc_GroupCall_Distress",
    "CL_ComDsc_GroupCall_Urgency", "CL_ComDsc_GroupCall_Safety", "CL_ComDsc_GroupCall_Routine",
    "CL_ComDsc_GroupCall_ChCall", "CL_ComDsc_GroupCall_Distress_Pow", "CL_ComDsc_GroupCall_Urgency_Pow",
    "CL_ComDsc_GroupCall_Safety_Pow", "CL_ComDsc_GroupCall_Routine_Pow", "CL_ComDsc_GroupCall_ChCall_Pow",
    "CL_ComCom_CloneComment", "CL_ComCom_Beep_UP", "CL_ComCom_Beep_Down", "CL_ComCom_Beep_16", "CL_ComCom_Beep_WX",
    "CL_ComCom_Beep_SQL", "CL_ComCom_Beep_VOLU", "CL_ComCom_Beep_VOLD", "CL_ComCom_Beep_SCAN", "CL_ComCom_Beep_HL",
    "CL_ComCom_VolBeep", "CL_ComCom_VolTimer", "CL_ComCom_SQLKey", "CL_ComExp_Usa", "CL_ComExp_Canada",
    "CL_ComExp_Wx", "CL_ComExp_LcdInt", "CL_ComExp_LcdUsa", "CL_ComExp_LcdCan", "CL_ComExp_ScanF",
    "CL_ComExp_DualWatchF", "CL_ComExp_TriWatchF", "CL_ComExp_TxPower", "CL_ComExp_TotFun", "CL_ComExp_PttScan",
    "CL_ComExp_BandEx", "CL_ComExp_PSave_CH", "CL_ComExp_PSave_Scan", "CL_ComExp_PSave_DualTri",
    "CL_ComExp_PSave_Continuation", "CL_ComExp_PSave_1stTimer", "CL_ComExp_PSave_2ndTimer", "CL_MakerR_UsaIni",
    "CL_MakerR_TA", "CL_MakerR_AdjMode", "CL_MakerR_AtisAmp13", "CL_MakerR_AtisAmp21", "CL_MakerR_TotTimer",
    "CL_MakerR_TxmTimer", "CL_MakerR_RxmTimer", "CL_MakerR_TraTimer", "CL_MakerR_ScanSpeed",
    "CL_MakerR_DwTw_Timer", "CL_MakerR_Auto_Scan_Timer", "CL_MakerR_PS_OFF_Timer", "CL_MakerR_PS_ON_Timer1",
    "CL_MakerR_PS_ON_Timer2", "CL_MakerR_BeepAmp", "CL_MakerR_Ref", "CL_MakerR_High", "CL_MakerR_Low",
    "CL_MakerR_ELow", "CL_MakerR_Deviation", "CL_MakerR_Noise", "CL_MakerR_AF", "CL_MakerR_Beep",
};
// clang-format on

// This program's own command kinds, from kFirstProgramKind on.
constexpr std::array<std::string_view, kProgramKindEnd - kFirstProgramKind> kProgramKindNames = {
    "CL_Menu_File_ExportCh",
    "CL_Menu_File_ImportCh",
    "CL_Menu_File_Backups",
    "CL_Menu_Edit_Undo",
    "CL_Menu_Edit_Redo",
    "CL_Menu_Opt_CheckWrite",
};

// Plan code per category 0 to 7 (7: no category).
constexpr std::array<int, 8> kPlanOfCategory = {
    kPlanNone, kPlanNone, kPlanInternational, kPlanUsa, kPlanCanada, kPlanWeather, kPlanFree, kPlanNone};

// The one table both name lists share, so every name in both is distinct (a duplicate is the table's
// own fault). Created on first use and kept to the end of the process.
cmcHash& NameTable() {
    static cmcHash table(0);
    return table;
}

// Adds `names` to the table, numbered from `first`.
template <std::size_t N> void Register(const std::array<std::string_view, N>& names, std::uint32_t first = 0) {
    for (std::size_t i = 0; i < N; ++i) {
        NameTable().Add(names[i], first + static_cast<std::uint32_t>(i));
    }
}

// The number of `name` when `nameOf` of that number gives it back, else the fault.
template <typename NameOf> std::int32_t Lookup(std::string_view name, NameOf nameOf, const char* fault) {
    const cmcHash::Entry* entry = NameTable().Find(name);
    // The table holds both lists: a category name is no kind name and the other way round.
    if (entry == nullptr || nameOf(static_cast<std::int32_t>(entry->value)) != name) {
        platform::Fault(std::string(fault) + "\n'" + std::string(name) + "'");
    }
    return static_cast<std::int32_t>(entry->value);
}

bool g_categoriesRegistered = false;
bool g_kindsRegistered = false;

} // namespace

std::string_view CategoryName(std::int32_t number) {
    return number >= 0 && number < kCategoryCount ? kCategoryNames[static_cast<std::size_t>(number)]
                                                  : std::string_view();
}

std::string_view KindName(std::int32_t number) {
    if (number >= kFirstProgramKind && number < kProgramKindEnd) {
        return kProgramKindNames[static_cast<std::size_t>(number - kFirstProgramKind)];
    }
    return number >= 0 && number < kKindCount ? kKindNames[static_cast<std::size_t>(number)] : std::string_view();
}

std::int32_t CategoryFromName(std::string_view name) {
    if (!std::exchange(g_categoriesRegistered, true)) {
        Register(kCategoryNames);
    }
    if (name.empty()) {
        return kNoCategory;
    }
    return Lookup(name, CategoryName, "Cannot use the specified category.");
}

std::int32_t KindFromName(std::string_view name) {
    if (!std::exchange(g_kindsRegistered, true)) {
        Register(kKindNames);
        Register(kProgramKindNames, kFirstProgramKind);
    }
    if (name.empty()) {
        return kNoKind;
    }
    return Lookup(name, KindName, "Cannot use the specified cell.");
}

int PlanOfCategory(std::int32_t category) {
    if (category < 0 || category > kNoCategory) {
        platform::Fault("Unknown Cell Category. (" + std::to_string(category) + ")");
    }
    return kPlanOfCategory[static_cast<std::size_t>(category)];
}

} // namespace model
