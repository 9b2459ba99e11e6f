#pragma once

#include "image/cmcEeprom.h"

// The memory of a radio that has been in a boat owner's hands for a while: the factory data of a model
// type with the changes an owner typically makes on top. The simulated radio holds it by default, so a
// first read from it looks like a real radio's.
namespace radiosim {

// Model types 0 to 4 as the initial files number them.
inline constexpr int kOwnerModelTypes = 5;

// The factory image of `modelType` (0 to 4) with an owner's changes: channels tagged for scan, a few
// free channels programmed with real marine or private channel frequencies and names, a clone
// comment, an ATIS identity where the variant has ATIS, changed beep tones and timers. Every value lies
// inside the range its editor accepts, and merging the image with its factory data keeps every change.
// A model type outside 0 to 4 is a program fault.
cmcEeprom OwnerImage(int modelType);

} // namespace radiosim
