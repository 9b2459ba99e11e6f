// The model rules of the application object: model change, the image's model type, the merge around
// save and open, the factory adjustment values and maker mode.

#include "DocumentFixture.h"
#include "events/EventNumbers.h"
#include "model/ModelRules.h"
#include "platform/Fault.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

using Answer = platform::IMessageBox::Answer;

class Model : public DocumentFixture {};

TEST_F(Model, OpeningAnImageOfAnotherModelTypeSwitchesSilently) {
    indMain& app = Started();
    cmcEeprom image = InitialFile(2);
    image.SetByte(0x7F0, 0x11);
    image.SetByte(0x7F5, 0x66);
    const auto path = WriteImage("uk.qcf", image);
    m_view.trees.clear();
    ASSERT_EQ(app.OpenFile(path), 0);
    EXPECT_EQ(m_environ.modelType, 2);
    EXPECT_EQ(m_box.Count(), 0u);
    ASSERT_EQ(m_view.trees.size(), 1u);
    EXPECT_EQ(m_view.trees[0], " (M2)");
    // The initial image is now that of type 2, merged.
    cmcEeprom factory = InitialFile(2);
    model::MergeImage(factory, factory, 2, false, nullptr);
    EXPECT_TRUE(app.InitialImage().Equals(factory));
    EXPECT_EQ(app.FactoryAdjustments()[0], 0x11);
    EXPECT_EQ(app.FactoryAdjustments()[5], 0x66);

    app.NewDocument();
    EXPECT_EQ(app.FactoryAdjustments(), (std::array<std::uint8_t, 6>{}));
    EXPECT_TRUE(app.MainImage().Equals(app.InitialImage()));
}

TEST_F(Model, SavingMergesTheFactoryDataAndLeavesTheDocumentUnmodified) {
    indMain& app = Started();
    // Bytes the factory owns: the merge before writing puts the factory values back.
    app.MainImage().SetByte(0x700, static_cast<std::uint8_t>(app.InitialImage().GetByte(0x700) ^ 0xFF));
    app.MainImage().SetByte(0x612, 'S');
    ASSERT_TRUE(app.IsModified());
    const auto path = m_dir / "merged.qcf";
    ASSERT_EQ(app.SaveToFile(path), 0);
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(app.MainImage().GetByte(0x700), app.InitialImage().GetByte(0x700));
    EXPECT_EQ(app.MainImage().GetByte(0x612), 'S');
    EXPECT_TRUE(app.MainImage().Equals(app.SavedImage()));
    EXPECT_NE(testsupport::ReadFileBytes(path).find("#Comment="), std::string::npos);
}

TEST_F(Model, ChangeModelAsksAndReplacesTheDocument) {
    indMain& app = Started();
    const auto path = WriteImage("t0.qcf", InitialFile(0));
    ASSERT_EQ(app.OpenFile(path), 0);
    app.MainImage().SetByte(0x612, 'C');
    const cmcEeprom edited = app.MainImage();

    app.ChangeModel(0, true); // the same type: nothing asked
    EXPECT_EQ(m_box.Count(), 0u);

    // The document decides: pending input is committed and a modified document offered for saving
    // before the change is asked; Cancel to either keeps everything.
    for (const auto& answers : {std::vector<Answer>{Answer::Cancel}, std::vector<Answer>{Answer::No, Answer::Cancel}}) {
        m_box.Clear();
        const int commits = Events(21);
        for (const Answer answer : answers) {
            m_box.Script({answer});
        }
        app.ChangeModel(3, true);
        ASSERT_EQ(m_box.Count(), answers.size());
        EXPECT_GT(Events(21), commits);
        EXPECT_EQ(Shown().front().rfind("GI_Mess_Confirm_WriteFile", 0), 0u) << Shown().front();
        if (answers.size() == 2) {
            EXPECT_EQ(m_box.Last().text, "GI_AppMess_ChangeModel");
            EXPECT_EQ(m_box.Last().buttons, platform::IMessageBox::Buttons::OkCancel);
        }
        EXPECT_EQ(m_environ.modelType, 0);
        EXPECT_TRUE(app.MainImage().Equals(edited));
        EXPECT_EQ(app.FileName(), path.string());
    }

    m_view.trees.clear();
    m_box.Script({Answer::No, Answer::Ok});
    app.ChangeModel(3, true);
    EXPECT_EQ(m_environ.modelType, 3);
    EXPECT_TRUE(app.MainImage().Equals(app.InitialImage()));
    EXPECT_EQ(app.MainImage().GetByte(0x609), 3);
    EXPECT_FALSE(app.IsModified());
    EXPECT_TRUE(app.FileName().empty());
    EXPECT_EQ(m_view.trees, std::vector<std::string>{" (M3)"});
}

