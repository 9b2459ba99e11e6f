#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IDefinitionSource;

// The cell-table registry: per sheet and cell kind, a table of the cells of that kind in the sheet's
// cell list "<sheet>_Cells", sorted by number (the cell's index) and by position (column-major). Selection
// lists and stepping cells ask it for the name of the cell with a number, and for the number of the
// cell n places further on.
//
// Tables are built on first use and kept as long as the registry lives, in a chained hash table of 1031
// buckets under the key "<sheet>#<kind>". Registering a key twice is the fault "Overlapped Hash2 table.".
class cmcHash2 {
public:
    // What the registry needs of one cell definition.
    struct CellInfo {
        std::int32_t kind = 0;
        std::int32_t number = 0; // the cell's index
        std::string name;        // the cell's display text (empty when it has none)
    };
    // Reads the first cell definition of `definition` into `cell` and returns the rest of the line after
    // its '|' (empty after the last). Supplied by the layer that knows the cell notation.
    using CellReader = std::function<std::string_view(std::string_view definition, CellInfo& cell)>;

    // `source` gives the cell lists; not owned.
    cmcHash2(IDefinitionSource& source, CellReader reader);
    ~cmcHash2();
    cmcHash2(const cmcHash2&) = delete;
    cmcHash2& operator=(const cmcHash2&) = delete;

    // Reads "<sheet>_Cells" up to its first line beginning with '#' and registers the table of the cells
    // of `kind` under "<sheet>#<kind>"; a key already registered is a fault.
    void BuildCellTable(std::string_view sheet, std::int32_t kind);

    // The name of the cell of `kind` whose number is `number` ("error" when there is none); builds the
    // table first when it is not registered yet.
    std::string NameByNumber(std::string_view sheet, std::int32_t kind, std::int32_t number);

    // The number of the cell `offset` places after (before, when negative) the cell numbered `number`
    // in position order, wrapping around at both ends; the first cell's number when no cell has
    // `number`. Nothing when no table is registered for the sheet and kind, or it holds no cell.
    std::optional<std::int32_t>
    StepByPosition(std::string_view sheet, std::int32_t kind, std::int32_t number, std::int32_t offset) const;

    struct Entry {
        std::int32_t line = 0;
        std::int32_t position = 0;
        std::int32_t number = 0;
        std::string name;
    };
    struct CellTable {
        std::int32_t lineCount = 0;
        std::int32_t widestLine = 0;
        std::vector<Entry> byNumber;
        std::vector<Entry> byPosition;
    };

    // The table registered for the sheet and kind, or nullptr.
    const CellTable* Find(std::string_view sheet, std::int32_t kind) const;

private:
    struct Node;
    static std::string RegistryKey(std::string_view sheet, std::int32_t kind);

    IDefinitionSource& m_source;
    CellReader m_reader;
    std::vector<std::unique_ptr<Node>> m_buckets;
};
