#include "CliCommand.h"

namespace cli {

int RunCloneInfo(CliContext& context);
int RunCloneRead(CliContext& context);
int RunCloneWrite(CliContext& context);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"info", "--port N | --device PATH|sim",
         "Asks the radio who it is and prints its identity.\nFails with 20 + the clone result code.",
         RunCloneInfo},
        {"read", "FILE --port N | --device PATH|sim",
         "Reads the radio's memory and saves it as the clone file FILE.\n"
         "Fails with 20 + the clone result code, or 10 + the clone-file code of FILE.",
         RunCloneRead},
        {"write", "FILE [--maker] --port N | --device PATH|sim",
         "Writes the clone file FILE into the radio (with --maker: the factory range too).\n"
         "Fails with 10 + the clone-file code of FILE, or 20 + the clone result code.",
         RunCloneWrite},
    };
    return commands;
}

} // namespace cli
