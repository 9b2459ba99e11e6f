#pragma once

#include <cstdint>

class cmcCellCapsule;
class datCh;

// The frequency cells of the free channels: a receive or transmit frequency in Hz shown in MHz with five
// decimals, committed on the radio's 6.25 kHz raster.
namespace model {

struct EditorContext;

// The limits of a shown frequency, and of a committed one: the highest raster point not above
// 199.99 MHz, so what is stored is what is shown afterwards.
inline constexpr std::int64_t kLowestFrequencyHz = 100'000'000;
inline constexpr std::int64_t kHighestShownHz = 199'990'000;
inline constexpr std::int64_t kHighestCommittedHz = 199'987'500;
inline constexpr std::int64_t kRasterHz = 6250;

// The raster point an entry of `hz` stands for, respecting how many digits were typed: the first
// multiple of 6250 Hz at or above hz, accepted only while it stays inside the typed precision (below
// hz plus the largest power of ten up to 100 000 that divides hz). -1 when there is none: 156.013 MHz
// is refused, 156.01 MHz becomes 156.0125 MHz.
std::int64_t SnapToRaster(std::int64_t hz);

// Shows the receive (isRx) or transmit frequency of the free-channel record, takes a committed entry
// back (limited to 100 to 199.9875 MHz and snapped to the raster; a refused entry keeps the old value
// and names its reason in the context), and starts the in-place editor for '.', a digit, a space,
// Enter, or '=' (the transmit cell copies the receive frequency). A receive entry moves the transmit
// frequency along while both were equal. True when an entry was accepted: the caller stores the record.
bool EditFrequency(cmcCellCapsule& capsule, EditorContext& context, datCh& record, bool isRx);

} // namespace model
