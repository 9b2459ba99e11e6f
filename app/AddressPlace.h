#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

class ICellBehaviour;
class IDefinitionSource;
struct ChannelSheetState;

// Where the window shows a byte of the image: the sheet, the row and the column of the first cell that
// keeps its value there.
struct AddressPlace {
    std::string sheet;  // the sheet's title
    std::string row;    // what names the row: a channel number, a setting's name
    std::string column; // the column's heading
};

// Looks through the sheets `sheets` (laid out with `state`, in their order) for the first cell whose
// value lives in byte `address`; `behaviour` draws the row names. None when no sheet shows the byte.
std::optional<AddressPlace> FindAddressPlace(IDefinitionSource& definitions,
                                             ICellBehaviour& behaviour,
                                             const std::set<std::string>& sheets,
                                             const ChannelSheetState& state,
                                             std::int32_t address);
