#pragma once

#include "../MessageBox.h"

class QWidget;

namespace platform {

// Message boxes as modal QMessageBox dialogs owned by a parent window (the main window once it exists).
class QtMessageBox final : public IMessageBox {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    Answer Show(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override;
    Answer
    ShowWithAction(const std::string& caption, const std::string& text, Icon icon, const std::string& action) override;

private:
    QWidget* m_parent = nullptr;
};

// Makes fault messages appear as a critical QMessageBox (when a QApplication exists) before the
// process ends.
void InstallQtFaultHandler();

} // namespace platform
