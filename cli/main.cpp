// vqn58-cli: the document and clone logic of the desktop program without a window.

#include "CliCommand.h"
#include "SignalGuard.h"
#include "platform/ProgramPaths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

void PrintHelp(std::FILE* out) {
    std::fprintf(out,
                 "Usage: vqn58-cli [--overlay FILE] COMMAND [ARGUMENTS]\n"
                 "\n"
                 "Works on VQ-N58 clone files and radios without opening a window.\n"
                 "\n"
                 "Options:\n"
                 "  --overlay FILE  use FILE as the definition overlay instead of the VQN58.OVL\n"
                 "                  beside the program\n"
                 "  --help          show this text\n"
                 "\n"
                 "Commands:\n");
    for (const auto& command : cli::Commands()) {
        std::fprintf(out, "  %s %s\n", command.name, command.synopsis);
        std::string help = command.help;
        std::size_t start = 0;
        while (start < help.size()) {
            const auto end = help.find('\n', start);
            const auto line = help.substr(start, end == std::string::npos ? std::string::npos : end - start);
            std::fprintf(out, "      %s\n", line.c_str());
            start = end == std::string::npos ? help.size() : end + 1;
        }
    }
    std::fprintf(out,
                 "\n"
                 "Messages are the overlay's texts, written to standard error; each starts with\n"
                 "the program's name and the file it is about (vqn58-cli: boat.qcf: ...).\n"
                 "\n"
                 "Questions (the write confirmation, the factory-mode caution) are asked on the\n"
                 "terminal, default No; --yes answers them Yes.\n"
                 "\n"
                 "Exit status:\n"
                 "  0        success\n"
                 "  1        a question was answered No, or there was no terminal to ask and no --yes\n"
                 "           (diff: the files differ)\n"
                 "  2        the command line is wrong, or an existing file is kept without --force\n"
                 "  3        a fault ended the program (overlay or program data inconsistent)\n"
                 "  4        an entry refused by a cell (set), a channel line refused (import),\n"
                 "           cells in error that a write refuses (check, write)\n"
                 "  5        standard output could not be written\n"
                 "  11-19    10 + clone-file result code: 1 cannot open, 2 cannot write, 3 other model,\n"
                 "           4 other model variant, 5 map revision refused, 6 malformed line,\n"
                 "           7 addresses missing, 8 data outside the radio's memory or refused,\n"
                 "           9 newer than this program supports\n"
                 "  22-39    20 + clone result code (see the radio commands; 38 and 39: the check after\n"
                 "           a write found a difference, or could not be made)\n"
                 "  128+N    ended by signal N (the serial port released, no temporary file left,\n"
                 "           nothing saved; a signal after a command saved its file changes nothing)\n");
}

// The command's status, unless a signal asked it to end or standard output could not be written.
int Finished(int status) {
    if (const int signal = cli::SignalGuard::Pending(); signal != 0) {
        return cli::kExitSignalBase + signal;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "vqn58-cli: standard output could not be written: %s\n", std::strerror(errno));
        return cli::kExitOutput;
    }
    return status;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "vqn58-cli: %s\nTry 'vqn58-cli --help'.\n", problem);
    return cli::kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    const cli::SignalGuard signals;
    cli::CliContext context;
    context.overlayPath = platform::ProgramDataDir() / "VQN58.OVL";
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintHelp(stdout);
            return Finished(cli::kExitOk);
        }
        if (std::strcmp(argv[i], "--overlay") == 0) {
            if (++i == argc) {
                return Usage("--overlay needs a file");
            }
            context.overlayPath = argv[i];
            continue;
        }
        return Usage((std::string("unknown option ") + argv[i]).c_str());
    }
    if (i == argc) {
        return Usage("no command given");
    }
    const std::string name = argv[i++];
    for (const auto& command : cli::Commands()) {
        if (name == command.name) {
            // Options after the command belong to it, --overlay included.
            for (; i < argc; ++i) {
                if (std::strcmp(argv[i], "--overlay") == 0) {
                    if (++i == argc) {
                        return Usage("--overlay needs a file");
                    }
                    context.overlayPath = argv[i];
                    continue;
                }
                context.args.emplace_back(argv[i]);
            }
            return Finished(command.run(context));
        }
    }
    return Usage(("unknown command '" + name + "'").c_str());
}
