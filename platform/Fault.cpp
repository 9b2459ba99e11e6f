#include "Fault.h"

#include "ProgramPaths.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace platform {

void WriteFaultToStandardError(std::string_view caption, std::string_view text) {
    std::fprintf(stderr,
                 "%.*s: %.*s\n",
                 static_cast<int>(caption.size()),
                 caption.data(),
                 static_cast<int>(text.size()),
                 text.data());
    std::fflush(stderr);
}

namespace {
FaultHandler g_handler = &WriteFaultToStandardError;

} // namespace

FaultHandler SetFaultHandler(FaultHandler handler) {
    FaultHandler previous = g_handler;
    g_handler = handler ? handler : &WriteFaultToStandardError;
    return previous;
}

void Fault(std::string_view text) {
    // Copy first: the text may live in memory that the handler's event loop could disturb.
    const std::string message(text);
    const std::string caption = ExecutableFileName();
    g_handler(caption, message);
    std::fflush(nullptr);
    std::_Exit(kFaultExitStatus);
}

} // namespace platform
