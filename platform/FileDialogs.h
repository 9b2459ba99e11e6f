#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// How an open or save dialog starts.
struct FileDialogSetup {
    std::string defaultExtension;    // without the dot, added to a name typed without one
    std::string filter;              // "Description|*.ext|Other|*.*" pairs, or a Qt filter string
    std::filesystem::path directory; // the starting directory
    std::string fileName;            // the starting file name (save dialog), may be empty
};

// Modal open and save dialogs owned by the main window. Both answer nothing when cancelled.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // Asks for an existing file to open.
    virtual std::optional<std::filesystem::path> GetOpenFileName(const FileDialogSetup& setup) = 0;
    // Asks for a file to save to; an existing file is only answered after the user agreed to replace it.
    virtual std::optional<std::filesystem::path> GetSaveFileName(const FileDialogSetup& setup) = 0;
};

// The dialogs of a program without a window: never shown, always cancelled.
class NoFileDialogs final : public IFileDialogs {
public:
    std::optional<std::filesystem::path> GetOpenFileName(const FileDialogSetup&) override { return std::nullopt; }
    std::optional<std::filesystem::path> GetSaveFileName(const FileDialogSetup&) override { return std::nullopt; }
};

} // namespace platform
