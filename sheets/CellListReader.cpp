#include "sheets/CellListReader.h"

#include "sheets/cmcCellObj.h"

cmcHash2::CellReader CellListReader(IDefinitionSource& models) {
    return [&models](std::string_view definition, cmcHash2::CellInfo& info) {
        cmcCellObj cell;
        const std::string_view rest = cell.Parse(definition, nullptr, nullptr, models);
        info.kind = cell.Kind();
        info.number = cell.Index();
        info.name.assign(cell.DisplayText());
        return rest;
    };
}
