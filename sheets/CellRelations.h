#pragma once

class cmcCellObj;

// Whether cell `p` is related to cell `c` under the scope bits a behaviour gives when it asks a sheet
// to repaint related cells (any set bit that holds is enough):
// bit 0 same kind and index; bit 1 same category; bit 2 same kind; bit 3 same index, c has a category
// and p a kind; bit 4 same category, p has a kind and an index within c's ± 1; bit 5 p has a kind;
// bit 6 p's index ≥ c's, c has a category and p a kind; bit 7 p's index ≤ c's, likewise.
bool IsRelatedCell(const cmcCellObj& c, const cmcCellObj& p, int scopeBits);
