#pragma once

#include "platform/MessageBox.h"

class cmcGTex;

namespace cli {

// The command-line tool's message box. Every message goes to standard error, its first line preceded by
// the program's name and the file the command is about ("vqn58-cli: boat.qcf: "). A question (a box with
// more than an OK button) is asked on the terminal: "y" or "yes" answers Yes (OK), anything else, an
// empty line or the end of input answers as a box closed without a button would (Cancel, else No).
// Without a terminal on standard input nothing is asked and the closing answer is given, unless the
// user answered every question Yes in advance (--yes). The prompt texts come from the overlay
// (`GI_Cli_Question`), which must outlive the box.
class TerminalMessageBox final : public platform::IMessageBox {
public:
    TerminalMessageBox(cmcGTex& overlay, bool assumeYes) : m_overlay(overlay), m_assumeYes(assumeYes) {}
    Answer Show(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override;

    // The file the messages from now on are about, as the user named it; empty for none.
    void SetSubject(const std::string& file);
    // What every message starts with: "vqn58-cli: " and the file with ": " when there is one.
    std::string Prefix() const;

private:
    cmcGTex& m_overlay;
    bool m_assumeYes;
    std::string m_subject; // control bytes of the name escaped
};

} // namespace cli
