#pragma once

#include "platform/MessageBox.h"

#include <deque>
#include <string>
#include <vector>

namespace testsupport {

// A message box that records every message and answers from a script. When the script is empty it
// answers as a box closed without a button would (Cancel, else No, else Ok).
class ScriptedMessageBox final : public platform::IMessageBox {
public:
    struct Shown {
        std::string caption;
        std::string text;
        Icon icon;
        Buttons buttons;
        std::string action; // the label of the extra button of ShowWithAction; empty for Show
    };

    // Queues the answers of the next boxes, in order.
    void Script(std::initializer_list<Answer> answers) { m_script.insert(m_script.end(), answers); }

    Answer Show(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) override {
        m_shown.push_back({caption, text, icon, buttons, {}});
        if (m_script.empty()) {
            return platform::ClosingAnswer(buttons);
        }
        const Answer answer = m_script.front();
        m_script.pop_front();
        return answer;
    }

    // Answers Yes (the extra button) or Ok from the script; Ok when it is empty.
    Answer
    ShowWithAction(const std::string& caption, const std::string& text, Icon icon, const std::string& action) override {
        m_shown.push_back({caption, text, icon, Buttons::Ok, action});
        if (m_script.empty()) {
            return Answer::Ok;
        }
        const Answer answer = m_script.front();
        m_script.pop_front();
        return answer == Answer::Yes ? Answer::Yes : Answer::Ok;
    }

    const std::vector<Shown>& ShownBoxes() const { return m_shown; }
    std::size_t Count() const { return m_shown.size(); }
    const Shown& Last() const { return m_shown.back(); }
    bool ScriptUsedUp() const { return m_script.empty(); }
    void Clear() {
        m_shown.clear();
        m_script.clear();
    }

private:
    std::deque<Answer> m_script;
    std::vector<Shown> m_shown;
};

} // namespace testsupport
