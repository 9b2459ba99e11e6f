#include "CliCommand.h"

namespace cli {

int RunLayout(CliContext& context);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"layout",
         "SHEET",
         "Lays the sheet SHEET of the overlay out as the program's window does and prints one CSV line\n"
         "per cell after a header line. Texts are measured with fixed-width metrics (each character\n"
         "3/5 of the font height wide), so the output is the same on every machine. All channels are\n"
         "shown, for the USA variant without option bits. A definition error ends it with its fault\n"
         "message and status 3.",
         RunLayout},
    };
    return commands;
}

} // namespace cli
