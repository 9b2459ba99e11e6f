#pragma once

#include "image/QcfTypes.h"
#include "image/cmcEeprom.h"

#include <cstdint>
#include <filesystem>
#include <functional>

class OverlayMessages;

// What a radio model asks of a clone file it opens: its codes, its map revision, its image size, the
// addresses a file must carry, and its tests of a loaded image.
struct CloneFileProfile {
    std::uint32_t modelCode = 0;
    std::uint32_t extraCode = 0;
    std::int32_t mapRevision = 0; // the one revision accepted
    std::int32_t imageSize = 0;
    CloneFileRangeTable coveredRanges;                  // must outlive the call
    std::function<bool(const cmcEeprom&)> rejectImage;  // true: not this radio's image (code 8)
    std::function<bool(const cmcEeprom&)> isNewerImage; // true: newer than supported (code 9); may be empty
};

// Reads `path` as the desktop program's Open does: into `scratch`, set to a zero-filled image of the
// profile's size, without a range table; then the model's acceptance test (8), its newer-data test (9),
// and the coverage of the covered ranges (7 or 8). Every failure has been shown through `messages` when
// this returns its result code; 0 leaves the file's image in `scratch`.
std::uint8_t ReadCloneFileAsOpen(const std::filesystem::path& path,
                                 const CloneFileProfile& profile,
                                 OverlayMessages& messages,
                                 cmcEeprom& scratch);
