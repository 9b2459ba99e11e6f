#include "model/ModelRules.h"

#include "model/ChannelPlan.h"
#include "model/DecimalDigits.h"
#include "model/ImageMap.h"
#include "model/ImageWords.h"
#include "model/datCh.h"

#include <span>

namespace model {

int ImageModelType(const cmcEeprom& image) {
    return image.IsValidAddress(kModelTypeAddress) ? image.GetByte(kModelTypeAddress) : 0;
}

bool RejectImage(const cmcEeprom& image) {
    // An image too small to hold the byte is no image of this radio either.
    return !image.IsValidAddress(kAcceptAddress) || image.GetByte(kAcceptAddress) != 1;
}

bool IsNewerImage(const cmcEeprom& image) {
    return image.IsValidAddress(kModelTypeAddress) && image.GetByte(kModelTypeAddress) >= kModelTypeCount;
}

std::string CloneFileComment(const cmcEeprom& image) {
    std::string comment;
    for (int i = 0; i < kCommentLength; ++i) {
        const std::uint8_t c = image.GetByte(kCommentAddress + i);
        comment += (c >= 0x20 && c <= 0x7E) ? static_cast<char>(c) : ' ';
    }
    comment.erase(comment.find_last_not_of(' ') + 1);
    return comment;
}

bool HasUsaPlan(const cmcEeprom& image) {
    return GetBit(image, kPlansAddress, kPlanBitUsa);
}

bool HasWeatherPlan(const cmcEeprom& image) {
    return GetBit(image, kPlansAddress, kPlanBitWeather);
}

bool HasCanadaPlan(const cmcEeprom& image) {
    return GetBit(image, kPlansAddress, kPlanBitCanada);
}

bool IsAtisIdentityValid(const cmcEeprom& image) {
    std::uint8_t id[kAtisIdBytes] = {};
    image.ReadBlock(kAtisId, id, kAtisIdBytes);
    return AreDecimalDigitsValid(id, 2 * kAtisIdBytes) && image.GetByte(kAtisCheck) == CheckByte(std::span(id));
}

namespace {

void CopyBytes(cmcEeprom& target, const cmcEeprom& factory, std::int32_t address, std::int32_t count) {
    for (std::int32_t a = address; a < address + count; ++a) {
        target.SetByte(a, factory.GetByte(a));
    }
}

// Bits of `mask` from the factory, the others kept.
void CopyBits(cmcEeprom& target, const cmcEeprom& factory, std::int32_t address, std::uint8_t mask) {
    const auto kept = static_cast<std::uint8_t>(target.GetByte(address) & ~mask);
    target.SetByte(address, static_cast<std::uint8_t>(kept | (factory.GetByte(address) & mask)));
}

// The factory bits 0, 3 and 4 of every attribute byte come from the factory image, the bits the
// channel record carries from the user's (odd channels below 234 come back simplex).
void MergeChannelLists(cmcEeprom& target, const cmcEeprom& factory) {
    datCh record(target);
    for (const std::uint8_t plan : {kPlanUsa, kPlanInternational, kPlanCanada}) {
        for (int row = 0; row < kPlanRowCount; ++row) {
            record.Load(plan, row);
            const std::int32_t address = AttributeAddress(plan, row);
            target.SetByte(address, factory.GetByte(address));
            if (record.Loaded) {
                record.Store(plan, row);
            }
        }
    }
}

// The eighth byte of each free record from the factory; the store renews the simplex bits of the free
// channels' rows in the three lists.
void MergeFreeChannels(cmcEeprom& target, const cmcEeprom& factory) {
    datCh record(target);
    for (int i = 0; i < kFreeChannelCount; ++i) {
        record.Load(kPlanFree, i);
        CopyBytes(target, factory, kFreeRecordBase + kFreeRecordSize * i, kFreeRecordSize);
        record.Store(kPlanFree, i);
    }
}

void MergeCurrentWeather(cmcEeprom& target, const cmcEeprom& factory) {
    target.SetByte(kCurrentWeather, factory.GetByte(kCurrentWeather));
    datCh record(target);
    for (int k = 0; k < kWeatherCount; ++k) {
        record.Load(kPlanWeather, k);
        if (!record.Inhibited) {
            target.SetByte(kCurrentWeather, static_cast<std::uint8_t>(k));
            return;
        }
    }
}

} // namespace

void MergeImage(
    cmcEeprom& target, const cmcEeprom& factory, int modelType, bool forWrite, FactoryAdjustments* adjustments) {
    const bool z = modelType == 0;
    // The factory's identity and the acceptance byte.
    CopyBytes(target, factory, kFactoryIdentity, 8);
    CopyBytes(target, factory, kFactoryRevision, 1);
    CopyBytes(target, factory, kAcceptAddress, 1);
    // Channel lists and free channels: the factory's attribute bits and eighth record bytes, the user's rest.
    MergeChannelLists(target, factory);
    MergeFreeChannels(target, factory);
    // The channel in use in each list starts at the list's P channel.
    for (int block = 0; block < 3; ++block) {
        SetWord(target, kCurrentChannelBase + 2 * block, GetWord(target, kMarkABase + 2 * block));
    }
    // The weather channel in use: the first one not inhibited.
    MergeCurrentWeather(target, factory);
    // Operating state of the factory.
    for (const std::int32_t a : kOperatingState) {
        CopyBytes(target, factory, a, 1);
    }
    // The USA variant without its USA list starts on the International list.
    target.SetByte(kCurrentBlock, (z && !HasUsaPlan(target)) ? std::uint8_t{1} : factory.GetByte(kCurrentBlock));
    // Transmit power state follows the transmit power function.
    target.SetByte(kTxPowerState, GetBit(target, kFunctions, 0) ? std::uint8_t{1} : factory.GetByte(kTxPowerState));
    // Weather alert of the European variants, and the factory's bit of the second settings byte.
    if (!z) {
        CopyBits(target, factory, kSettings1, 0x02);
    }
    CopyBits(target, factory, kSettings2, 0x80);
    // What each variant fixes: the USA variant its display and ATIS bits, the others the weather
    // list and its alert.
    if (z) {
        CopyBits(target, factory, kLcdA, 0x07);
        CopyBits(target, factory, kAtisFunctions, 0x0F);
    } else {
        CopyBits(target, factory, kPlansAddress, 0x02);
        CopyBits(target, factory, kUserSetMode1, 0x10);
    }
    // Further factory bytes.
    for (const ByteRun& run : kFactorySettings) {
        CopyBytes(target, factory, run.address, run.count);
    }
    // An ATIS identity that is no number or fails its check byte is replaced by the factory's.
    if (!IsAtisIdentityValid(target)) {
        CopyBytes(target, factory, kAtisId, kAtisIdBytes + 1);
    }
    // The byte after the ATIS identity is the factory's.
    CopyBytes(target, factory, kAfterAtisCheck, 1);
    // The factory block goes out with every save and clone write; on loading, the adjustment
    // values are taken from the loaded image.
    if (forWrite) {
        CopyBytes(target, factory, kFactoryBlock, 256);
    } else if (adjustments != nullptr) {
        for (std::size_t i = 0; i < adjustments->size(); ++i) {
            (*adjustments)[i] = target.GetByte(kAdjustments + static_cast<std::int32_t>(i));
        }
    }
}

} // namespace model
