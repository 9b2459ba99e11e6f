#include "app/UsableChannels.h"

#include "model/datCh.h"

namespace {
constexpr std::int32_t kLastChannel = 303;
} // namespace

std::int32_t NearestUsableChannel(cmcEeprom& image, int plan, std::int32_t from) {
    datCh record(image);
    const auto usable = [&](std::int32_t channel) {
        record.Load(static_cast<std::uint8_t>(plan), channel);
        return record.IsUsable();
    };
    for (std::int32_t channel = std::max(from, 0); channel <= kLastChannel; ++channel) {
        if (usable(channel)) {
            return channel;
        }
    }
    for (std::int32_t channel = kLastChannel; channel >= 1; --channel) {
        if (usable(channel)) {
            return channel;
        }
    }
    return 0;
}