TEST_F(Model, NewerImagesAreReported) {
    indMain& app = Started();
    cmcEeprom image = InitialFile(0);
    for (int type : {0, 4}) {
        image.SetByte(0x609, static_cast<std::uint8_t>(type));
        EXPECT_FALSE(app.IsNewerImage(image));
    }
    for (int type : {5, 0xFF}) {
        image.SetByte(0x609, static_cast<std::uint8_t>(type));
        EXPECT_TRUE(app.IsNewerImage(image));
    }
}

TEST_F(Model, MakerModeIsSwitchedOnOnceAfterItsQuestion) {
    indMain& app = Started();
    EXPECT_TRUE(app.MayCloneWrite());
    EXPECT_EQ(m_box.Count(), 0u);

    m_box.Script({Answer::Cancel});
    app.ScanMakerSwitch({"/usr/bin/vqn58", "/SERVMOD"});
    EXPECT_FALSE(app.IsMakerMode());
    EXPECT_TRUE(m_view.makerPanels.empty());

    m_box.Clear();
    m_box.Script({Answer::Ok});
    app.ScanMakerSwitch({"/usr/bin/vqn58", "/ServMod", "other", "/servmod"});
    EXPECT_TRUE(app.IsMakerMode());
    EXPECT_EQ(m_box.Count(), 1u);
    EXPECT_EQ(m_box.Last().text, "GI_Mess_Maker_Caution\nsecond line");
    EXPECT_EQ(m_view.makerPanels, std::vector<std::string>{"MAKER"});
    EXPECT_FALSE(m_view.trees.empty());

    m_box.Script({Answer::Ok, Answer::Cancel});
    EXPECT_TRUE(app.MayCloneWrite());
    EXPECT_FALSE(app.MayCloneWrite());
    EXPECT_EQ(m_box.Count(), 3u);
}

TEST_F(Model, WordsTypedInTheAboutWindowShowTheNoticeAndSwitchMakerModeOn) {
    indMain& app = Started();
    const auto type = [&](std::string_view text) {
        for (const char c : text) {
            app.AboutKeyTyped(c);
        }
    };
    type("xBoSuN");
    ASSERT_EQ(m_box.Count(), 1u);
    EXPECT_EQ(m_box.Last().text, "GI_App_About_Notice");
    type("trimpo"); // one short
    EXPECT_FALSE(app.IsMakerMode());
    m_box.Script({Answer::Ok});
    type("t");
    EXPECT_TRUE(app.IsMakerMode());
    EXPECT_EQ(m_box.Last().text, "GI_Mess_Maker_Caution\nsecond line");
    type("TRIMPOT"); // already on: no question
    EXPECT_EQ(m_box.Count(), 2u);
}

TEST_F(Model, ClonedImagesAreJudgedAndAdopted) {
    indMain& app = Started();
    cmcEeprom image = InitialFile(4);
    image.SetByte(0x612, 'R');
    EXPECT_EQ(app.CheckClonedImage(image), 0);
    cmcEeprom refused = image;
    refused.SetByte(0x60B, 0);
    EXPECT_EQ(app.CheckClonedImage(refused), cuiMain::kCloneRejected);
    cmcEeprom newer = image;
    newer.SetByte(0x609, 9);
    EXPECT_EQ(app.CheckClonedImage(newer), cuiMain::kCloneNewer);

    ASSERT_EQ(app.OpenFile(WriteImage("saved.qcf", InitialFile(0))), 0);
    m_events.clear();
    const int closes = m_view.sheetCloses;
    app.AdoptClonedImage(image);
    EXPECT_EQ(m_environ.modelType, 4);
    EXPECT_EQ(app.MainImage().GetByte(0x612), 'R');
    EXPECT_TRUE(app.IsModified());
    EXPECT_TRUE(app.FileName().empty());
    EXPECT_GT(m_view.sheetCloses, closes);
    EXPECT_GE(Events(kEvImageChanged), 1);
}

TEST_F(Model, CloneWritePreparationKeepsTheModifiedState) {
    indMain& app = Started();
    const std::uint8_t factory = app.InitialImage().GetByte(0x700);
    app.MainImage().SetByte(0x700, static_cast<std::uint8_t>(factory ^ 1));
    app.TakeSnapshot(); // as if that byte had come from a file
    app.PrepareCloneWrite();
    EXPECT_EQ(app.MainImage().GetByte(0x700), factory);
    EXPECT_FALSE(app.IsModified());

    app.MainImage().SetByte(0x612, 'W');
    app.PrepareCloneWrite();
    EXPECT_TRUE(app.IsModified());
}

using ModelDeathTest = Model;

TEST_F(ModelDeathTest, AnImageSmallerThanTheRadiosIsAFault) {
    EXPECT_EXIT(
        {
            cuiMain small(Services(), 0x800);
            small.BuildDocument();
        },
        testing::ExitedWithCode(platform::kFaultExitStatus),
        Literally("Self Check Error.\nEEPROM Map is too large."));
}

} // namespace
} // namespace apptest
