#pragma once

#include <string>
#include <utility>

namespace platform {

// A modal message box owned by the main window (or the console, for the command-line tool).
class IMessageBox {
public:
    enum class Icon { Error, Warning, Information, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~IMessageBox() = default;

    // Shows `text` under `caption` and waits for the user; returns the button pressed. Closing the box
    // without a button answers Cancel where the box has one, else No, else Ok.
    virtual Answer Show(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) = 0;
    // Like Show with an OK button and one more button labelled `action` that offers the way out
    // ("Choose Port..."); answers Yes when that button was pressed, else Ok. A box that cannot offer
    // it (the terminal) shows the message with OK alone.
    virtual Answer
    ShowWithAction(const std::string& caption, const std::string& text, Icon icon, const std::string& action) {
        (void)action;
        return Show(caption, text, icon, Buttons::Ok);
    }
};

// Writes every message to standard error and answers without asking: `answer` when the box offers it,
// else the box's closing answer. The command-line tool's message box.
class StreamMessageBox final : public IMessageBox {
public:
    explicit StreamMessageBox(Answer answer = Answer::Ok) : m_answer(answer) {}
    Answer Show(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override;

    // What every message starts with from now on (the program's name and the file it is about, such as
    // "vqn58: boat.qcf: "); nothing by default.
    void SetPrefix(std::string prefix) { m_prefix = std::move(prefix); }

private:
    Answer m_answer;
    std::string m_prefix;
};

// True when `buttons` offers `answer`.
bool Offers(IMessageBox::Buttons buttons, IMessageBox::Answer answer);

// The answer of a box closed without pressing a button.
IMessageBox::Answer ClosingAnswer(IMessageBox::Buttons buttons);

} // namespace platform
