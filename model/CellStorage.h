#pragma once

#include <cstdint>
#include <vector>

// Where in the memory image a cell keeps the value it shows: the bytes, and the bits of each, that an
// edit of the cell changes and a clone write sends for it. Lets a comparison of two images tell the
// bytes that a shown cell explains from those no cell shows.
namespace model {

struct StoredBits {
    std::int32_t address;
    std::uint8_t mask; // the bits of the byte that belong to the cell
};

// The stored bits of the cell (category, kind, index); empty for a cell that shows no value of the image
// (a heading, a command, a row number, the radio's identity, the application's copies of the factory
// adjustments) or that does not exist.
std::vector<StoredBits> CellStorage(std::int32_t category, std::int32_t kind, std::int32_t index);

// Whether the cell shows stored characters (a free channel's name, also where a channel list shows it,
// and the clone comment): its value is those bytes, spaces and unprintable bytes included, which the
// shown text trims and replaces.
bool IsStoredTextCell(std::int32_t category, std::int32_t kind, std::int32_t index);

} // namespace model
