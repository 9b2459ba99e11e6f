#pragma once

#include "platform/MessageBox.h"

class cmcGTex;

namespace cli {

// The command-line tool's message box. Every message goes to standard error. A question (a box with
// more than an OK button) is asked on the terminal: "y" or "yes" answers Yes (OK), anything else, an
// empty line or the end of input answers as a box closed without a button would (Cancel, else No).
// Without a terminal on standard input nothing is asked and the closing answer is given, unless the
// user answered every question Yes in advance (--yes). The prompt texts come from the overlay
// (`GI_Cli_Question`), which must outlive the box.
class TerminalMessageBox final : public platform::IMessageBox {
public:
    TerminalMessageBox(cmcGTex& overlay, bool assumeYes) : m_overlay(overlay), m_assumeYes(assumeYes) {}
    Answer Show(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override;

private:
    cmcGTex& m_overlay;
    bool m_assumeYes;
};

} // namespace cli
