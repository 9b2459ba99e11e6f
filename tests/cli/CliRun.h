#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace clitest {

struct CliRun {
    int status;
    std::string output; // standard output and standard error together
};

// `text` quoted for the shell.
inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs the built vqn58-cli with `arguments` (already quoted for the shell) and collects its output.
inline CliRun RunCliCommand(const std::string& arguments) {
    const std::string command = Quoted(std::string(VQN58_BIN_DIR) + "/vqn58-cli") + " " + arguments + " 2>&1";
    CliRun run{-1, {}};
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace clitest
