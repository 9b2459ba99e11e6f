#pragma once

#include <cstdint>
#include <vector>

namespace events {

// The bytes of an event or answer as a zero-terminated text; "" when they are not one, so a reader
// never runs past the block.
inline const char* TextOf(const std::vector<std::uint8_t>& bytes) {
    return bytes.empty() || bytes.back() != 0 ? "" : reinterpret_cast<const char*>(bytes.data());
}

} // namespace events
