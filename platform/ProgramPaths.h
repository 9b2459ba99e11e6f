#pragma once

#include <filesystem>
#include <string>

namespace platform {

// Full path of the running executable; empty when the system cannot tell.
std::filesystem::path ExecutablePath();

// The executable's file name without its directory ("vqn58", "vqn58-cli"); the caption of fault messages.
std::string ExecutableFileName();

// The directory that holds the overlay, the initial files and the help file: the executable's own
// directory when the overlay `overlayFileName` lies there, else <exe dir>/../share/vqn58 (the installed
// layout). Always ends without a trailing separator.
std::filesystem::path ProgramDataDir(const std::string& overlayFileName = "VQN58.OVL");

// The user's own data directory of this program: $XDG_DATA_HOME/vqn58 when that variable holds an
// absolute path, else $HOME/.local/share/vqn58 (on Windows %APPDATA%\vqn58). Empty when none of these
// variables is set. Nothing is created.
std::filesystem::path UserDataDir();

} // namespace platform
