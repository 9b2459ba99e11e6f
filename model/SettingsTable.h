#pragma once

#include "model/ImageMap.h"

#include <cstdint>
#include <string_view>

// Where each setting kind keeps its value in the image and which selection list shows it. Only the
// model layer reads these tables.
namespace model::settings {

// The function a setting belongs to is missing while these bits of `address` say so: with `all`, unless
// every bit of `mask` is set; otherwise unless any is.
struct GreyRule {
    std::int32_t address = 0;
    std::uint8_t mask = 0; // 0: never grey
    bool all = false;
};

// Which model types always take the setting from the factory data when the image is merged.
enum class FixedFor : std::uint8_t { kNone, kUsaVariant, kOtherVariants };

// A setting of one bit (or of a whole byte when bit is -1) shown by a selection list.
// The fields keep the order of the table's columns; the table is small, so the padding costs nothing.
struct BitSetting { // NOLINT(clang-analyzer-optin.performance.Padding)
    std::int32_t kind;
    std::int32_t address;
    int bit;
    std::string_view list;
    GreyRule grey;
    FixedFor fixed;
    bool imageChangedEvent; // a change shows or hides channel lists
};

// Bytes of the settings that have no table row of their own.
inline constexpr std::int32_t kAtisAmp13 = 0x687;             // CL_MakerR_AtisAmp13, a byte
inline constexpr std::int32_t kAtisAmp21 = 0x688;             // CL_MakerR_AtisAmp21, a byte
inline constexpr std::int32_t kTotTimer = 0x65A;              // CL_MakerR_TotTimer, a word
inline constexpr std::int32_t kBeepAmp = 0x6D1;               // CL_MakerR_BeepAmp, a byte
inline constexpr std::int32_t kPowerSaveMode = kUserSetMode2; // bit 2: the power save's continuation exists
inline constexpr int kPowerSaveModeBit = 2;

// The table row of `kind`, or nullptr.
const BitSetting* FindBitSetting(std::int32_t kind);

// A time setting edited by EditTimer: the stored byte or word divided by `divisor` is the value in
// 1/scale seconds; a change stores value x divisor.
// The fields keep the order of the table's columns (see BitSetting).
struct TimerSetting { // NOLINT(clang-analyzer-optin.performance.Padding)
    std::int32_t kind;
    std::int32_t address;
    bool word;
    std::int32_t divisor;
    std::int32_t scale;
    std::int32_t min;
    std::int32_t max;
    bool offAllowed;
};

const TimerSetting* FindTimerSetting(std::int32_t kind);

// The beep tone kinds: the 16-bit divider address of `kind`, or -1.
std::int32_t ToneAddress(std::int32_t kind);

} // namespace model::settings
