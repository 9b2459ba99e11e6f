#pragma once

#include <cstdint>
#include <string_view>

// Channel plans of the radio and where their channel lists lie in the memory image. Only the model
// layer uses these addresses.
namespace model {

// Plan codes, as the channel record takes them.
inline constexpr std::uint8_t kPlanNone = 0;
inline constexpr std::uint8_t kPlanInternational = 1;
inline constexpr std::uint8_t kPlanUsa = 2;
inline constexpr std::uint8_t kPlanCanada = 3;
inline constexpr std::uint8_t kPlanWeather = 4;
inline constexpr std::uint8_t kPlanFree = 5;

// Rows of the International, USA and Canada lists: 0..233 are marine channel numbers 0..116 (odd rows
// carry the suffix "A"), 234..303 stand for the free channels 0..69.
inline constexpr int kPlanRowCount = 304;
inline constexpr int kFirstFreeRow = 234;
inline constexpr int kWeatherCount = 10;
inline constexpr int kFreeChannelCount = 70;

// Attribute blocks of 304 bytes: block 0 USA, 1 International, 2 Canada.
inline constexpr std::int32_t kAttributeBlockSize = 304;
// Free channel records of 8 bytes: word RX step, word TX step, 3 name bytes, 1 byte kept by the factory.
inline constexpr std::int32_t kFreeRecordBase = 0x390;
inline constexpr std::int32_t kFreeRecordSize = 8;
inline constexpr int kFreeNameLength = 3;
// The characters a free channel's name may hold, as the radio's display shows them: the first two
// places take the lead set, the last place the last set (the space included in both).
inline constexpr std::string_view kNameLeadChars = "AabCcdEFGHhIiJLnOoPrStUuy-=0123456789 ";
inline constexpr std::string_view kNameLastChars = "Ab ";
// Word per block: the row of the plan's mark B ("C") and mark A ("P").
inline constexpr std::int32_t kMarkBBase = 0x630;
inline constexpr std::int32_t kMarkABase = 0x640;
// Word: one bit per weather channel, set when the channel is inhibited.
inline constexpr std::int32_t kWeatherBits = 0x646;

// Free channel frequencies: the receive step counts from 21.7 MHz (the receiver's intermediate
// frequency), the transmit step from 0, both in 6.25 kHz.
inline constexpr std::uint32_t kFreeStepHz = 6250;
inline constexpr std::uint32_t kFreeRxOffsetHz = 21'700'000;

// Attribute byte bits of plans 1 to 3 that the channel record carries. Bits 0, 3 and 4 belong to the
// factory data and are never written by the record.
inline constexpr std::uint8_t kAttrInhibited = 0x80;
inline constexpr std::uint8_t kAttrTagged = 0x40;
inline constexpr std::uint8_t kAttrPoc = 0x20;
inline constexpr std::uint8_t kAttrTxInhibit = 0x04;
inline constexpr std::uint8_t kAttrSimplex = 0x02;
inline constexpr std::uint8_t kAttrUserBits = kAttrInhibited | kAttrTagged | kAttrPoc | kAttrTxInhibit | kAttrSimplex;
// The factory bits, as this program's initial files use them.
inline constexpr std::uint8_t kAttrFactoryLowPower = 0x01; // transmit power limited to 1 W
inline constexpr std::uint8_t kAttrFactoryRxOnly = 0x08;   // receive-only channel of the plan
inline constexpr std::uint8_t kAttrFactoryDsc = 0x10;      // digital selective calling only, no voice

// True for plans 1 to 3 (one attribute byte per row).
constexpr bool IsChannelListPlan(int plan) {
    return plan >= kPlanInternational && plan <= kPlanCanada;
}

// Attribute block of plans 1 to 3: 1 International, 0 USA, 2 Canada; -1 for the other plans.
constexpr int BlockOfPlan(int plan) {
    switch (plan) {
    case kPlanInternational:
        return 1;
    case kPlanUsa:
        return 0;
    case kPlanCanada:
        return 2;
    default:
        return -1;
    }
}

// Image address of the attribute byte of `row` in plans 1 to 3.
constexpr std::int32_t AttributeAddress(int plan, int row) {
    return BlockOfPlan(plan) * kAttributeBlockSize + row;
}

// True for the row of an "A" channel (odd, below 234): simplex by its number, whatever its byte says.
constexpr bool IsARow(int row) {
    return row % 2 == 1 && row < kFirstFreeRow;
}

// Rows of a plan's list: 304 for plans 1 to 3, 10 weather, 70 free, 0 for the others.
constexpr int RowCountOfPlan(int plan) {
    if (IsChannelListPlan(plan)) {
        return kPlanRowCount;
    }
    if (plan == kPlanWeather) {
        return kWeatherCount;
    }
    return plan == kPlanFree ? kFreeChannelCount : 0;
}

} // namespace model
