#pragma once

#include "CliCommand.h"

#include "image/cmcEeprom.h"

#include <cstdint>
#include <filesystem>

namespace cli {

// Reads `path` into `scratch` exactly as the desktop program's Open does, showing any failure with the
// overlay's texts on standard error. Returns the clone-file result code (0 success).
std::uint8_t OpenCloneFile(const CliContext& context, const std::filesystem::path& path, cmcEeprom& scratch);

} // namespace cli
