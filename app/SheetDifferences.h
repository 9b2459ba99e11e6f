#pragma once

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
