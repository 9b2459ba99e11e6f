#pragma once

#include <cstdint>

namespace platform {

// The system's millisecond tick counter: unsigned 32 bits, wrapping about every 49.7 days. Only
// differences of two readings (taken modulo 2^32) have a meaning.
class IClock {
public:
    virtual ~IClock() = default;
    virtual std::uint32_t NowMs() const = 0;
};

// The real tick counter, from a steady (monotonic) clock.
class SteadyClock final : public IClock {
public:
    std::uint32_t NowMs() const override;
};

// Blocks the calling thread for `ms` milliseconds (the short settling waits of the program).
void SleepMs(int ms);

} // namespace platform
