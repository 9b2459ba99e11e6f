#pragma once

#include <cstdint>
#include <string_view>

// The bucket count of a name table built with a bucket count of 0.
inline constexpr std::uint32_t kDefaultHashBuckets = 1031;

// The bucket of `key` in a chained hash table of `buckets` buckets (0 means kDefaultHashBuckets).
//
// Every byte is taken as a signed 8-bit value and the sum runs on 32 bits with wrap-around:
// h = 2 * h + step + byte, where step starts at buckets / 2 and is halved whenever the byte after the
// current one (the terminating zero counts, and is even) has its lowest bit set; a step halved to 0
// starts again at buckets / 2. The result is h, taken as unsigned, modulo the bucket count. The name
// tables and the cell-table registry share this function so a key lands in the same bucket in both.
std::uint32_t HashBucket(std::string_view key, std::uint32_t buckets);
