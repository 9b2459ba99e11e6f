// vqn58-cli set FILE CELL=TEXT...: commits each TEXT into its cell, in order, then saves FILE; one
// refused entry saves nothing.

#include "CliCells.h"
#include "SignalGuard.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace cli {

int RunSet(CliContext& context) {
    const auto& args = context.args;
    if (args.size() < 2) {
        std::fprintf(stderr, "vqn58-cli: set needs a FILE and at least one CELL=TEXT\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    std::vector<std::pair<CellIdentity, std::string>> entries;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const auto equals = args[i].find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "vqn58-cli: '%s' is no CELL=TEXT\nTry 'vqn58-cli --help'.\n", args[i].c_str());
            return kExitUsage;
        }
        const auto id = CommandLineCell(std::string_view(args[i]).substr(0, equals));
        if (!id) {
            return kExitUsage;
        }
        entries.emplace_back(*id, args[i].substr(equals + 1));
    }
    CliCells cells(context);
    if (const int status = cells.Open(args[0]); status != kExitOk) {
        return status;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string why = cells.Set(entries[i].first, entries[i].second);
        if (!why.empty()) {
            const std::string& arg = args[i + 1];
            std::fprintf(stderr,
                         "vqn58-cli: %s refused: %s\nNothing was saved.\n",
                         arg.substr(0, arg.find('=')).c_str(),
                         why.c_str());
            return kExitRefused;
        }
    }
    return SignalGuard::SaveUnlessSignalled([&cells] { return cells.Save(); });
}

} // namespace cli
