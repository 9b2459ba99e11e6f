#pragma once

#include "support/RunCommand.h"

#include <string>

namespace clitest {

using CliRun = testsupport::CommandRun;
using testsupport::Quoted;

// Runs the built vqn58-cli with `arguments` (already quoted for the shell) and collects its output.
inline CliRun RunCliCommand(const std::string& arguments) {
    return testsupport::RunCommand(Quoted(std::string(VQN58_BIN_DIR) + "/vqn58-cli") + " " + arguments);
}

} // namespace clitest
