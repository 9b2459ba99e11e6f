// The behaviour object on the application object: the factory adjustment copies it shows after an
// open, a clone read and New, and what a cell edit does to the document state.

#include "DocumentFixture.h"
#include "app/cuiMainCellDocument.h"
#include "model/IMainCommands.h"
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
    cuiMainCellDocument document(app, Services().events);
    NoMainCommands commands;
    indActiveCell behaviour(document, commands);
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
    cuiMainCellDocument document(app, Services().events);
    NoMainCommands commands;
    indActiveCell behaviour(document, commands);
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

} // namespace
