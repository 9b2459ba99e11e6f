#pragma once

#include <string>

namespace testsupport {

// What a command printed and how it ended.
struct CommandRun {
    int status;         // the exit status; −1 when it did not exit normally or could not start
    std::string output; // standard output and standard error together
};

// `text` quoted for the shell.
std::string Quoted(const std::string& text);

// Runs `command` (a shell command line, already quoted) and collects its output.
CommandRun RunCommand(const std::string& command);

} // namespace testsupport
