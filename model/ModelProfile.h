#pragma once

#include "image/CloneFileOpen.h"

// What this radio model asks of a clone file it opens: its codes, map revision 1, the 0x801-byte
// image, the covered range 0x000 to 0x7FF, and its acceptance and newer-data tests.
namespace model {

CloneFileProfile OpenProfile();

} // namespace model
