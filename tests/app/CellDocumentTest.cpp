// The behaviour object on the application object: the factory adjustment copies it shows after an
// open, a clone read and New, and what a cell edit does to the document state.

#include "DocumentFixture.h"
#include "app/AppCellDocument.h"
#include "model/indActiveCell.h"
#include "sheets/cmcCellObj.h"

namespace {

using CellDocument = apptest::DocumentFixture;

// The text drawn for a cell of `kind` without a category.
std::string Drawn(indActiveCell& behaviour, std::int32_t kind) {
    cmcCellObj cell;
    cell.SetKind(kind);
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    behaviour.Answer(capsule, ICellBehaviour::kDraw);
    return capsule.OutText;
}

TEST_F(CellDocument, AdjustmentCellsShowTheCopiesOfTheLastReadOrOpen) {
    indMain& app = Started();
    AppCellDocument document(app, Services().events);
    indActiveCell behaviour(document);
    cmcEeprom image = InitialFile(1);
    const std::uint8_t read[] = {0xF0, 0x01, 0x80, 0x7F, 0x00, 0xFE};
    for (int i = 0; i < 6; ++i) {
        image.SetByte(0x7F0 + i, read[i]);
    }
    ASSERT_EQ(app.OpenFile(WriteImage("adjusted.qcf", image)), 0);
    const char* const shown[] = {"-10", "  01", "-80", "  7F", "  00", "  FE"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Drawn(behaviour, 248 + i), shown[i]) << i;
    }
    app.NewDocument();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Drawn(behaviour, 248 + i), "  00") << i;
    }
    image.SetByte(0x7F0, 0x05);
    app.AdoptClonedImage(image);
    EXPECT_EQ(Drawn(behaviour, 248), "  05");
}

TEST_F(CellDocument, AnEditMarksTheDocumentAndArmsTheWarningCheckDrawingDoesNot) {
    indMain& app = Started();
    AppCellDocument document(app, Services().events);
    indActiveCell behaviour(document);
    Drawn(behaviour, 235);
    EXPECT_FALSE(app.IsModified());
    EXPECT_FALSE(app.TakeWarningCheckRequest());
    cmcCellObj cell;
    cell.SetKind(235);
    cmcCellCapsule commit;
    commit.Cell = &cell;
    commit.EditState = cmcCellCapsule::kEditTyped;
    commit.InputText = std::to_string((app.MainImage().GetByte(0x687) + 1) % 256);
    behaviour.Answer(commit, ICellBehaviour::kCommand);
    EXPECT_TRUE(app.IsModified());
    EXPECT_TRUE(app.TakeWarningCheckRequest());
    EXPECT_FALSE(app.TakeWarningCheckRequest());
}

// The channel edits on the application object: one clipboard for the whole run, the paste question in
// the application's message box, and the usable-only view toggled by event 28.
TEST_F(CellDocument, ChannelClipboardQuestionAndUsableView) {
    indMain& app = Started();
    AppCellDocument document(app, Services().events);
    indActiveCell behaviour(document);
    cmcCellObj cell;
    cell.SetCategory(3); // USA
    cell.SetKind(113);
    auto command = [&](std::int32_t param, std::int32_t row) {
        cell.SetIndex(row);
        cmcCellCapsule capsule;
        capsule.Cell = &cell;
        capsule.Param = param;
        behaviour.Answer(capsule, ICellBehaviour::kCommand);
    };
    app.MainImage().SetByte(40, 0x40);
    command(60, 40);
    EXPECT_TRUE(document.ClipboardHolds(2));
    EXPECT_FALSE(document.ClipboardHolds(1));
    m_box.Script({testsupport::ScriptedMessageBox::Answer::Cancel, testsupport::ScriptedMessageBox::Answer::Ok});
    command(61, 42);
    EXPECT_EQ(app.MainImage().GetByte(42) & 0x40, 0);
    EXPECT_EQ(m_box.Last().text, "GI_AppMess_Conv_Overwrite\nsecond line");
    EXPECT_EQ(m_box.Last().caption, "Title");
    EXPECT_EQ(m_box.Last().icon, platform::IMessageBox::Icon::Warning);
    command(61, 42);
    EXPECT_EQ(app.MainImage().GetByte(42) & 0x40, 0x40);
    EXPECT_TRUE(app.IsModified());

    EXPECT_FALSE(app.UsableChannelsOnly());
    Services().events.Post(28);
    m_time.Advance(10);
    EXPECT_TRUE(app.UsableChannelsOnly());
    EXPECT_TRUE(document.UsableChannelsOnly());
}

} // namespace
