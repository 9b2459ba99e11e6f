// vqn58-cli set FILE CELL=TEXT...: commits each TEXT into its cell, in order, then saves FILE; one
// refused entry saves nothing. An entry the cell stored otherwise than typed is told once FILE is saved.

#include "CliCells.h"
#include "SignalGuard.h"
#include "overlay/FormatText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace cli {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\n");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

// A decimal number written out whole ("156.8", "2000"); nothing for any other text.
std::optional<double> Number(const std::string& text) {
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' || text[0] == '.')) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() ? std::optional<double>(value) : std::nullopt;
}

// Whether the cell shows `typed` otherwise than it was typed: limited, put on the raster, cut or put in
// another form. The same number written with more or fewer digits, or blanks around the text, are no
// other value; nor is an item named by its number ("#N").
bool StoredOtherwise(const std::string& typed, const std::string& shown) {
    const std::string a = Trimmed(typed);
    const std::string b = Trimmed(shown);
    if (a == b || a.starts_with("#")) {
        return false;
    }
    const auto x = Number(a);
    const auto y = Number(b);
    return !(x && y && *x == *y);
}

} // namespace

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
    const std::string prefix = cells.App().MessagePrefix();
    std::vector<std::string> notices;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [id, typed] = entries[i];
        const std::string& arg = args[i + 1];
        const std::string name = PrintableText(arg.substr(0, arg.find('=')));
        const std::string why = cells.Set(id, typed);
        if (!why.empty()) {
            std::fprintf(stderr, "%s%s refused: %s\nNothing was saved.\n", prefix.c_str(), name.c_str(), why.c_str());
            return kExitRefused;
        }
        cmcCellObj cell;
        cell.SetCategory(id.category);
        cell.SetKind(id.kind);
        cell.SetIndex(id.index);
        if (const std::string shown = Trimmed(cells.Draw(cell).text); StoredOtherwise(typed, shown)) {
            const std::string notice = FormatText(cells.App().App().Overlay().GetText("GI_Cli_Set_Stored"),
                                                  {PrintableText(typed), PrintableText(shown)});
            // One line per changed cell; the chain appends to its first temporary, so it allocates little.
            notices.push_back(prefix + name + ": " + notice); // NOLINT(performance-inefficient-string-concatenation)
        }
    }
    const int status = SignalGuard::SaveUnlessSignalled([&cells] { return cells.Save(); });
    if (status == kExitOk) {
        for (const std::string& notice : notices) {
            std::fprintf(stderr, "%s\n", notice.c_str());
        }
    }
    return status;
}

} // namespace cli
