#pragma once

#include <cstdint>

class cmcEeprom;

// The channel the cursor goes to when the channel lists switch between all and usable channels: from
// `from` up to 303 the first usable channel of plan `plan` (not inhibited, or marked P or C); without
// one, the highest usable channel from 303 down to 1; 0 when none is usable.
std::int32_t NearestUsableChannel(cmcEeprom& image, int plan, std::int32_t from);
