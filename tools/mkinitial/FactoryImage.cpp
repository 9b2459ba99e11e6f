#include "FactoryImage.h"

#include "MarinePlans.h"
#include "model/ChannelPlan.h"
#include "model/ImageMap.h"
#include "model/ImageWords.h"
#include "model/ModelRules.h"
#include "model/datCh.h"

namespace mkinitial {

using namespace model;

namespace {

constexpr int kRowOf16 = 32;
constexpr int kRowOf9 = 18;

// Plans byte 0x648: bit 0 USA, 1 weather, 2 Canada, 4 scan functions, 7 USA initial setting.
constexpr std::uint8_t kUsaPlans = 0x97;
constexpr std::uint8_t kEuropePlans = 0x10;
// Functions byte 0x649: dual watch (7), time-out timer (6), tri-watch (5), power save on channel,
// scan and dual/tri-watch (4, 3, 2); bit 0 selects the low-power start.
constexpr std::uint8_t kFactoryFunctions = 0xFC;

std::uint8_t AttributeOf(const PlanChannel& channel) {
    const bool simplex = channel.row % 2 == 1 || !channel.duplex;
    std::uint8_t a = simplex ? kAttrSimplex : 0;
    if (channel.receiveOnly || channel.dscOnly || channel.restricted) {
        a |= kAttrTxInhibit;
    }
    if (channel.dscOnly) {
        a |= kAttrInhibited; // no voice on the DSC channel
    }
    a |= channel.lowPower ? kAttrFactoryLowPower : 0;
    a |= channel.receiveOnly ? kAttrFactoryRxOnly : 0;
    a |= channel.dscOnly ? kAttrFactoryDsc : 0;
    return a;
}

// Rows that are no channel of the plan are inhibited ("A" rows keep their simplex bit); the free
// channels' rows are usable in the International list where the factory programmed them.
void WritePlan(cmcEeprom& image, std::uint8_t plan, const std::vector<PlanChannel>& channels, int programmedFree) {
    for (int row = 0; row < kPlanRowCount; ++row) {
        const bool odd = row % 2 == 1 && row < kFirstFreeRow;
        const bool usableFree =
            plan == kPlanInternational && row >= kFirstFreeRow && row - kFirstFreeRow < programmedFree;
        image.SetByte(AttributeAddress(plan, row),
                      static_cast<std::uint8_t>((usableFree ? 0 : kAttrInhibited) | (odd ? kAttrSimplex : 0)));
    }
    for (const auto& channel : channels) {
        image.SetByte(AttributeAddress(plan, channel.row), AttributeOf(channel));
    }
}

void WriteFreeChannels(cmcEeprom& image, const std::vector<FactoryFreeChannel>& programmed) {
    datCh record(image);
    for (int i = 0; i < kFreeChannelCount; ++i) {
        record.Reset();
        record.Name = {' ', ' ', ' '};
        record.RxHz = kFreeRxOffsetHz; // receive and transmit steps 0: an unused channel
        if (i < static_cast<int>(programmed.size())) {
            const auto& channel = programmed[static_cast<std::size_t>(i)];
            record.RxHz = channel.rxHz;
            record.TxHz = channel.txHz;
            for (std::size_t k = 0; k < 3 && k < channel.name.size(); ++k) {
                record.Name[k] = static_cast<std::uint8_t>(channel.name[k]);
            }
        }
        record.Store(kPlanFree, i);
    }
}

// Beep tones as stored dividers: divider(f) - 1 with divider(f) = 499200 / (2 f) rounded.
std::uint16_t ToneDivider(int hz) {
    return static_cast<std::uint16_t>((499200 + hz) / (2 * hz) - 1);
}

void WriteSettings(cmcEeprom& image, const Variant& variant) {
    for (std::size_t i = 0; i < 8; ++i) {
        image.SetByte(kFactoryIdentity + static_cast<std::int32_t>(i), static_cast<std::uint8_t>(variant.identity[i]));
    }
    image.SetByte(kFactoryRevision, 1);
    image.SetByte(kModelTypeAddress, static_cast<std::uint8_t>(variant.modelType));
    image.SetByte(kAcceptAddress, 1);
    for (int i = 0; i < kCommentLength; ++i) {
        image.SetByte(kCommentAddress + i, ' ');
    }
    // Operating state at power-on: volume 8, squelch 2, the variant's list, high power.
    image.SetByte(0x627, 8);
    image.SetByte(kCurrentBlock, variant.startBlock);
    image.SetByte(0x629, 2);
    image.SetByte(kTxPowerState, (variant.functions & 1) != 0 ? 1 : 0);
    // Marks: P on channel 16 in every list; C on 9 (the boaters' calling channel) in the USA list, on 16
    // in the others.
    for (int block = 0; block < 3; ++block) {
        SetWord(image, kMarkABase + 2 * block, kRowOf16);
        SetWord(image, kCurrentChannelBase + 2 * block, kRowOf16);
        SetWord(image, kMarkBBase + 2 * block, block == 0 ? kRowOf9 : kRowOf16);
    }
    image.SetByte(kSettings1, 0x60); // backlight and power save on
    image.SetByte(kSettings2, 0x00);
    image.SetByte(kBeep, 1);
    image.SetByte(kPlansAddress, variant.plans);
    image.SetByte(model::kFunctions, variant.functions);
    image.SetByte(kUserSetMode1, (variant.plans & 0x02) != 0 ? 0x1F : 0x0F);
    image.SetByte(kUserSetMode2, 0xF8);
    image.SetByte(kAtisFunctions, variant.atisFunctions);
    // Timers, each inside the range its editor accepts.
    SetWord(image, 0x650, 300); // power save, first: 30 tenths of a second
    SetWord(image, 0x652, 500); // power save, second: 5
    SetWord(image, 0x654, 150); // power save on 1: 15
    SetWord(image, 0x656, 300); // power save on 2: 30
    SetWord(image, 0x658, 500); // power save off: 50
    SetWord(image, 0x65A, 300); // time-out timer: 300 s
    image.SetByte(0x65E, 100);  // scan speed: 0.100 s
    image.SetByte(0x65F, 100);
    image.SetByte(0x660, 200);
    image.SetByte(0x661, 200);
    SetWord(image, 0x662, 1000); // dual/tri-watch: 100
    SetWord(image, 0x664, 5);    // auto scan: 5
    const std::pair<std::int32_t, int> tones[] = {{0x66E, 2000},
                                                  {0x670, 2000},
                                                  {0x672, 1500},
                                                  {0x674, 2500},
                                                  {0x676, 1000},
                                                  {0x678, 1200},
                                                  {0x67A, 1800},
                                                  {0x67C, 2400},
                                                  {0x67E, 1600}};
    for (const auto& [address, hz] : tones) {
        SetWord(image, address, ToneDivider(hz));
    }
    // ATIS identity not yet given: ten zeros, with their check byte.
    image.SetByte(kAtisCheck, 0xFF);
    image.SetByte(0x687, 0x80);
    image.SetByte(0x688, 0x80);
    image.SetByte(0x6D1, 0x40); // beep amplitude
    image.SetByte(0x6D2, 100);  // volume timer: 0.100 s
    image.SetByte(0x6D3, 1);
    // Factory adjustment values.
    const std::uint8_t adjustments[] = {0x03, 0xFE, 0x01, 0x00, 0x05, 0x40};
    image.WriteBlock(kAdjustments, adjustments, 6);
}

} // namespace

const std::vector<Variant>& Variants() {
    static const std::vector<Variant> variants = {
        {0, "VQN58_0.qcf", " (USA)", "VQN58-US", kUsaPlans, kFactoryFunctions, 0x00, 0, {}},
        {1, "VQN58_1.qcf", " (Europe)", "VQN58-EU", kEuropePlans, kFactoryFunctions, 0x00, 1, {}},
        // United Kingdom: the private channels M (157.850 MHz) and M2 (161.425 MHz); the display has
        // no M, so they show as U1 and U2.
        {2,
         "VQN58_2.qcf",
         " (United Kingdom)",
         "VQN58-UK",
         kEuropePlans,
         kFactoryFunctions,
         0x00,
         1,
         {{"U1 ", 157'850'000, 157'850'000}, {"U2 ", 161'425'000, 161'425'000}}},
        // Inland waterways: ATIS on the International list, low power at power-on.
        {3, "VQN58_3.qcf", " (Europe ATIS)", "VQN58-EA", kEuropePlans, kFactoryFunctions | 0x01, 0x02, 1, {}},
        // Nordic countries: the leisure channels L1 (155.500 MHz) and L2 (155.525 MHz).
        {4,
         "VQN58_4.qcf",
         " (Nordic)",
         "VQN58-NO",
         kEuropePlans,
         kFactoryFunctions,
         0x00,
         1,
         {{"L1 ", 155'500'000, 155'500'000}, {"L2 ", 155'525'000, 155'525'000}}},
    };
    return variants;
}

cmcEeprom BuildFactoryImage(const Variant& variant) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    const int programmed = static_cast<int>(variant.freeChannels.size());
    WritePlan(image, kPlanInternational, InternationalPlan(), programmed);
    WritePlan(image, kPlanUsa, UsaPlan(), 0);
    WritePlan(image, kPlanCanada, CanadaPlan(), 0);
    WriteFreeChannels(image, variant.freeChannels);
    WriteSettings(image, variant);
    return image;
}

} // namespace mkinitial
