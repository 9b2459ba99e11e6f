#include "CliCommand.h"

namespace cli {

int RunCheck(CliContext& context);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"check",
         "FILE",
         "Reads the clone file FILE as the desktop program's Open does and shows the\n"
         "first fault found. Exit status 0 when the file is good, else 10 + the\n"
         "clone-file result code (11 to 19).",
         &RunCheck},
    };
    return commands;
}

} // namespace cli
