#pragma once

#include <string_view>

namespace platform {

// Shows a fault message and ends the process. A fault marks an inconsistency between program, overlay
// and data that the user cannot repair: the handler shows `text` with the executable's file name as
// caption and an error icon; when it returns, the process ends at once with exit status 3, saving
// nothing. This is the one fault path of the program.
[[noreturn]] void Fault(std::string_view text);

// Shows one fault message; must return when the user has closed it.
using FaultHandler = void (*)(std::string_view caption, std::string_view text);

// Installs the handler that shows fault messages; nullptr restores the default, which writes
// "<caption>: <text>" to standard error. Returns the previous handler.
FaultHandler SetFaultHandler(FaultHandler handler);

// The default handler: writes "<caption>: <text>" and a line feed to standard error.
void WriteFaultToStandardError(std::string_view caption, std::string_view text);

// The exit status of a process ended by Fault.
inline constexpr int kFaultExitStatus = 3;

} // namespace platform
