#pragma once

class cmcCellObj;

// The scope bits a behaviour gives when it asks a sheet to repaint the cells related to cell c: which
// cells p of the sheet are related.
enum ScopeBits : int {
    kScopeCell = 1 << 0,      // same kind and index: c and its copies
    kScopeCategory = 1 << 1,  // same category
    kScopeKind = 1 << 2,      // same kind
    kScopeRow = 1 << 3,       // same index, c has a category and p a kind
    kScopeNearRows = 1 << 4,  // same category, p has a kind and an index within c's ± 1
    kScopeAllKinds = 1 << 5,  // p has a kind
    kScopeRowsAfter = 1 << 6, // p's index ≥ c's, c has a category and p a kind
    kScopeRowsBefore = 1 << 7 // p's index ≤ c's, likewise
};

// Whether cell `p` is related to cell `c` under `scopeBits` (any set bit that holds is enough).
bool IsRelatedCell(const cmcCellObj& c, const cmcCellObj& p, int scopeBits);
