#include "ProgramPaths.h"

#include <cstdlib>
#include <system_error>

#if defined(__linux__)
#include <unistd.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

namespace platform {

std::filesystem::path ExecutablePath() {
#if defined(__linux__)
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
#elif defined(__APPLE__)
    char buffer[4096];
    uint32_t size = sizeof buffer;
    return _NSGetExecutablePath(buffer, &size) == 0 ? std::filesystem::path(buffer) : std::filesystem::path();
#elif defined(_WIN32)
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    return n ? std::filesystem::path(std::wstring(buffer, n)) : std::filesystem::path();
#else
    return {};
#endif
}

std::string ExecutableFileName() {
    auto name = ExecutablePath().filename().string();
    return name.empty() ? std::string("vqn58") : name;
}

std::filesystem::path ProgramDataDir(const std::string& overlayFileName) {
    auto exeDir = ExecutablePath().parent_path();
    std::error_code error;
    if (std::filesystem::exists(exeDir / overlayFileName, error)) {
        return exeDir;
    }
    return (exeDir.parent_path() / "share" / "vqn58").lexically_normal();
}

std::filesystem::path UserDataDir() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::filesystem::path(value != nullptr ? value : "");
    };
#if defined(_WIN32)
    const auto appData = variable("APPDATA");
    return appData.empty() ? appData : appData / "vqn58";
#else
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG base directory rule says.
    if (const auto xdg = variable("XDG_DATA_HOME"); xdg.is_absolute()) {
        return xdg / "vqn58";
    }
    const auto home = variable("HOME");
    return home.empty() ? home : home / ".local" / "share" / "vqn58";
#endif
}

} // namespace platform
