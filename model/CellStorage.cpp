#include "model/CellStorage.h"

#include "model/CellKinds.h"
#include "model/CellRange.h"
#include "model/ImageMap.h"
#include "model/SettingsTable.h"

namespace model {
namespace {

constexpr std::uint8_t kWholeByte = 0xFF;

constexpr std::uint8_t BitMask(int bit) {
    return static_cast<std::uint8_t>(1U << bit);
}

void AddBytes(std::vector<StoredBits>& bits, std::int32_t address, int count) {
    for (int i = 0; i < count; ++i) {
        bits.push_back({address + i, kWholeByte});
    }
}

std::int32_t FreeRecord(std::int32_t channel) {
    return kFreeRecordBase + kFreeRecordSize * channel;
}

// A free channel row's name as the channel lists show it (rows 234 to 303 of plans 1 to 3).
bool ShowsFreeName(std::int32_t category, std::int32_t kind, std::int32_t index) {
    return kind == CL_ChList_No && IsChannelListPlan(PlanOfCategory(category)) && index >= kFirstFreeRow;
}

std::vector<StoredBits> ChannelStorage(int plan, std::int32_t kind, std::int32_t index) {
    std::vector<StoredBits> bits;
    const auto attribute = [&](std::uint8_t mask) { bits.push_back({AttributeAddress(plan, index), mask}); };
    switch (kind) {
    case CL_ChList_No:
        if (index >= kFirstFreeRow) {
            AddBytes(bits, FreeRecord(index - kFirstFreeRow) + 4, kFreeNameLength);
        }
        break;
    case CL_ChList_Atr:
        AddBytes(bits, kMarkABase + 2 * BlockOfPlan(plan), 2);
        AddBytes(bits, kMarkBBase + 2 * BlockOfPlan(plan), 2);
        attribute(kAttrInhibited);
        break;
    case CL_ChList_Tag:
        attribute(kAttrTagged);
        break;
    case CL_ChList_TxInh:
        attribute(kAttrTxInhibit);
        break;
    case CL_ChList_Poc:
        attribute(kAttrPoc);
        break;
    case CL_ChList_Simp:
        attribute(kAttrSimplex);
        break;
    case CL_WX_ChAtr:
        bits.push_back({kWeatherBits + index / 8, BitMask(index % 8)});
        break;
    case CL_Fch_FreqR:
        AddBytes(bits, FreeRecord(index), 2);
        break;
    case CL_Fch_FreqT:
        AddBytes(bits, FreeRecord(index) + 2, 2);
        break;
    case CL_Fch_ChName:
        AddBytes(bits, FreeRecord(index) + 4, kFreeNameLength);
        break;
    default:
        break;
    }
    return bits;
}

std::vector<StoredBits> SettingStorage(std::int32_t kind, std::int32_t index) {
    if (const settings::BitSetting* row = settings::FindBitSetting(kind)) {
        return {{row->address, row->bit < 0 ? kWholeByte : BitMask(row->bit)}};
    }
    std::vector<StoredBits> bits;
    if (const settings::TimerSetting* timer = settings::FindTimerSetting(kind)) {
        AddBytes(bits, timer->address, timer->word ? 2 : 1);
        return bits;
    }
    if (const std::int32_t tone = settings::ToneAddress(kind); tone >= 0) {
        AddBytes(bits, tone, 2);
        return bits;
    }
    switch (kind) {
    case CL_Free_Byte_Dec:
        bits.push_back({index, kWholeByte});
        break;
    case CL_ComSet_PowerSave:
        bits.push_back({kSettings1, BitMask(6)});
        bits.push_back({kSettings2, BitMask(3)});
        break;
    case CL_ComAtis_AtisId:
        AddBytes(bits, kAtisId, kAtisIdBytes + 1); // the digits and their check byte
        break;
    case CL_ComCom_CloneComment:
        AddBytes(bits, kCommentAddress, kCommentLength);
        break;
    case CL_ComExp_LcdInt:
    case CL_ComExp_LcdUsa:
    case CL_ComExp_LcdCan: {
        const int bit = kind == CL_ComExp_LcdInt ? 1 : kind == CL_ComExp_LcdUsa ? 0 : 2;
        bits.push_back({kLcdA, BitMask(bit)});
        bits.push_back({kLcdB, BitMask(bit)});
        break;
    }
    case CL_MakerR_AtisAmp13:
        bits.push_back({settings::kAtisAmp13, kWholeByte});
        break;
    case CL_MakerR_AtisAmp21:
        bits.push_back({settings::kAtisAmp21, kWholeByte});
        break;
    case CL_MakerR_TotTimer:
        AddBytes(bits, settings::kTotTimer, 2);
        break;
    case CL_MakerR_BeepAmp:
        bits.push_back({settings::kBeepAmp, kWholeByte});
        break;
    default:
        break;
    }
    return bits;
}

} // namespace

std::vector<StoredBits> CellStorage(std::int32_t category, std::int32_t kind, std::int32_t index) {
    if (!RangeOfKind(kind).Takes(category, index)) {
        return {};
    }
    const int plan = PlanOfCategory(category);
    if (kind >= CL_ChList_No && kind <= CL_Fch_ChName && plan != kPlanNone) {
        return ChannelStorage(plan, kind, index);
    }
    return SettingStorage(kind, index);
}

bool IsStoredTextCell(std::int32_t category, std::int32_t kind, std::int32_t index) {
    if (!RangeOfKind(kind).Takes(category, index)) {
        return false;
    }
    return kind == CL_Fch_ChName || kind == CL_ComCom_CloneComment || ShowsFreeName(category, kind, index);
}

} // namespace model
