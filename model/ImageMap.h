#pragma once

#include <cstdint>

// Addresses of the radio's memory that the model's whole-image rules and its initial data use. The
// channel lists are in model/ChannelPlan.h.
namespace model {

inline constexpr std::int32_t kFactoryIdentity = 0x600; // 8 bytes, and 0x608: the factory's identity
inline constexpr std::int32_t kFactoryRevision = 0x608;
inline constexpr std::int32_t kModelTypeAddress = 0x609; // the model type the image belongs to
inline constexpr std::int32_t kAcceptAddress = 0x60B;    // 1 in every image of this radio
inline constexpr std::int32_t kCommentAddress = 0x610;   // 16 characters
inline constexpr int kCommentLength = 16;
inline constexpr std::int32_t kCurrentChannelBase = 0x620; // word per block: the channel in use
inline constexpr std::int32_t kCurrentWeather = 0x626;     // the weather channel in use
inline constexpr std::int32_t kCurrentBlock = 0x628;       // the channel list in use: 0 USA, 1 Int, 2 Canada
inline constexpr std::int32_t kTxPowerState = 0x62B;
inline constexpr std::int32_t kSettings1 = 0x636;
inline constexpr std::int32_t kSettings2 = 0x637;
inline constexpr std::int32_t kBeep = 0x638;
inline constexpr std::int32_t kPlansAddress = 0x648; // bit 0 USA, bit 1 weather, bit 2 Canada
inline constexpr std::int32_t kFunctions = 0x649;
inline constexpr std::int32_t kLcdA = 0x64A;
inline constexpr std::int32_t kLcdB = 0x64B;
inline constexpr std::int32_t kUserSetMode1 = 0x64C;
inline constexpr std::int32_t kUserSetMode2 = 0x64D;
inline constexpr std::int32_t kAtisFunctions = 0x64E;
inline constexpr std::int32_t kAtisId = 0x680; // 10 digits in 5 bytes
inline constexpr int kAtisIdBytes = 5;
inline constexpr std::int32_t kAtisCheck = 0x685;    // check byte over the 5 identity bytes
inline constexpr std::int32_t kFactoryBlock = 0x700; // 256 bytes of factory data
inline constexpr std::int32_t kAdjustments = 0x7F0;  // the six factory adjustment values

// Bytes the sheets do not show and a merge takes from the factory data whatever the model type.
struct ByteRun {
    std::int32_t address;
    int count;
};
inline constexpr std::int32_t kOperatingState[] = {0x627, 0x629, 0x62A, 0x62C, 0x62E, 0x62F}; // one byte each
inline constexpr ByteRun kFactorySettings[] = {{0x64F, 1}, {0x65C, 2}, {0x6D0, 1}, {0x6D5, 1}, {0x6D6, 1}, {0x6E0, 32}};
inline constexpr std::int32_t kAfterAtisCheck = 0x686; // the byte after the ATIS identity's check byte

// Bits of the plans byte.
inline constexpr int kPlanBitUsa = 0;
inline constexpr int kPlanBitWeather = 1;
inline constexpr int kPlanBitCanada = 2;

} // namespace model
