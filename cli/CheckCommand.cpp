// vqn58-cli check FILE: opens a clone file exactly as the desktop program's Open does.

#include "CliApp.h"

#include <cstdio>

namespace cli {

int RunCheck(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: check needs exactly one FILE\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    CliApp cli(context);
    // The start-up document first: Open merges the file with the factory data of its model type.
    cli.App().BuildDocument();
    return CliApp::ExitStatus(cli.App().OpenFile(context.args[0]));
}

} // namespace cli
