#pragma once

#include "sheets/cmcCellObj.h"

#include <cstdint>
#include <string_view>

// A loop variable reference "@ch<d>" at the start of `text`: exactly one digit, not followed by another
// digit. Returns the variable and removes the reference from `text`. A text that does not start with a
// well-formed reference, or `loopVars` being nullptr (no loop variables here), is the fault
// "Ch No. Error".
std::int32_t& TakeLoopVarRef(std::string_view& text, LoopVarArray* loopVars);
