#pragma once

#include "overlay/cmcHash2.h"

class IDefinitionSource;

// The cell reader of the cell-table registry: parses one definition with the cell notation (no
// template, no loop variables) and reports its kind, index and display text. `models` gives named cell
// models and must outlive the reader.
cmcHash2::CellReader CellListReader(IDefinitionSource& models);
