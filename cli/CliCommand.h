#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cli {

// Exit statuses of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDeclined = 1; // a question answered No, or no terminal to ask and no --yes
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFault = 3;          // a fault message ended the process
inline constexpr int kExitRefused = 4;        // an entry refused by a cell, or data a write would refuse
inline constexpr int kExitOutput = 5;         // standard output could not be written
inline constexpr int kExitCloneFileBase = 10; // 10 + clone-file result code (11 to 19)
inline constexpr int kExitCloneBase = 20;     // 20 + clone result code (22 to 37)
inline constexpr int kExitSignalBase = 128;   // 128 + the signal that ended the command

// What every command receives: the options common to all commands and its own arguments.
struct CliContext {
    std::filesystem::path overlayPath; // the definition overlay in use
    std::vector<std::string> args;     // the command's arguments, without the command name
    bool assumeYes = false;            // every question is answered Yes without asking (--yes)
};

// One command of the tool. `run` returns the process's exit status.
struct CliCommand {
    const char* name;
    const char* synopsis; // one line: the arguments
    const char* help;     // what it does and how it ends; may span several lines
    int (*run)(CliContext& context);
};

// Every command the tool knows, in the order --help lists them.
const std::vector<CliCommand>& Commands();

} // namespace cli
