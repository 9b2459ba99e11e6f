// vqn58-cli new FILE [--model N]: saves the factory image of a model type as New then Save would.

#include "CliApp.h"
#include "SignalGuard.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace cli {
namespace {

int UsageError(const char* problem) {
    std::fprintf(stderr, "vqn58-cli: %s\nTry 'vqn58-cli --help'.\n", problem);
    return kExitUsage;
}

// A model type 0 to 4 written as plain decimal digits.
bool ParseModelType(const std::string& text, int& type) {
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + cuiMain::kModelTypeCount) {
        return false;
    }
    type = text[0] - '0';
    return true;
}

} // namespace

int RunNew(CliContext& context) {
    std::string file;
    int type = 0;
    bool force = false;
    const auto& args = context.args;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--model") {
            if (++i == args.size() || !ParseModelType(args[i], type)) {
                return UsageError("--model needs a model type from 0 to 4");
            }
        } else if (args[i] == "--force") {
            force = true;
        } else if (file.empty() && !args[i].starts_with("--")) {
            file = args[i];
        } else {
            return UsageError(("unexpected argument '" + args[i] + "'").c_str());
        }
    }
    if (file.empty()) {
        return UsageError("new needs a FILE");
    }
    // There is no dialog to ask before a file is replaced: an existing file is kept unless forced.
    std::error_code error;
    if (!force && std::filesystem::exists(file, error)) {
        return UsageError((file + ": the file exists; add --force to replace it").c_str());
    }
    CliApp cli(context);
    cli.About(file);
    cli.Settings().modelType = static_cast<std::int8_t>(type);
    cli.App().BuildDocument();
    cli.App().NewDocument();
    return SignalGuard::SaveUnlessSignalled([&] { return CliApp::ExitStatus(cli.App().SaveToFile(file)); });
}

} // namespace cli
