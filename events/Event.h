#pragma once

#include <cstdint>
#include <vector>

// An argument of an event: a number, a colour or the identity of an object. Wide enough to hold an
// object's address on every platform, so identities never collide.
using cmcEvArg = std::uintptr_t;

// One numbered event as its handlers see it: type, how it travels, two arguments and an optional
// owned copy of the sender's data (a text includes its terminating zero).
struct Event {
    enum Mode : std::uint8_t { Posted = 0, Sent = 1, Queried = 2 };

    std::uint8_t type = 0;
    std::uint8_t mode = Posted;
    cmcEvArg first = 0;
    cmcEvArg second = 0;
    std::vector<std::uint8_t> data; // empty when the sender gave none

    const std::uint8_t* Data() const { return data.data(); }
    std::int32_t Length() const { return static_cast<std::int32_t>(data.size()); }
    // The data as a zero-terminated text; "" when the event carries no text.
    const char* Text() const;
};
