#include "app/SheetDifferences.h"

#include "app/CsvField.h"
#include "image/cmcEeprom.h"
#include "model/CellKinds.h"
#include "model/CellStorage.h"
#include "model/ICellDocument.h"
#include "model/ModelRules.h"
#include "model/indActiveCell.h"
#include "overlay/DefinitionSource.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

struct SheetEntry {
    std::string key;
    std::string title; // the tree's text, used when the sheet has no title of its own
};

// The sheets the tree opens outside the factory mode: entries "{(%CallSheet:KEY)...}Title" of the
// tree body, without those that need the factory mode (Flag0=1).
std::vector<SheetEntry> TreeSheets(IDefinitionSource& overlay) {
    std::vector<SheetEntry> sheets;
    const std::string_view call = "%CallSheet:";
    for (int i = 0;; ++i) {
        const std::string line = overlay.GetLine("GI_Tree_Main_Body", i);
        if (line.starts_with("#")) {
            return sheets;
        }
        const auto at = line.find(call);
        const auto close = line.rfind('}');
        if (at == std::string::npos || close == std::string::npos || line.find("(Flag0=1)") != std::string::npos) {
            continue;
        }
        const auto start = at + call.size();
        sheets.push_back({line.substr(start, line.find(')', start) - start), line.substr(close + 1)});
    }
}

// The stored characters of a text cell: printable ones as they are (a backslash doubled), any other byte
// as \xNN.
std::string StoredText(const cmcEeprom& image, const std::vector<model::StoredBits>& storage) {
    std::string text;
    for (const model::StoredBits& bits : storage) {
        const std::uint8_t byte = image.GetByte(bits.address);
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte <= 0x7E) {
            text += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
            text += escaped;
        }
    }
    return text;
}

// Two stored texts as CSV fields: the spaces at their ends cut where the texts differ without them,
// and a text that starts or ends with a space quoted, so the spaces the radio shows can be seen.
std::pair<std::string, std::string> StoredTextFields(std::string a, std::string b) {
    const auto cut = [](const std::string& text) { return text.substr(0, text.find_last_not_of(' ') + 1); };
    if (cut(a) != cut(b)) {
        a = cut(a);
        b = cut(b);
    }
    const auto field = [](const std::string& text) {
        const bool spaced = !text.empty() && (text.front() == ' ' || text.back() == ' ');
        if (!spaced && text.find_first_of(",\"") == std::string::npos) {
            return text;
        }
        std::string quoted = "\"";
        for (const char c : text) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        return quoted + "\"";
    };
    return {field(a), field(b)};
}

std::string Trimmed(std::string text) {
    for (char& c : text) {
        c = c == '\n' ? ' ' : c;
    }
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The texts the window draws for the cells of one document, through a behaviour object of its own.
class DrawnCells {
public:
    explicit DrawnCells(ICellDocument& document) : m_document(document), m_behaviour(document) {}

    std::string Text(cmcCellObj& cell) {
        if (!cell.HasKind()) {
            return std::string(cell.DisplayText());
        }
        cmcCellCapsule capsule;
        capsule.Cell = &cell;
        m_behaviour.Answer(capsule, ICellBehaviour::kDraw);
        return capsule.OutText;
    }
    const cmcEeprom& Image() { return m_document.CellImage(); }

private:
    ICellDocument& m_document;
    indActiveCell m_behaviour;
};

// What names a cell in the window: the row's text in the fixed columns (the channel, the setting)
// and the column's heading in the fixed rows.
class SheetWalk {
public:
    SheetWalk(ChannelSheetLayout& layout, DrawnCells& cells) : m_layout(layout), m_cells(cells) {}

    std::string Text(std::int32_t column, std::int32_t row) {
        return Trimmed(m_cells.Text(m_layout.Slot(column, row).Cell()));
    }

    std::string RowName(std::int32_t column, std::int32_t row) {
        for (std::int32_t c = std::min(m_layout.FixedCols(), column) - 1; c >= 0; --c) {
            // A row number the window shows as dashes names nothing.
            if (std::string text = Text(c, row); text.find_first_not_of('-') != std::string::npos) {
                return text;
            }
        }
        if (column > 0 && !m_layout.Slot(0, row).Cell().HasKind()) {
            return Text(0, row);
        }
        return std::to_string(row);
    }

    // The column's heading; for a column without one, the kind name of the cell in `row`.
    std::string ColumnName(std::int32_t column, std::int32_t row) {
        std::string name;
        for (std::int32_t r = 0; r < m_layout.FixedRows(); ++r) {
            const std::string text = Text(column, r);
            name += name.empty() || text.empty() ? text : " " + text;
        }
        return name.empty() ? std::string(model::KindName(m_layout.Slot(column, row).Cell().Kind())) : name;
    }

private:
    ChannelSheetLayout& m_layout;
    DrawnCells& m_cells;
};

// The channel sheets as the window lays them out for `document`: every channel row, its model type's
// variant and the option bits of the radio's identity.
ChannelSheetState SheetStateOf(ICellDocument& document) {
    ChannelSheetState state;
    state.modelVariant = document.ModelType();
    state.optionBits = document.CloneIdentityBytes()[19];
    return state;
}

} // namespace

