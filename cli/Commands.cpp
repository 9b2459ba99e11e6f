#include "CliCommand.h"

namespace cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
    };
    return commands;
}

} // namespace cli
