// vqn58-cli diff A B: prints each cell of the sheets whose shown text differs between two clone files.

#include "CliCells.h"
#include "CsvField.h"
#include "overlay/DefinitionSource.h"
#include "platform/FontMetrics.h"
#include "sheets/iuiSheetLayout.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace cli {
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

std::string Trimmed(std::string text) {
    for (char& c : text) {
        c = c == '\n' ? ' ' : c;
    }
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// What names a cell in the window: the row's text in the fixed columns (the channel, the setting)
// and the column's heading in the fixed rows.
class SheetWalk {
public:
    SheetWalk(iuiSheetLayout& layout, CliCells& cells) : m_layout(layout), m_cells(cells) {}

    std::string Text(std::int32_t column, std::int32_t row) {
        return Trimmed(m_cells.Draw(m_layout.Slot(column, row).Cell()).text);
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

    std::string ColumnName(std::int32_t column) {
        std::string name;
        for (std::int32_t r = 0; r < m_layout.FixedRows(); ++r) {
            const std::string text = Text(column, r);
            name += name.empty() || text.empty() ? text : " " + text;
        }
        return name;
    }

private:
    iuiSheetLayout& m_layout;
    CliCells& m_cells;
};

} // namespace

int RunDiff(CliContext& context) {
    if (context.args.size() != 2) {
        std::fprintf(stderr, "vqn58-cli: diff needs two FILEs\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    CliCells a(context);
    CliCells b(context);
    for (auto [cells, file] : {std::pair{&a, &context.args[0]}, std::pair{&b, &context.args[1]}}) {
        if (const int status = cells->Open(*file); status != kExitOk) {
            return status;
        }
    }
    indMain& app = a.App().App();
    // Both files are laid out as the window lays out A, so the same cells are compared.
    ChannelSheetState state;
    state.modelVariant = app.ModelType();
    state.optionBits = app.CloneIdentityBytes()[19];
    platform::FixedFontMetrics metrics;
    bool differ = false;
    for (const SheetEntry& sheet : TreeSheets(app.Definitions())) {
        iuiSheetLayout layout(app.Definitions(), sheet.key, metrics, state);
        layout.Build();
        const std::string title = CsvField(layout.TitleString().value_or(sheet.title));
        SheetWalk walkA(layout, a);
        SheetWalk walkB(layout, b);
        for (std::int32_t row = layout.FixedRows(); row < layout.RowCount(); ++row) {
            // The fixed columns name the row (a channel, a setting); they are no values of their own.
            for (std::int32_t column = layout.FixedCols(); column < layout.ColumnCount(); ++column) {
                if (!layout.Slot(column, row).Cell().HasKind()) {
                    continue;
                }
                const std::string textA = walkA.Text(column, row);
                const std::string textB = walkB.Text(column, row);
                if (textA == textB) {
                    continue;
                }
                differ = true;
                std::printf("%s,%s,%s,%s,%s\n",
                            title.c_str(),
                            CsvField(walkA.RowName(column, row)).c_str(),
                            CsvField(walkA.ColumnName(column)).c_str(),
                            CsvField(textA).c_str(),
                            CsvField(textB).c_str());
            }
        }
    }
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vqn58-cli: cannot write the differences\n");
        return kExitOutput;
    }
    return differ ? 1 : kExitOk;
}

} // namespace cli
