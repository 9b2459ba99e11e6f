#pragma once

#include "sheets/SheetRect.h"

// Where a pop-up list of `width` × `height` goes beside the cell `cell` (screen coordinates) inside
// the screen's work area: below the cell and 8 pixels right of its left edge; above the cell when it
// does not fit below but fits there, else with its bottom at the work area's bottom. When it does not
// fit to the right its right edge goes to the work area's right edge, or, when it was put at the
// work area's bottom and fits left of the cell, to the cell's left edge. Returns the window's rectangle.
SheetRect PlacePopup(const SheetRect& cell, int width, int height, const SheetRect& workArea);
