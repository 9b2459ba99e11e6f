#include "link/sim/OwnerImage.h"

#include "model/ChannelPlan.h"
#include "model/DecimalDigits.h"
#include "model/ImageMap.h"
#include "model/ImageWords.h"
#include "model/datCh.h"
#include "platform/Fault.h"
#include "tools/mkinitial/FactoryImage.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace radiosim {

using namespace model;

namespace {

struct FreeChannel {
    std::string_view name; // three characters of the radio's display set
    std::uint32_t rxHz;
    std::uint32_t txHz;
};

// What one owner did with a radio of one model type.
struct Owner {
    std::string_view comment;              // the clone comment, at most 16 characters
    std::vector<int> usaScanRows;          // rows tagged for scan in the USA list
    std::vector<FreeChannel> freeChannels; // programmed after the factory's own
    std::string_view atisId;               // ten digits, empty: none given
};

constexpr int Row(int channel, bool a = false) {
    return 2 * channel + (a ? 1 : 0);
}

// Channels boaters listen to while scanning: the calling, bridge-to-bridge, port and leisure channels.
const std::vector<int> kInternationalScan = {
    Row(6), Row(9), Row(12), Row(13), Row(14), Row(16), Row(67), Row(68), Row(69), Row(72), Row(73), Row(77)};
const std::vector<int> kUsaScan = {
    Row(9), Row(13), Row(16), Row(22, true), Row(68), Row(69), Row(71), Row(72), Row(78, true)};

const Owner& OwnerOf(int modelType) {
    // Names use the radio's display set: no M, no K, no W; "b" only third.
    static const std::array<Owner, kOwnerModelTypes> owners = {{
        // A sport fisherman in the USA: the yacht club, the fuel dock and the drawbridge as free
        // channels on their marine frequencies.
        {"SEA OTTER  WA",
         kUsaScan,
         {{"CLb", 156'425'000, 156'425'000}, {"FU ", 156'575'000, 156'575'000}, {"br ", 156'650'000, 156'650'000}},
         {}},
        // A sailing yacht in the Netherlands: the marina channel 31 (simplex) and the harbour office.
        {"SY ALBATROS", {}, {{"31 ", 157'550'000, 157'550'000}, {"HAb", 156'600'000, 156'600'000}}, {}},
        // A yacht on the south coast of England: the marinas' channel 80 and the harbour launch.
        {"SY KESTREL COWES", {}, {{"80 ", 157'025'000, 157'025'000}, {"HAb", 156'600'000, 156'600'000}}, {}},
        // A motor cruiser on the Rhine: the marinas' channel 31, and the ATIS identity every inland
        // vessel must send: 9, the German MID 211, its own number.
        {"MS RHEINGOLD", {}, {{"31 ", 157'550'000, 157'550'000}}, "9211234567"},
        // A Swedish sailing boat: the third leisure channel L3.
        {"SY NORDLYS", {}, {{"L3 ", 155'650'000, 155'650'000}}, {}},
    }};
    return owners[static_cast<std::size_t>(modelType)];
}

// Beep tones as the radio stores them: divider(f) - 1, divider(f) = 499200 / (2 f) rounded.
std::uint16_t ToneDivider(int hz) {
    return static_cast<std::uint16_t>((499200 + hz) / (2 * hz) - 1);
}

void TagForScan(cmcEeprom& image, std::uint8_t plan, const std::vector<int>& rows) {
    datCh record(image);
    for (const int row : rows) {
        record.Load(plan, row);
        if (!record.Inhibited) {
            record.Tagged = true;
            record.Store(plan, row);
        }
    }
}

// Programs the owner's channels after the factory's and makes their rows usable in the plan's list.
void ProgramFreeChannels(cmcEeprom& image, std::uint8_t plan, int first, const std::vector<FreeChannel>& channels) {
    datCh record(image);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const int index = first + static_cast<int>(i);
        record.Load(kPlanFree, index);
        record.RxHz = channels[i].rxHz;
        record.TxHz = channels[i].txHz;
        record.RxBlank = false; // an unused channel loads as blank; this one is programmed now
        record.TxBlank = false;
        for (std::size_t k = 0; k < record.Name.size(); ++k) {
            record.Name[k] = static_cast<std::uint8_t>(k < channels[i].name.size() ? channels[i].name[k] : ' ');
        }
        record.Store(kPlanFree, index);
        record.Load(plan, kFirstFreeRow + index);
        record.Inhibited = false;
        record.Store(plan, kFirstFreeRow + index);
    }
}

void WriteComment(cmcEeprom& image, std::string_view comment) {
    for (int i = 0; i < kCommentLength; ++i) {
        const auto k = static_cast<std::size_t>(i);
        image.SetByte(kCommentAddress + i, static_cast<std::uint8_t>(k < comment.size() ? comment[k] : ' '));
    }
}

void WriteAtisId(cmcEeprom& image, std::string_view digits) {
    std::array<std::uint8_t, kAtisIdBytes> bytes{};
    for (int i = 0; i < 2 * kAtisIdBytes; ++i) {
        SetDecimalDigit(bytes, i, digits[static_cast<std::size_t>(i)] - '0');
    }
    image.WriteBlock(kAtisId, bytes.data(), kAtisIdBytes);
    image.SetByte(kAtisCheck, CheckByte(bytes));
}

// The owner found the key beeps shrill and the power save slow to start.
void ChangeTonesAndTimers(cmcEeprom& image) {
    SetWord(image, 0x670, ToneDivider(1800)); // key up
    SetWord(image, 0x672, ToneDivider(1300)); // key down
    SetWord(image, 0x66E, ToneDivider(1800)); // volume up
    SetWord(image, 0x67E, ToneDivider(1400)); // volume down
    SetWord(image, 0x650, 400);               // power save, first timer: 40
    image.SetByte(0x6D2, 150);                // volume timer: 0.150 s
}

} // namespace

cmcEeprom OwnerImage(int modelType) {
    if (modelType < 0 || modelType >= kOwnerModelTypes) {
        platform::Fault("OwnerImage: model type out of range.");
    }
    const auto& variant = mkinitial::Variants()[static_cast<std::size_t>(modelType)];
    cmcEeprom image = mkinitial::BuildFactoryImage(variant);
    const Owner& owner = OwnerOf(modelType);
    const int firstFree = static_cast<int>(variant.freeChannels.size());
    TagForScan(image, kPlanInternational, kInternationalScan);
    ProgramFreeChannels(image, kPlanInternational, firstFree, owner.freeChannels);
    if (!owner.usaScanRows.empty()) {
        TagForScan(image, kPlanUsa, owner.usaScanRows);
        ProgramFreeChannels(image, kPlanUsa, firstFree, owner.freeChannels);
    }
    WriteComment(image, owner.comment);
    if (!owner.atisId.empty()) {
        WriteAtisId(image, owner.atisId);
    }
    ChangeTonesAndTimers(image);
    return image;
}

} // namespace radiosim
