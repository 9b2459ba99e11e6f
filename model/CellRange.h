#pragma once

#include <cstdint>

// Which cells exist: the categories each kind may name and the indices it takes there. A cell outside
// its range reads no part of the memory it could stand for (a row past the end of its list, an address
// past the image, a line past its text), so callers that build cells from outside input (the
// command-line tool) ask here before they draw or edit one.
namespace model {

struct CellRange {
    std::uint32_t categories = 0; // bit n set: the kind may name category n (bit 7: no category)
    std::int32_t first = 0;       // the lowest index
    std::int32_t last = -1;       // the highest index; below `first` for a kind without cells

    bool TakesCategory(std::int32_t category) const {
        return category >= 0 && category < 32 && (categories >> category & 1U) != 0;
    }
    bool Takes(std::int32_t category, std::int32_t index) const {
        return TakesCategory(category) && index >= first && index <= last;
    }
};

// The range of `kind` (0 to 255, or a program kind). Channel columns take only the categories of their
// plans and the rows of those lists; every other kind takes no channel plan's category unless it is a
// drawing helper of the channel sheets, and the indices its family gives meaning to (0 alone where the
// index means nothing). A kind outside the tables has no cells.
CellRange RangeOfKind(std::int32_t kind);

} // namespace model
