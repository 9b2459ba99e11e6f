#pragma once

// The clone operations, as a result names the one that produced it and as a clone view is told which
// one starts.
namespace clonelink {

inline constexpr int kInfo = 1;      // the information exchange
inline constexpr int kRead = 2;      // a read of the radio's memory
inline constexpr int kWrite = 3;     // a write into the radio
inline constexpr int kCheckRead = 4; // for a view only: the read that checks what a write left

} // namespace clonelink
