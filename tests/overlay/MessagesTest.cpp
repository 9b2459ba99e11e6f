// User messages: caption from the overlay, the clone-file error box composed from two texts.
#include "OverlayFile.h"
#include "overlay/OverlayMessages.h"
#include "platform/Fault.h"
#include "support/ScriptedMessageBox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

namespace {

using Answer = platform::IMessageBox::Answer;
using Buttons = platform::IMessageBox::Buttons;
using Icon = platform::IMessageBox::Icon;

constexpr std::string_view kOverlay = "#GI_Sys_AppTitle\nTitle\n"
                                      "#GI_Mess_FileErr_Headline\nHeadline\n"
                                      "#GI_Mess_FileErr_FileOpen\nT1\n"
                                      "#GI_Mess_FileErr_FileAccess\nT2\n"
                                      "#GI_Mess_FileErr_Model\nT3\n"
                                      "#GI_Mess_FileErr_Extra\nT4\n"
                                      "#GI_Mess_FileErr_MapRev\nT5\n"
                                      "#GI_Mess_FileErr_Format\nT6\n"
                                      "#GI_Mess_FileErr_Coverage\nT7\n"
                                      "#GI_Mess_FileErr_Data\nT8\n"
                                      "#GI_Mess_FileErr_Newer\nT9\n"
                                      "#End_Of_Ovl\n";

// One box as shown: caption from "GI_Sys_AppTitle", then the given text, icon and buttons.
void ExpectBox(const testsupport::ScriptedMessageBox::Shown& shown,
               const std::string& text,
               Icon icon,
               Buttons buttons) {
    EXPECT_EQ(shown.caption, "Title");
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.icon, icon);
    EXPECT_EQ(shown.buttons, buttons);
}

TEST(Messages, ShowUsesTheApplicationTitle) {
    OverlayFile file(kOverlay);
    testsupport::ScriptedMessageBox box;
    box.Script({Answer::No});
    OverlayMessages messages(file.gtex, box);
    EXPECT_EQ(messages.Show("Save?", Icon::Warning, Buttons::YesNoCancel), Answer::No);
    ASSERT_EQ(box.Count(), 1u);
    ExpectBox(box.Last(), "Save?", Icon::Warning, Buttons::YesNoCancel);
}

TEST(Messages, CloneFileResultByCode) {
    OverlayFile file(kOverlay);
    testsupport::ScriptedMessageBox box;
    OverlayMessages messages(file.gtex, box);
    for (int code = 1; code <= 9; ++code) {
        box.Clear();
        messages.ShowCloneFileResult(code);
        ASSERT_EQ(box.Count(), 1u) << code;
        ExpectBox(box.Last(), "Headline\n\nT" + std::to_string(code), Icon::Warning, Buttons::Ok);
    }
}

TEST(Messages, CloneFileResultShowsNothingOutsideOneToNine) {
    OverlayFile file(kOverlay);
    testsupport::ScriptedMessageBox box;
    OverlayMessages messages(file.gtex, box);
    for (int code : {0, -1, 10, 255, 256}) {
        messages.ShowCloneFileResult(code);
    }
    EXPECT_EQ(box.Count(), 0u);
}

TEST(MessagesDeathTest, NoOverlayFailsOnTheTitle) {
    testsupport::TempDir dir;
    cmcGTex gtex;
    gtex.SetSourceFile((dir / "VQN58.OVL").string());
    testsupport::ScriptedMessageBox box;
    OverlayMessages messages(gtex, box);
    EXPECT_EXIT(messages.ShowCloneFileResult(1),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                testing::HasSubstr("overlay_tests: GTEX Error !\nThe index 'GI_Mess_FileErr_Headline' was not found."));
    EXPECT_EXIT(messages.Show("x", Icon::Warning, Buttons::Ok),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                testing::HasSubstr("overlay_tests: GTEX Error !\nThe index 'GI_Sys_AppTitle' was not found."));
}

} // namespace
