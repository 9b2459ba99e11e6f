// vqn58-cli export FILE: prints every channel row of a clone file as comma-separated text.

#include "CliCommand.h"
#include "OpenCloneFile.h"

#include "image/QcfTypes.h"
#include "model/ChannelExport.h"

#include <cstdio>

namespace cli {

int RunExport(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: export needs exactly one FILE\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    // A file the desktop program would refuse exports nothing.
    cmcEeprom scratch;
    const std::uint8_t result = OpenCloneFile(context, context.args[0], scratch);
    if (result != qcf::kOk) {
        return kExitCloneFileBase + result;
    }
    const std::string text = model::ExportChannels(scratch);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kExitOk : kExitFault;
}

} // namespace cli
