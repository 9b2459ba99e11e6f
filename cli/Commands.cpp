#include "CliCommand.h"

namespace cli {

int RunCheck(CliContext& context);
int RunNew(CliContext& context);
int RunExport(CliContext& context);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"check",
         "FILE",
         "Opens the clone file FILE as the desktop program's Open does (the model's\n"
         "tests and the merge with the factory data included) and shows the first\n"
         "fault found. Exit status 0 when the file is good, else 10 + the\n"
         "clone-file result code (11 to 19).",
         &RunCheck},
        {"new",
         "FILE [--model N] [--force]",
         "Saves the factory data of model type N (0 to 4, default 0) to FILE as the\n"
         "desktop program's New then Save do; an existing FILE is only replaced with\n"
         "--force. Exit status 0 when saved, else 10 + the clone-file result code;\n"
         "2 for a bad model type or an existing FILE.",
         &RunNew},
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
