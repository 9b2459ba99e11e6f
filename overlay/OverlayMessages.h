#pragma once

#include "platform/MessageBox.h"

#include <string>
#include <string_view>

class cmcGTex;

// User messages: caption from "GI_Sys_AppTitle", body from the overlay, shown modally. A missing key
// is never reported here: the overlay lookup itself ends the process.
class OverlayMessages {
public:
    using Answer = platform::IMessageBox::Answer;
    using Icon = platform::IMessageBox::Icon;
    using Buttons = platform::IMessageBox::Buttons;

    OverlayMessages(cmcGTex& gtex, platform::IMessageBox& box) : m_gtex(gtex), m_box(box) {}

    // Shows `text` (already composed) with the application title as caption.
    Answer Show(const std::string& text, Icon icon, Buttons buttons);
    // The message with OK and an extra button labelled `action`: Yes when it was pressed.
    Answer ShowWithAction(const std::string& text, Icon icon, const std::string& action);

    // The clone-file error box: "<GI_Mess_FileErr_Headline>\n\n<text of code's key>", warning, OK.
    // Codes 0 and outside 1 to 9 show nothing.
    void ShowCloneFileResult(int code);

    // The overlay key of the second paragraph for clone-file result code `code`; empty outside 1 to 9.
    static std::string_view CloneFileErrorKey(int code);

    cmcGTex& Overlay() { return m_gtex; }
    platform::IMessageBox& Box() { return m_box; }

private:
    cmcGTex& m_gtex;
    platform::IMessageBox& m_box;
};
