#include "cli/TerminalMessageBox.h"

#include "cli/SignalGuard.h"
#include "overlay/FormatText.h"
#include "overlay/cmcGTex.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace cli {

namespace {

// The reply typed on standard input up to the end of the line; empty at the end of input or when a
// signal interrupted the wait.
std::string ReadReply() {
    std::string reply;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) {
        reply += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::clearerr(stdin);
    const auto first = reply.find_first_not_of(" \t\r");
    const auto last = reply.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : reply.substr(first, last - first + 1);
}

} // namespace

void TerminalMessageBox::SetSubject(const std::string& file) {
    m_subject = PrintableText(file);
}

std::string TerminalMessageBox::Prefix() const {
    return m_subject.empty() ? std::string("vqn58-cli: ") : "vqn58-cli: " + m_subject + ": ";
}

platform::IMessageBox::Answer
TerminalMessageBox::Show(const std::string& /*caption*/, const std::string& text, Icon /*icon*/, Buttons buttons) {
    std::fprintf(stderr, "%s%s\n", Prefix().c_str(), text.c_str());
    std::fflush(stderr);
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    const Answer yes = platform::Offers(buttons, Answer::Ok) ? Answer::Ok : Answer::Yes;
    const Answer no = platform::ClosingAnswer(buttons);
    if (m_assumeYes) {
        return yes;
    }
    if (::isatty(STDIN_FILENO) == 0) {
        std::fprintf(stderr, "%s\n", m_overlay.GetLine("GI_Cli_Question", 1).c_str());
        std::fflush(stderr);
        return no;
    }
    std::fprintf(stderr, "%s ", m_overlay.GetLine("GI_Cli_Question", 0).c_str());
    std::fflush(stderr);
    const std::string reply = ReadReply();
    if (SignalGuard::Pending() != 0) {
        return no;
    }
    return reply == "y" || reply == "yes" ? yes : no;
}

} // namespace cli
