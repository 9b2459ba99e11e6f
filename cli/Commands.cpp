#include "CliCommand.h"

namespace cli {

int RunCheck(CliContext& context);
int RunExport(CliContext& context);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"check",
         "FILE",
         "Reads the clone file FILE as the desktop program's Open does and shows the\n"
         "first fault found. Exit status 0 when the file is good, else 10 + the\n"
         "clone-file result code (11 to 19).",
         &RunCheck},
        {"export",
         "FILE",
         "Prints every channel row of the clone file FILE as comma-separated text:\n"
         "plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name\n"
         "for rows 0 to 303 of the International, USA and Canada lists, 0 to 9 of the\n"
         "weather channels and 0 to 69 of the free channels. The file is read as Open\n"
         "reads it; exit status 10 + the clone-file result code when it is refused.",
         &RunExport},
    };
    return commands;
}

} // namespace cli
