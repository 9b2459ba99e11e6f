// vqn58-cli show FILE SHEET: prints a sheet of the clone file as the window shows it, one CSV line per
// cell, with the number the window gives a channel row beside the index the command line uses.

#include "CliCells.h"
#include "app/CsvField.h"
#include "model/CellKinds.h"
#include "model/datCh.h"
#include "overlay/OverlayHasSheet.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"

#include <cstdio>
#include <string>
#include <vector>

namespace cli {
namespace {

// The number the window gives the row of a channel cell: its index counted from 1 (row 0 of a list is
// No. 1, free channel index 5 is free channel 6); empty for a cell of no channel list.
std::string WindowNumber(const cmcCellObj& cell) {
    const bool channel = cell.HasKind() && cell.Category() >= model::CT_IntCh && cell.Category() <= model::CT_FreeCh;
    return channel ? std::to_string(cell.Index() + 1) : std::string();
}

} // namespace

int RunShow(CliContext& context) {
    std::vector<std::string> args;
    bool usableOnly = false;
    for (const std::string& arg : context.args) {
        if (arg == "--usable") {
            usableOnly = true;
        } else {
            args.push_back(arg);
        }
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "vqn58-cli: show needs a FILE and a SHEET\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    if (!OverlayHasSheet(context.overlayPath, args[1])) {
        std::fprintf(stderr, "vqn58-cli: the overlay has no sheet '%s'\nTry 'vqn58-cli --help'.\n", args[1].c_str());
        return kExitUsage;
    }
    CliCells cells(context);
    if (const int status = cells.Open(args[0]); status != kExitOk) {
        return status;
    }
    indMain& app = cells.App().App();
    app.SetUsableChannelsOnly(usableOnly);
    ChannelSheetState state;
    state.usableOnly = usableOnly;
    state.isUsable = [&app](int plan, int channel) { return IsUsableChannel(app.MainImage(), plan, channel); };
    state.modelVariant = app.ModelType();
    state.optionBits = app.CloneIdentityBytes()[19];
    platform::FixedFontMetrics metrics;
    ChannelSheetLayout layout(app.Definitions(), args[1], metrics, state);
    layout.Build();
    std::printf("row,column,category,kind,index,number,text,grey,warning\n");
    for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
        for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
            cmcCellObj& cell = layout.Slot(column, row).Cell();
            const CliCells::Drawn drawn = cells.Draw(cell);
            std::printf("%d,%d,%d,%d,%d,%s,%s,%d,%d\n",
                        row,
                        column,
                        cell.Category(),
                        cell.Kind(),
                        cell.Index(),
                        WindowNumber(cell).c_str(),
                        CsvField(drawn.text).c_str(),
                        drawn.grey ? 1 : 0,
                        drawn.warning ? 1 : 0);
        }
    }
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vqn58-cli: cannot write the sheet\n");
        return 5;
    }
    return kExitOk;
}

} // namespace cli