std::optional<CellPlace> PlaceOfByte(ICellDocument& document, std::int32_t address) {
    DrawnCells cells(document);
    IDefinitionSource& definitions = document.Texts();
    const ChannelSheetState state = SheetStateOf(document);
    platform::FixedFontMetrics metrics;
    for (const SheetEntry& sheet : TreeSheets(definitions)) {
        ChannelSheetLayout layout(definitions, sheet.key, metrics, state);
        layout.Build();
        SheetWalk walk(layout, cells);
        for (std::int32_t row = layout.FixedRows(); row < layout.RowCount(); ++row) {
            for (std::int32_t column = layout.FixedCols(); column < layout.ColumnCount(); ++column) {
                const cmcCellObj& cell = layout.Slot(column, row).Cell();
                if (!cell.HasKind()) {
                    continue;
                }
                const auto storage = model::CellStorage(cell.Category(), cell.Kind(), cell.Index());
                if (std::any_of(storage.begin(), storage.end(), [address](const model::StoredBits& bits) {
                        return bits.address == address;
                    })) {
                    return CellPlace{layout.TitleString().value_or(sheet.title),
                                     walk.RowName(column, row),
                                     walk.ColumnName(column, row)};
                }
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> SheetDifferences(ICellDocument& a, ICellDocument& b, bool withBytes) {
    DrawnCells cellsA(a);
    DrawnCells cellsB(b);
    IDefinitionSource& definitions = a.Texts();
    // Both are laid out as the window lays out A, so the same cells are compared.
    const ChannelSheetState state = SheetStateOf(a);
    platform::FixedFontMetrics metrics;
    std::vector<std::string> lines;
    // The bits of each byte that a cell line accounts for.
    std::array<std::uint8_t, model::kImageSize> explained{};
    for (const SheetEntry& sheet : TreeSheets(definitions)) {
        ChannelSheetLayout layout(definitions, sheet.key, metrics, state);
        layout.Build();
        const std::string title = CsvField(layout.TitleString().value_or(sheet.title));
        SheetWalk walk(layout, cellsA);
        for (std::int32_t row = layout.FixedRows(); row < layout.RowCount(); ++row) {
            // The fixed columns name the row (a channel, a setting); they are no values of their own.
            for (std::int32_t column = layout.FixedCols(); column < layout.ColumnCount(); ++column) {
                cmcCellObj& cell = layout.Slot(column, row).Cell();
                if (!cell.HasKind()) {
                    continue;
                }
                const auto storage = model::CellStorage(cell.Category(), cell.Kind(), cell.Index());
                std::pair<std::string, std::string> fields;
                if (model::IsStoredTextCell(cell.Category(), cell.Kind(), cell.Index())) {
                    // A text is its stored bytes: the window trims and replaces what the radio shows.
                    const std::string textA = StoredText(cellsA.Image(), storage);
                    const std::string textB = StoredText(cellsB.Image(), storage);
                    if (textA == textB) {
                        continue;
                    }
                    fields = StoredTextFields(textA, textB);
                } else {
                    const std::string textA = cellsA.Text(cell);
                    const std::string textB = cellsB.Text(cell);
                    if (textA == textB) {
                        continue;
                    }
                    fields = {CsvField(Trimmed(textA)), CsvField(Trimmed(textB))};
                }
                for (const model::StoredBits& bits : storage) {
                    explained[static_cast<std::size_t>(bits.address)] |= bits.mask;
                }
                lines.push_back(title + "," + CsvField(walk.RowName(column, row)) + "," +
                                CsvField(walk.ColumnName(column, row)) + "," + fields.first + "," + fields.second);
            }
        }
    }
    if (!withBytes) {
        return lines;
    }
    // Every byte a write sends (the factory range included) that differs where no line above explains it:
    // its address and both values.
    for (const model::AddressRange* range = model::kWriteRangesMaker; range->first <= range->last; ++range) {
        for (std::int32_t address = range->first; address <= range->last; ++address) {
            const std::uint8_t byteA = cellsA.Image().GetByte(address);
            const std::uint8_t byteB = cellsB.Image().GetByte(address);
            if (((byteA ^ byteB) & ~explained[static_cast<std::size_t>(address)]) != 0) {
                char line[32];
                std::snprintf(line,
                              sizeof line,
                              ",0x%03X,,0x%02X,0x%02X",
                              static_cast<unsigned>(address),
                              static_cast<unsigned>(byteA),
                              static_cast<unsigned>(byteB));
                lines.emplace_back(line);
            }
        }
    }
    return lines;
}
