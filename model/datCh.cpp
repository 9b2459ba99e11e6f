#include "model/datCh.h"

#include "model/ChannelPlan.h"
#include "model/ImageWords.h"
#include "platform/Fault.h"

using namespace model;

namespace {

bool IsRowOfPlan(int plan, std::int32_t index) {
    return index >= 0 && index < RowCountOfPlan(plan);
}

std::int32_t FreeRecordAddress(std::int32_t index) {
    return kFreeRecordBase + kFreeRecordSize * index;
}

} // namespace

datCh::datCh(cmcEeprom& image) : Image(&image) {
    Reset();
}

cmcEeprom& datCh::BoundImage() const {
    if (Image == nullptr) {
        platform::Fault("Channel record used without an image.");
    }
    return *Image;
}

void datCh::ClearFields() {
    Plan = 0;
    ChIndex = 0;
    MarkA = MarkB = false;
    Inhibited = Tagged = TxInhibit = Poc = Simplex = false;
    Loaded = RxBlank = TxBlank = false;
    RxHz = TxHz = 0;
    Name = {};
}

void datCh::Reset() {
    ClearFields();
    Loaded = true;
}

void datCh::Blank(std::uint8_t plan, std::int32_t index) {
    ClearFields();
    Plan = plan;
    ChIndex = index;
    RxBlank = TxBlank = true;
}

void datCh::Load(std::uint8_t plan, std::int32_t index) {
    Reset();
    Plan = plan;
    ChIndex = index;
    // A row outside the plan's list would read bytes of another list or beyond the image: it loads as
    // a reset record.
    if (!IsRowOfPlan(plan, index)) {
        return;
    }
    if (IsChannelListPlan(plan)) {
        LoadListRow(plan, index);
    } else if (plan == kPlanWeather) {
        Inhibited = ((GetWord(BoundImage(), kWeatherBits) >> index) & 1U) != 0;
    } else if (plan == kPlanFree) {
        LoadFree(index);
    }
}

void datCh::LoadListRow(int plan, std::int32_t index) {
    const cmcEeprom& image = BoundImage();
    const int block = BlockOfPlan(plan);
    const std::uint8_t a = image.GetByte(AttributeAddress(plan, index));
    MarkA = GetWord(image, kMarkABase + 2 * block) == index;
    MarkB = GetWord(image, kMarkBBase + 2 * block) == index;
    Inhibited = (a & kAttrInhibited) != 0;
    Tagged = (a & kAttrTagged) != 0;
    TxInhibit = (a & kAttrTxInhibit) != 0;
    Poc = (a & kAttrPoc) != 0;
    // "A" channels are simplex by definition, whatever their byte says.
    Simplex = IsARow(index) || (a & kAttrSimplex) != 0;
}

void datCh::LoadFree(std::int32_t index) {
    const cmcEeprom& image = BoundImage();
    const std::int32_t at = FreeRecordAddress(index);
    const std::uint16_t rxStep = GetWord(image, at);
    const std::uint16_t txStep = GetWord(image, at + 2);
    RxHz = rxStep * kFreeStepHz + kFreeRxOffsetHz;
    TxHz = txStep * kFreeStepHz;
    // Step 0 is the empty form of the factory data (21.7 MHz and 0 Hz are no channel of the radio).
    RxBlank = rxStep == 0;
    TxBlank = txStep == 0;
    for (int i = 0; i < kFreeNameLength; ++i) {
        Name[static_cast<std::size_t>(i)] = image.GetByte(at + 4 + i);
    }
}

void datCh::Store(std::uint8_t plan, std::int32_t index) {
    const int target = plan == 0 ? Plan : plan;
    ChIndex = index;
    if (!IsRowOfPlan(target, index)) {
        return;
    }
    if (IsChannelListPlan(target)) {
        StoreListRow(target, index);
    } else if (target == kPlanWeather) {
        cmcEeprom& image = BoundImage();
        const auto bit = static_cast<std::uint16_t>(1U << index);
        const std::uint16_t word = GetWord(image, kWeatherBits);
        SetWord(image, kWeatherBits, static_cast<std::uint16_t>(Inhibited ? (word | bit) : (word & ~bit)));
    } else if (target == kPlanFree) {
        StoreFree(index);
    }
}

void datCh::StoreListRow(int plan, std::int32_t index) {
    cmcEeprom& image = BoundImage();
    const int block = BlockOfPlan(plan);
    if (MarkA) {
        SetWord(image, kMarkABase + 2 * block, static_cast<std::uint16_t>(index));
    }
    if (MarkB) {
        SetWord(image, kMarkBBase + 2 * block, static_cast<std::uint16_t>(index));
    }
    const std::int32_t address = AttributeAddress(plan, index);
    auto a = static_cast<std::uint8_t>(image.GetByte(address) & ~kAttrUserBits);
    a |= Inhibited ? kAttrInhibited : 0;
    a |= Tagged ? kAttrTagged : 0;
    a |= TxInhibit ? kAttrTxInhibit : 0;
    a |= Poc ? kAttrPoc : 0;
    a |= Simplex ? kAttrSimplex : 0;
    image.SetByte(address, a);
}

void datCh::StoreFree(std::int32_t index) {
    cmcEeprom& image = BoundImage();
    const std::int32_t at = FreeRecordAddress(index);
    // Unsigned 32-bit arithmetic kept in 16 bits, as the radio's records hold it. A blank frequency is
    // stored as step 0, the empty form, never as the step of a frequency below the offset (which would
    // wrap round to 198.9625 MHz).
    SetWord(image, at, RxBlank ? 0 : static_cast<std::uint16_t>((RxHz - kFreeRxOffsetHz) / kFreeStepHz));
    SetWord(image, at + 2, TxBlank ? 0 : static_cast<std::uint16_t>(TxHz / kFreeStepHz));
    // A record made by Blank (the Clear of a row) has the blank name of the factory data: spaces. A
    // loaded record writes its name bytes back as they were read, NUL bytes included.
    for (int i = 0; i < kFreeNameLength; ++i) {
        const std::uint8_t byte = Name[static_cast<std::size_t>(i)];
        image.SetByte(at + 4 + i, byte == 0 && RxBlank && !Loaded ? ' ' : byte);
    }
    // The free channel's rows in the three channel lists follow its simplex state.
    const bool simplex = !RxBlank && !TxBlank && RxHz == TxHz;
    for (const int plan : {kPlanUsa, kPlanInternational, kPlanCanada}) {
        SetBit(image, AttributeAddress(plan, kFirstFreeRow + index), 1, simplex);
    }
}

void datCh::StoreReload(std::uint8_t plan, std::int32_t index) {
    Store(plan, index);
    Reload();
}

bool IsUsableChannel(cmcEeprom& image, int plan, std::int32_t channel) {
    datCh record(image);
    record.Load(static_cast<std::uint8_t>(plan), channel);
    return record.IsUsable();
}
