// vqn58-cli diff A B: prints each cell of the sheets whose value differs between two clone files, then
// each byte a clone write sends that differs where no such cell explains it.

#include "CliCells.h"
#include "app/SheetDifferences.h"

#include <cstdio>
#include <string>

namespace cli {

int RunDiff(CliContext& context) {
    if (context.args.size() != 2) {
        std::fprintf(stderr, "vqn58-cli: diff needs two FILEs\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    CliCells a(context);
    CliCells b(context);
    // Each file's messages name it, so a refused file is told from the other.
    for (auto [cells, file] : {std::pair{&a, &context.args[0]}, std::pair{&b, &context.args[1]}}) {
        if (const int status = cells->Open(*file); status != kExitOk) {
            return status;
        }
    }
    const std::vector<std::string> lines = SheetDifferences(a.Document(), b.Document(), true);
    for (const std::string& line : lines) {
        std::printf("%s\n", line.c_str());
    }
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vqn58-cli: cannot write the differences\n");
        return kExitOutput;
    }
    return lines.empty() ? kExitOk : 1;
}

} // namespace cli
