#pragma once

#include "../FileDialogs.h"

class QWidget;

namespace platform {

// Open and save dialogs as modal QFileDialogs owned by the main window.
class QtFileDialogs final : public IFileDialogs {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    std::optional<std::filesystem::path> GetOpenFileName(const FileDialogSetup& setup) override;
    std::optional<std::filesystem::path> GetSaveFileName(const FileDialogSetup& setup) override;

    // A filter of "Description|pattern|Description|pattern" pairs as Qt's "Description (pattern);;...";
    // a filter without '|' is taken as a Qt filter already.
    static std::string QtFilter(const std::string& filter);

private:
    QWidget* m_parent = nullptr;
};

} // namespace platform
