#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ICellDocument;

// What differs between two documents as the window shows them, one CSV line each:
//   sheet,row,column,value in A,value in B
// for every cell of the sheets the tree opens outside the factory mode whose value differs, with the
// sheet's title, the row's name (the channel or the setting) and the column's heading (the cell's kind
// name where the column has none). Values are the texts the window draws; names and the clone comment
// are their stored characters (a backslash doubled, any other unprintable byte as \xNN), quoted where
// a space at either end matters. When `withBytes`, then every byte a clone write sends (0x000 to 0x7EF)
// that differs where no line above explains it: ,0xADDRESS,,0xBYTE IN A,0xBYTE IN B. Both documents
// are laid out as A's model type shows its sheets. No line: nothing differs.
std::vector<std::string> SheetDifferences(ICellDocument& a, ICellDocument& b, bool withBytes);

// Where the window shows byte `address` of `document`, named as SheetDifferences names a cell: the
// first cell of those sheets, in tree order, that keeps its value there. None when no cell does.
struct CellPlace {
    std::string sheet;  // the sheet's title
    std::string row;    // the row's name: the channel, the setting
    std::string column; // the column's heading
};
std::optional<CellPlace> PlaceOfByte(ICellDocument& document, std::int32_t address);
