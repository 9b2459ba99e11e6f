#pragma once

#include "platform/FontDesc.h"

#include <string_view>

namespace sheets {

// Applies a font specification of the definitions to `font`, changing only what the specification
// gives. The specification holds up to seven comma-separated fields, in this order (fields beyond the
// seventh are ignored; blanks are spaces and tabs):
//   1 character set name ("ANSI_CHARSET", ...), optionally followed by blanks;
//   2 family name, leading blanks skipped, cut to 31 bytes; empty leaves the name;
//   3 colour name (exact, see LookupColour);
//   4 height: "%n" scales the current height by n / 100 (0 becomes 1), else a decimal number; 0 leaves it;
//   5 point size: the same rule;
//   6 styles joined by '+' ("fsBold+fsItalic"); the first known name clears the old styles;
//   7 pitch name ("fpDefault", "fpFixed", "fpVariable"), blanks around it allowed.
// Unknown names leave their field's value unchanged.
void ApplyFont(std::string_view specification, platform::FontDesc& font);

} // namespace sheets
