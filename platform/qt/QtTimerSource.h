#pragma once

#include "../Timer.h"

namespace platform {

// Timers of the Qt event loop (QTimer, precise timer type).
class QtTimerSource final : public ITimerSource {
public:
    std::unique_ptr<ITimer> CreateTimer(std::function<void()> onTick) override;
};

} // namespace platform
