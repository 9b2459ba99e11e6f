#include "MessageBox.h"

#include <cstdio>

namespace platform {

bool Offers(IMessageBox::Buttons buttons, IMessageBox::Answer answer) {
    using A = IMessageBox::Answer;
    using B = IMessageBox::Buttons;
    switch (buttons) {
    case B::Ok:
        return answer == A::Ok;
    case B::OkCancel:
        return answer == A::Ok || answer == A::Cancel;
    case B::YesNo:
        return answer == A::Yes || answer == A::No;
    case B::YesNoCancel:
        return answer == A::Yes || answer == A::No || answer == A::Cancel;
    }
    return false;
}

IMessageBox::Answer ClosingAnswer(IMessageBox::Buttons buttons) {
    using A = IMessageBox::Answer;
    if (Offers(buttons, A::Cancel)) {
        return A::Cancel;
    }
    return Offers(buttons, A::No) ? A::No : A::Ok;
}

IMessageBox::Answer
StreamMessageBox::Show(const std::string& /*caption*/, const std::string& text, Icon /*icon*/, Buttons buttons) {
    std::fprintf(stderr, "%s%s\n", m_prefix.c_str(), text.c_str());
    std::fflush(stderr);
    return Offers(buttons, m_answer) ? m_answer : ClosingAnswer(buttons);
}

} // namespace platform
