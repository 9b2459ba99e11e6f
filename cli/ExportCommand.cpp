// vqn58-cli export FILE: prints every channel row of a clone file as comma-separated text.

#include "CliApp.h"
#include "model/ChannelExport.h"

#include <cstdio>

namespace cli {

int RunExport(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: export needs exactly one FILE\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    // Read as check reads it: the desktop program's Open with the model's adoption of the file and the
    // merge with the factory data of its model type. A file Open refuses exports nothing.
    CliApp cli(context);
    cli.About(context.args[0]);
    cli.App().BuildDocument();
    if (const int result = cli.App().OpenFile(context.args[0]); result != 0) {
        return CliApp::ExitStatus(result);
    }
    const std::string text = model::ExportChannels(cli.App().MainImage());
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? kExitOk : kExitOutput;
}

} // namespace cli
