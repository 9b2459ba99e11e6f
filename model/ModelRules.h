#pragma once

#include "image/QcfTypes.h"
#include "image/cmcEeprom.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// What this radio model knows about whole images: its codes and sizes, which addresses travel in clone
// files and over the cable, the acceptance tests of a loaded image, and the merge of a user's image with
// the factory data of its model type. The only place outside the channel records and cells that knows
// addresses of the radio's memory.
namespace model {

inline constexpr std::uint32_t kModelCode = 0x2691;
inline constexpr std::uint32_t kExtraCode = 0x0001;
inline constexpr int kMapRevision = 1;
inline constexpr std::int32_t kImageSize = 0x801;
inline constexpr std::int32_t kLastCloneAddress = 0x7FF;
inline constexpr int kModelTypeCount = 5; // model types 0 to 4; 0 is the USA variant

// An inclusive address range; a table of them ends with the first pair whose last is below its first.
struct AddressRange {
    std::int32_t first;
    std::int32_t last;
};
// What clone files carry: 0x000 to 0x7FF.
inline constexpr AddressRange kCoveredRanges[] = {{0x000, 0x7FF}, {1, 0}};
// What a clone write sends: 0x000 to 0x6FF normally, 0x000 to 0x7EF in maker mode.
inline constexpr AddressRange kWriteRangesNormal[] = {{0x000, 0x6FF}, {1, 0}};
inline constexpr AddressRange kWriteRangesMaker[] = {{0x000, 0x7EF}, {1, 0}};
// The covered ranges in the clone file's own terms.
inline constexpr CloneFileRange kCloneFileRanges[] = {{0x000, 0x7FF}, {1, 0}};

// The identity bytes of the radio's information reply: byte 19 holds the option bits the channel
// sheets' "OnlyTemp", "OnlyWett" and "OnlyVolt" directives test.
inline constexpr std::size_t kIdentityOptionBits = 19;

// The six factory adjustment values (image bytes 0x7F0 to 0x7F5), kept by the application object.
using FactoryAdjustments = std::array<std::uint8_t, 6>;

// The model type an image belongs to (byte 0x609).
int ImageModelType(const cmcEeprom& image);

// True when the image is not one of this radio's (byte 0x60B is not 1).
bool RejectImage(const cmcEeprom& image);

// True when the image holds data newer than this program supports: a model type outside 0 to 4.
bool IsNewerImage(const cmcEeprom& image);

// The comment written into clone files: bytes 0x610 to 0x61F, each outside 0x20 to 0x7E as a space,
// trailing blanks cut.
std::string CloneFileComment(const cmcEeprom& image);

// Channel plans present (byte 0x648): bit 0 USA, bit 1 weather, bit 2 Canada.
bool HasUsaPlan(const cmcEeprom& image);
bool HasWeatherPlan(const cmcEeprom& image);
bool HasCanadaPlan(const cmcEeprom& image);

// True when the ATIS identity (0x680 to 0x684) holds ten decimal digits and the check byte at 0x685
// matches them.
bool IsAtisIdentityValid(const cmcEeprom& image);

// Reconciles `target` (a user's image) with `factory` (the initial image of `modelType`): keeps the
// user's settings and takes the factory data. forWrite: also the factory block 0x700 to 0x7FF (before a
// save or a clone write). Otherwise the six factory adjustment values are read into `adjustments`
// when it is given.
void MergeImage(
    cmcEeprom& target, const cmcEeprom& factory, int modelType, bool forWrite, FactoryAdjustments* adjustments);

} // namespace model
