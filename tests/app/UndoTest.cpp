// Undo and Redo on the application object: edits, saves, radio reads and model changes taken back and
// made again, with the modified flag following the saved image and the view shown where it happened.

#include "DocumentFixture.h"
#include "app/UndoHistory.h"
#include "events/EventNumbers.h"
#include "model/ImageMap.h"

namespace {

using Undo = apptest::DocumentFixture;
using model::kCommentAddress;

// An edit of the comment's first character made on `sheet`, recorded as a cell answer records it.
void EditOn(apptest::DocumentFixture& f, const char* sheet, char c) {
    f.m_view.location.sheet = sheet;
    f.Edit(kCommentAddress, static_cast<std::uint8_t>(c));
    f.App().RecordEdit();
}

char Comment(indMain& app) {
    return static_cast<char>(app.MainImage().GetByte(kCommentAddress));
}

TEST_F(Undo, StepsBackAndForthThroughEditsToTheSavedState) {
    indMain& app = Started();
    ASSERT_EQ(app.OpenFile(WriteImage("boat.qcf", InitialFile(0))), 0);
    const char opened = Comment(app);
    EXPECT_FALSE(app.CanUndo());
    app.RecordEdit(); // nothing changed: no step
    EXPECT_FALSE(app.CanUndo());

    EditOn(*this, "GI_Sheet_ComSet", 'A');
    EditOn(*this, "GI_Sheet_FreeCh", 'B');
    app.Undo();
    EXPECT_EQ(Comment(app), 'A');
    EXPECT_TRUE(app.IsModified());
    app.Undo();
    EXPECT_EQ(Comment(app), opened);
    EXPECT_FALSE(app.IsModified()); // back at the file's state: no save question
    EXPECT_FALSE(app.CanUndo());
    EXPECT_EQ(m_view.shown, (std::vector<std::string>{"GI_Sheet_FreeCh", "GI_Sheet_ComSet"}));
    app.Undo(); // nothing left: nothing happens
    EXPECT_EQ(m_view.shown.size(), 2u);

    app.Redo();
    EXPECT_EQ(Comment(app), 'A');
    EXPECT_TRUE(app.IsModified());
    EXPECT_EQ(m_view.shown.back(), "GI_Sheet_ComSet");
    // A new change drops what Redo could bring back.
    EditOn(*this, "GI_Sheet_Atis", 'C');
    EXPECT_FALSE(app.CanRedo());
    app.Undo();
    EXPECT_EQ(Comment(app), 'A');
}

// Text still in an editor is a change of its own: Undo and Redo commit it before they step (Undo then
// takes it back first), and the menus and the tool bar follow the step.
TEST_F(Undo, PendingInputIsCommittedBeforeAStep) {
    indMain& app = Started();
    EditOn(*this, "GI_Sheet_ComSet", 'A');
    for (void (cuiMain::*step)() : {&cuiMain::Undo, &cuiMain::Redo}) {
        m_events.clear();
        (app.*step)();
        ASSERT_GE(m_events.size(), 3U);
        EXPECT_EQ(m_events.front(), kEvCommitInput);
        EXPECT_EQ(std::vector<std::uint8_t>(m_events.end() - 2, m_events.end()),
                  (std::vector<std::uint8_t>{kEvRefreshMenu, kEvRefreshToolBar}));
    }
    EXPECT_EQ(Comment(app), 'A');
}

TEST_F(Undo, ASaveCountsForEveryStepOfItsDocument) {
    indMain& app = Started();
    const auto file = WriteImage("boat.qcf", InitialFile(0));
    ASSERT_EQ(app.OpenFile(file), 0);
    EditOn(*this, "GI_Sheet_ComSet", 'S');
    ASSERT_EQ(app.Save(), 0);
    EXPECT_FALSE(app.IsModified());
    app.Undo(); // before the edit: differs from what was saved
    EXPECT_TRUE(app.IsModified());
    app.Redo(); // the saved state again
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(app.FileName(), file.string());
}

TEST_F(Undo, ARadioReadAndAModelChangeAreTakenBack) {
    indMain& app = Started();
    const auto file = WriteImage("boat.qcf", InitialFile(0));
    ASSERT_EQ(app.OpenFile(file), 0);
    EditOn(*this, "GI_Sheet_ComSet", 'E');

    cmcEeprom read = InitialFile(0);
    read.SetByte(kCommentAddress, 'R');
    app.AdoptClonedImage(read);
    EXPECT_EQ(Comment(app), 'R');
    EXPECT_TRUE(app.FileName().empty());
    app.Undo(); // the edited file is back under its name, still modified
    EXPECT_EQ(Comment(app), 'E');
    EXPECT_EQ(app.FileName(), file.string());
    EXPECT_TRUE(app.IsModified());
    app.Redo();
    EXPECT_EQ(Comment(app), 'R');

    m_box.Script({platform::IMessageBox::Answer::No, platform::IMessageBox::Answer::Ok}); // not saved; changed
    app.ChangeModel(1, true);
    ASSERT_EQ(app.ModelType(), 1);
    const std::size_t trees = m_view.trees.size();
    app.Undo(); // the read image of model type 0, with its tree
    EXPECT_EQ(app.ModelType(), 0);
    EXPECT_EQ(Comment(app), 'R');
    EXPECT_EQ(app.InitialImage().GetByte(0), InitialFile(0).GetByte(0));
    EXPECT_GT(m_view.trees.size(), trees);
    app.Redo();
    EXPECT_EQ(app.ModelType(), 1);
    EXPECT_FALSE(app.IsModified());

    // Opening a file starts a history of its own.
    ASSERT_EQ(app.OpenFile(file), 0);
    EXPECT_FALSE(app.CanUndo());
}

TEST(UndoHistory, KeepsTheNewestStepsOnly) {
    UndoHistory history;
    cmcEeprom image;
    image.SetSize(16);
    history.Reset(image, 0, {image, "a.qcf"});
    for (std::size_t i = 1; i <= UndoHistory::kMaxSteps + 20; ++i) {
        image.SetByte(0, static_cast<std::uint8_t>(i % 251));
        image.SetByte(1, static_cast<std::uint8_t>(i / 251));
        ASSERT_TRUE(history.RecordEdit(image, {}));
    }
    std::size_t undone = 0;
    while (history.CanUndo()) {
        history.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, UndoHistory::kMaxSteps);
    EXPECT_EQ(history.Present().image.GetByte(0), 20); // the start and the 19 oldest steps are gone
    EXPECT_EQ(history.DocumentOf(history.Present()).fileName, "a.qcf");
}

} // namespace
