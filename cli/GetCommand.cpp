// vqn58-cli get FILE CELL...: prints the text the window draws for each cell, one line each.

#include "CliCells.h"

#include <cstdio>
#include <vector>

namespace cli {

int RunGet(CliContext& context) {
    const auto& args = context.args;
    if (args.size() < 2) {
        std::fprintf(stderr, "vqn58-cli: get needs a FILE and at least one CELL\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    std::vector<CellIdentity> ids;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const auto id = CommandLineCell(args[i]);
        if (!id) {
            return kExitUsage;
        }
        ids.push_back(*id);
    }
    CliCells cells(context);
    if (const int status = cells.Open(args[0]); status != kExitOk) {
        return status;
    }
    for (const CellIdentity& id : ids) {
        cmcCellObj cell;
        cell.SetCategory(id.category);
        cell.SetKind(id.kind);
        cell.SetIndex(id.index);
        std::printf("%s\n", cells.Draw(cell).text.c_str());
    }
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vqn58-cli: cannot write the cells\n");
        return 5;
    }
    return kExitOk;
}

} // namespace cli
