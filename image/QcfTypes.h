#pragma once

#include <cstdint>
#include <span>

// Result codes of the clone-file operations. 0 is success; 1 to 9 each have a message (see
// OverlayMessages::ShowCloneFileResult), shown by the operation that failed.
namespace qcf {
inline constexpr std::uint8_t kOk = 0;
inline constexpr std::uint8_t kFileOpen = 1;   // the file cannot be opened, read, or created
inline constexpr std::uint8_t kFileAccess = 2; // a write failed while saving
inline constexpr std::uint8_t kModel = 3;      // the identification line names another model
inline constexpr std::uint8_t kExtra = 4;      // same model, other extra code
inline constexpr std::uint8_t kMapRev = 5;     // the map revision is missing or refused
inline constexpr std::uint8_t kFormat = 6;     // a malformed identification or data line
inline constexpr std::uint8_t kCoverage = 7;   // expected addresses were not supplied
inline constexpr std::uint8_t kData = 8;       // data outside the image or the covered ranges, or refused
inline constexpr std::uint8_t kNewer = 9;      // data newer than this program supports
} // namespace qcf

// One inclusive address range of a covered-range table. A table ends at its last element, or earlier
// at the first pair whose last address is below its first (written {1, 0}) or that leaves the image.
struct CloneFileRange {
    std::int32_t first;
    std::int32_t last;
};

using CloneFileRangeTable = std::span<const CloneFileRange>;
