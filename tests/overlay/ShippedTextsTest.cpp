// The texts of the system and the messages in the overlay the build ships: every key is there, before
// the end header, and each text has the form its user expects.
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string ShippedOverlay() {
    return std::string(VQN58_BIN_DIR) + "/VQN58.OVL";
}

std::size_t Count(const std::string& text, std::string_view what) {
    std::size_t count = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) {
        ++count;
    }
    return count;
}

TEST(ShippedTexts, OneLineTextsArePlainAndNonEmpty) {
    cmcGTex gtex;
    gtex.SetSourceFile(ShippedOverlay());
    std::vector<std::string_view> keys = {
        "GI_Sys_AppTitle",
        "GI_StatusPanel_Maker",
        "GI_Mess_FileErr_Headline",
        "GI_Mess_Confirm_WriteAnother",
    };
    for (int code = 1; code <= 9; ++code) {
        keys.push_back(OverlayMessages::CloneFileErrorKey(code));
    }
    for (const std::string_view key : keys) {
        const std::string text = gtex.GetText(key);
        EXPECT_FALSE(text.empty()) << key;
        EXPECT_NE(text.front(), '#') << key;
        EXPECT_EQ(text.find('%'), std::string::npos) << key; // shown as it stands, never formatted
        EXPECT_EQ(text.find('\r'), std::string::npos) << key;
    }
}

TEST(ShippedTexts, SaveQuestionHasOneFileNamePlaceholder) {
    cmcGTex gtex;
    gtex.SetSourceFile(ShippedOverlay());
    const std::string text = gtex.GetText("GI_Mess_Confirm_WriteFile");
    EXPECT_EQ(Count(text, "%s"), 1u);
    EXPECT_EQ(Count(text, "%"), 1u);
}

TEST(ShippedTexts, LongTextsEndAtTheNextSection) {
    cmcGTex gtex;
    gtex.SetSourceFile(ShippedOverlay());
    for (const char* key : {"GI_Mess_Maker_Caution", "GI_AppMess_ChangeModel"}) {
        const std::string text = gtex.GetLongText(key);
        EXPECT_GE(Count(text, "\n"), 1u) << key;
        EXPECT_NE(text.back(), '\n') << key; // no stray empty line before the next header
    }
}

TEST(ShippedTexts, FileDialogExtensionAndFilter) {
    cmcGTex gtex;
    gtex.SetSourceFile(ShippedOverlay());
    EXPECT_EQ(gtex.GetLine("GI_Sys_Dialog_FOpen", 0), "qcf");
    const std::string filter = gtex.GetLine("GI_Sys_Dialog_FOpen", 1);
    EXPECT_NE(filter.find("(*.qcf)"), std::string::npos);
}

} // namespace
