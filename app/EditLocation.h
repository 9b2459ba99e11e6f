#pragma once

#include "sheets/SheetPosition.h"

#include <string>

// Where a change to the image was made: the sheet (its tree argument) and the cursor and scroll
// position on it. Empty `sheet`: no sheet was open.
struct EditLocation {
    std::string sheet;
    SheetPosition position;
};
