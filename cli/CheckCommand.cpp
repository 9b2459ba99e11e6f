// vqn58-cli check FILE: reads a clone file exactly as the desktop program's Open does.

#include "CliCommand.h"
#include "OpenCloneFile.h"
#include "image/QcfTypes.h"

#include <cstdio>

namespace cli {

int RunCheck(CliContext& context) {
    if (context.args.size() != 1) {
        std::fprintf(stderr, "vqn58-cli: check needs exactly one FILE\nTry 'vqn58-cli --help'.\n");
        return kExitUsage;
    }
    cmcEeprom scratch;
    const std::uint8_t result = OpenCloneFile(context, context.args[0], scratch);
    return result == qcf::kOk ? kExitOk : kExitCloneFileBase + result;
}

} // namespace cli
