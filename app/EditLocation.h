#pragma once

#include <cstdint>
#include <string>

// Where a change to the image was made: the sheet (its tree argument) and the cursor and scroll
// position on it. Empty `sheet`: no sheet was open.
struct EditLocation {
    std::string sheet;
    std::int32_t column = -1;
    std::int32_t row = -1;
    std::int32_t leftColumn = -1;
    std::int32_t topRow = -1;
};
