#include "overlay/HashBucket.h"

std::uint32_t HashBucket(std::string_view key, std::uint32_t buckets) {
    if (buckets == 0) {
        buckets = kDefaultHashBuckets;
    }
    const std::uint32_t initialStep = buckets / 2;
    std::uint32_t step = initialStep;
    std::uint32_t h = 0;
    for (std::size_t i = 0; i < key.size(); ++i) {
        // Bytes count as signed chars, whatever the platform's char signedness.
        const auto byte = static_cast<std::int8_t>(static_cast<unsigned char>(key[i]));
        h = 2 * h + step + static_cast<std::uint32_t>(static_cast<std::int32_t>(byte));
        const unsigned char next = i + 1 < key.size() ? static_cast<unsigned char>(key[i + 1]) : 0;
        if ((next & 1U) != 0) {
            step >>= 1;
            if (step == 0) {
                step = initialStep;
            }
        }
    }
    return h % buckets;
}
