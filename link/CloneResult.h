#pragma once

#include "image/cmcEeprom.h"
#include "link/CloneOperations.h"
#include "link/core/cmcBuff.h"

#include <cstdint>

// An inclusive address range of a clone read or write. A range list ends with the first pair whose
// last is below its first (the program uses {1, 0}).
struct CloneRange {
    std::int32_t first;
    std::int32_t last;
};

// Result codes of a clone operation. The driver sets 0 to 10 and 17; the clone manager and the main
// window add 8, 11, 14, 15 and 16.
namespace clonecode {
inline constexpr std::uint8_t kSuccess = 0;
inline constexpr std::uint8_t kFrameAccepted = 1; // inside the driver only
inline constexpr std::uint8_t kPortFailed = 2;
inline constexpr std::uint8_t kEchoFailed = 4;
inline constexpr std::uint8_t kNoReply = 5;
inline constexpr std::uint8_t kBadFrame = 6;
inline constexpr std::uint8_t kBadFrameCount = 7;
inline constexpr std::uint8_t kMissingData = 8;
inline constexpr std::uint8_t kOutsideImage = 9;
inline constexpr std::uint8_t kWriteRefused = 10;
inline constexpr std::uint8_t kWrongRadio = 11;
// Codes the messages have headings and check lines for, though nothing here sets them.
inline constexpr std::uint8_t kOtherRadio = 12;     // "not a VQ-N58", as kWrongRadio
inline constexpr std::uint8_t kMemoryUnusable = 13; // the radio's memory could not be used
inline constexpr std::uint8_t kBadIdentity = 14;
inline constexpr std::uint8_t kImageRejected = 15;
inline constexpr std::uint8_t kImageNewer = 16;
inline constexpr std::uint8_t kShortWrite = 17;
// Codes of the check that follows a write, set by the clone commands rather than the driver.
inline constexpr std::uint8_t kCheckDiffers = 18; // the radio holds other data than was written
inline constexpr std::uint8_t kNotChecked = 19;   // written, but the radio did not answer the check
} // namespace clonecode

// What one clone operation produced; made at each start and destroyed after the completion handler
// has returned (a handler that needs the image copies it).
struct dst_CDrv_Result {
    std::uint8_t op = 0;   // clonelink::kInfo, kRead or kWrite
    std::uint8_t code = 2; // clonecode; 2 until something decides otherwise
    std::int32_t modelCode = 0;
    std::int32_t subCode = 0;
    cmcBuff info;     // information bytes of the E1 reply
    cmcEeprom image;  // the image read, or the image being written
    cmcBuff received; // bitmap of the addresses a read received: bit (a mod 8) of byte a / 8
};
