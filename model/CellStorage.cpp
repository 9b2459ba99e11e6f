#include "model/CellStorage.h"

#include "model/CellKinds.h"
#include "model/CellRange.h"
#include "model/ImageMap.h"
#include "model/SettingsTable.h"

namespace model {
namespace {

constexpr std::uint8_t kWholeByte = 0xFF;

enum Kind : std::int32_t {
    kFreeByteDec = 22,
    kChannelNumber = 112,
    kMarks = 113,
    kTag = 114,
    kTxInhibit = 115,
    kPoc = 116,
    kSimplex = 117,
    kWeather = 118,
    kFreqR = 119,
    kFreqT = 120,
    kName = 121,
    kPowerSave = 138,
    kAtisIdentity = 144,
    kComment = 200,
    kLcdInt = 216,
    kLcdUsa = 217,
    kLcdCan = 218,
    kAtisAmp13 = 235,
    kAtisAmp21 = 236,
    kTotTimer = 237,
    kBeepAmp = 247,
};

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
    return kind == kChannelNumber && IsChannelListPlan(PlanOfCategory(category)) && index >= kFirstFreeRow;
}

std::vector<StoredBits> ChannelStorage(int plan, std::int32_t kind, std::int32_t index) {
    std::vector<StoredBits> bits;
    const auto attribute = [&](std::uint8_t mask) { bits.push_back({AttributeAddress(plan, index), mask}); };
    switch (kind) {
    case kChannelNumber:
        if (index >= kFirstFreeRow) {
            AddBytes(bits, FreeRecord(index - kFirstFreeRow) + 4, kFreeNameLength);
        }
        break;
    case kMarks:
        AddBytes(bits, kMarkABase + 2 * BlockOfPlan(plan), 2);
        AddBytes(bits, kMarkBBase + 2 * BlockOfPlan(plan), 2);
        attribute(kAttrInhibited);
        break;
    case kTag:
        attribute(kAttrTagged);
        break;
    case kTxInhibit:
        attribute(kAttrTxInhibit);
        break;
    case kPoc:
        attribute(kAttrPoc);
        break;
    case kSimplex:
        attribute(kAttrSimplex);
        break;
    case kWeather:
        bits.push_back({kWeatherBits + index / 8, BitMask(index % 8)});
        break;
    case kFreqR:
        AddBytes(bits, FreeRecord(index), 2);
        break;
    case kFreqT:
        AddBytes(bits, FreeRecord(index) + 2, 2);
        break;
    case kName:
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
    case kFreeByteDec:
        bits.push_back({index, kWholeByte});
        break;
    case kPowerSave:
        bits.push_back({kSettings1, BitMask(6)});
        bits.push_back({kSettings2, BitMask(3)});
        break;
    case kAtisIdentity:
        AddBytes(bits, kAtisId, kAtisIdBytes + 1); // the digits and their check byte
        break;
    case kComment:
        AddBytes(bits, kCommentAddress, kCommentLength);
        break;
    case kLcdInt:
    case kLcdUsa:
    case kLcdCan: {
        const int bit = kind == kLcdInt ? 1 : kind == kLcdUsa ? 0 : 2;
        bits.push_back({kLcdA, BitMask(bit)});
        bits.push_back({kLcdB, BitMask(bit)});
        break;
    }
    case kAtisAmp13:
        bits.push_back({settings::kAtisAmp13, kWholeByte});
        break;
    case kAtisAmp21:
        bits.push_back({settings::kAtisAmp21, kWholeByte});
        break;
    case kTotTimer:
        AddBytes(bits, settings::kTotTimer, 2);
        break;
    case kBeepAmp:
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
    if (kind >= kChannelNumber && kind <= kName && plan != kPlanNone) {
        return ChannelStorage(plan, kind, index);
    }
    return SettingStorage(kind, index);
}

bool IsStoredTextCell(std::int32_t category, std::int32_t kind, std::int32_t index) {
    if (!RangeOfKind(kind).Takes(category, index)) {
        return false;
    }
    return kind == kName || kind == kComment || ShowsFreeName(category, kind, index);
}

} // namespace model
