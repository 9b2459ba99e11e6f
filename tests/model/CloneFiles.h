#pragma once

#include "image/cmcEeprom.h"

#include <cstdint>
#include <filesystem>
#include <string>

// Clone files for the model tests: the shipped initial files, and reading and writing through the
// clone-file class with test message texts.
namespace testmodel {

// An initial file as shipped in data/initial.
std::filesystem::path ShippedInitialFile(int modelType);
// A file of the overlay sources in data/overlay.
std::filesystem::path ShippedOverlaySource(const std::string& name);

// Reads `path` into `image` (sized to the model's image first) with the covered-range table, as an
// initial file is read. Returns the clone-file result code.
std::uint8_t ReadInitialFile(const std::filesystem::path& path, cmcEeprom& image);

// Writes `image` as a saved clone file; returns the result code.
std::uint8_t WriteCloneFile(const std::filesystem::path& path, cmcEeprom& image);

// A pseudo-random image of the model's size; the same seed gives the same bytes.
cmcEeprom PatternImage(std::uint32_t seed);

} // namespace testmodel
