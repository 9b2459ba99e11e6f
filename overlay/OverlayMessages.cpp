#include "overlay/OverlayMessages.h"

#include "overlay/cmcGTex.h"

#include <array>

namespace {

// The second paragraph of a clone-file error box, by result code 1 to 9.
constexpr std::array<std::string_view, 9> kFileErrorKeys = {
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
};

} // namespace

OverlayMessages::Answer OverlayMessages::Show(const std::string& text, Icon icon, Buttons buttons) {
    const std::string caption = m_gtex.GetText("GI_Sys_AppTitle");
    return m_box.Show(caption, text, icon, buttons);
}

OverlayMessages::Answer OverlayMessages::ShowWithAction(const std::string& text, Icon icon, const std::string& action) {
    return m_box.ShowWithAction(m_gtex.GetText("GI_Sys_AppTitle"), text, icon, action);
}

std::string_view OverlayMessages::CloneFileErrorKey(int code) {
    if (code < 1 || code > static_cast<int>(kFileErrorKeys.size())) {
        return {};
    }
    return kFileErrorKeys[static_cast<std::size_t>(code - 1)];
}

void OverlayMessages::ShowCloneFileResult(int code) {
    const std::string_view key = CloneFileErrorKey(code);
    if (key.empty()) {
        return;
    }
    std::string text = m_gtex.GetText("GI_Mess_FileErr_Headline");
    text += "\n\n";
    text += m_gtex.GetText(key);
    Show(text, Icon::Warning, Buttons::Ok);
}
