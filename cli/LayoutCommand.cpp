// vqn58-cli layout: lays a sheet of the overlay out as the desktop program does and prints its cells.

#include "CliCommand.h"
#include "app/CsvField.h"
#include "overlay/DefinitionSource.h"
#include "overlay/OverlayHasSheet.h"
#include "overlay/cmcGTex.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace cli {
namespace {

void PrintCells(const SheetLayout& layout) {
    std::printf("row,column,line,category,kind,index,selectable,joinleft,multiselectable,argument,text\n");
    for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
        const std::int32_t line = layout.Rows()[static_cast<std::size_t>(row)].Line;
        for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
            const clsSheetCellId& slot = layout.Slot(column, row);
            const cmcCellObj& cell = slot.Cell();
            std::printf("%d,%d,%d,%d,%d,%d,%d,%d,%d,%s,%s\n",
                        row,
                        column,
                        line,
                        cell.Category(),
                        cell.Kind(),
                        cell.Index(),
                        cell.Selectable() ? 1 : 0,
                        cell.JoinLeft() ? 1 : 0,
                        slot.MultiSelectable() ? 1 : 0,
                        CsvField(cell.Argument().value_or("")).c_str(),
                        CsvField(cell.DisplayText()).c_str());
        }
    }
}

} // namespace

int RunLayout(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: layout needs exactly one sheet name\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    if (!OverlayHasSheet(context.overlayPath, context.args.front())) {
        std::fprintf(stderr,
                     "vqn58-cli: the overlay has no sheet '%s'\nTry 'vqn58-cli --help'.\n",
                     context.args.front().c_str());
        return kExitUsage;
    }
    cmcGTex gtex;
    gtex.SetSourceFile(context.overlayPath.string());
    GTexDefinitionSource source(gtex);
    platform::FixedFontMetrics metrics;
    const ChannelSheetState state; // all channels shown, USA variant, no option bits
    ChannelSheetLayout layout(source, context.args.front(), metrics, state);
    layout.Build(); // a definition error ends the process with its fault message and status 3
    PrintCells(layout);
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vqn58-cli: cannot write the cells\n");
        return 1;
    }
    return kExitOk;
}

} // namespace cli
