// The document commands of the application object: start-up, new, open, save, save as, the save
// question, and the initial files.

#include "DocumentFixture.h"
#include "events/EventNumbers.h"
#include "platform/Fault.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace apptest {
namespace {

using Answer = platform::IMessageBox::Answer;
using testing::HasSubstr;

constexpr std::int32_t kUserByte = 0x612; // a byte of the radio's comment text: the user's, never merged

bool Contains(const std::vector<std::string>& texts, const std::string& part) {
    for (const auto& text : texts) {
        if (text.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

class Document : public DocumentFixture {};

TEST_F(Document, StartsUntitledWithTheInitialImageOfTheStoredModelType) {
    m_environ.modelType = 7; // outside 0 to 4: taken as 0
    indMain& app = Started();
    EXPECT_EQ(m_environ.modelType, 0);
    EXPECT_FALSE(app.IsModified());
    EXPECT_TRUE(app.FileName().empty());
    EXPECT_TRUE(app.MainImage().Equals(app.InitialImage()));
    EXPECT_EQ(app.Caption(), "Untitled - Title");
    EXPECT_EQ(m_view.captions.back(), "Untitled - Title");
    EXPECT_EQ(app.MainImage().GetByte(0x609), 0);
    EXPECT_EQ(m_box.Count(), 0u);
}

TEST_F(Document, NewOnAnUnmodifiedDocumentAsksNothing) {
    indMain& app = Started();
    m_events.clear();
    app.NewDocument();
    EXPECT_EQ(m_box.Count(), 0u);
    EXPECT_EQ(Events(kEvCommitInput), 1);
    EXPECT_EQ(Events(kEvImageChanged), 1);
}

TEST_F(Document, SaveCommandUsesTheDialogOnlyWhileUntitled) {
    indMain& app = Started();
    Edit(kUserByte, 'V');
    m_dialogs.Script({m_dir / "first.qcf"});
    ASSERT_EQ(app.Save(), 0);
    EXPECT_EQ(m_dialogs.Count(), 1u);
    EXPECT_EQ(app.FileName(), (m_dir / "first.qcf").string());
    Edit(kUserByte, 'W');
    ASSERT_EQ(app.Save(), 0);
    EXPECT_EQ(m_dialogs.Count(), 1u);
    EXPECT_FALSE(app.IsModified());
    app.NewDocument();
    ASSERT_EQ(app.OpenFile(m_dir / "first.qcf"), 0);
    EXPECT_EQ(app.MainImage().GetByte(kUserByte), 'W');
}

TEST_F(Document, SaveQuestionAnswersDecideWhatNewDoes) {
    struct Case {
        const char* name;
        Answer answer;
        std::optional<std::string> dialogFile; // the save dialog's answer (untitled document)
        bool documentReplaced;
        bool fileSaved;
    };
    const Case cases[] = {
        {"yes, saved", Answer::Yes, "saved.qcf", true, true},
        {"yes, dialog cancelled", Answer::Yes, std::nullopt, false, false},
        {"yes, target directory gone", Answer::Yes, "gone/saved.qcf", false, false},
        {"no", Answer::No, std::nullopt, true, false},
        {"cancel", Answer::Cancel, std::nullopt, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir target;
        Reset();
        indMain& app = Started();
        Edit(kUserByte, 'X');
        m_box.Clear();
        m_box.Script({c.answer});
        if (c.dialogFile) {
            m_dialogs.Script({target / *c.dialogFile});
        }
        app.NewDocument();
        ASSERT_GE(m_box.Count(), 1u);
        EXPECT_EQ(m_box.ShownBoxes()[0].text, "GI_Mess_Confirm_WriteFile Untitled");
        EXPECT_EQ(m_box.ShownBoxes()[0].buttons, platform::IMessageBox::Buttons::YesNoCancel);
        EXPECT_EQ(app.MainImage().GetByte(kUserByte) == 'X', !c.documentReplaced);
        EXPECT_EQ(app.IsModified(), !c.documentReplaced);
        EXPECT_EQ(std::filesystem::exists(target / "saved.qcf"), c.fileSaved);
        if (c.dialogFile && !c.fileSaved) {
            EXPECT_EQ(Contains(Shown(), "GI_Mess_FileErr_FileOpen"), c.dialogFile->starts_with("gone"));
        }
    }
}

TEST_F(Document, OpenAdoptsTheFileAndSaveWritesItBack) {
    indMain& app = Started();
    cmcEeprom image = InitialFile(0);
    image.SetByte(kUserByte, 'Q');
    const auto path = WriteImage("mine.qcf", image);
    m_events.clear();
    ASSERT_EQ(app.OpenFile(path), 0);
    EXPECT_EQ(app.FileName(), path.string());
    EXPECT_EQ(app.LastDirectory(), m_dir.Path());
    EXPECT_EQ(m_environ.recent.Entry(0), path.string());
    EXPECT_EQ(app.MainImage().GetByte(kUserByte), 'Q');
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(app.Caption(), "mine.qcf - Title");
    EXPECT_GE(Events(kEvImageChanged), 1);
    EXPECT_EQ(m_events.front(), kEvCommitInput);
    EXPECT_EQ(m_view.busyDepth, 0);
    EXPECT_GE(m_view.sheetCloses, 1);
    EXPECT_EQ(m_view.results.back(), "Opened " + path.string());

    Edit(kUserByte, 'R');
    EXPECT_TRUE(app.IsModified());
    EXPECT_EQ(m_view.captions.back(), "*mine.qcf - Title"); // a changed document is marked
    const auto copy = m_dir / "sub" / "copy.qcf";
    std::filesystem::create_directory(m_dir / "sub");
    ASSERT_EQ(app.SaveToFile(copy), 0);
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(app.FileName(), copy.string());
    EXPECT_EQ(m_view.captions.back(), "copy.qcf - Title");
    EXPECT_EQ(m_view.results.back(), "Saved " + copy.string());
    EXPECT_EQ(m_environ.recent.Entry(0), copy.string());
    EXPECT_EQ(m_environ.recent.Entry(1), path.string());
    const std::string text = testsupport::ReadFileBytes(copy);
    EXPECT_TRUE(text.starts_with("26910001\r\n#Comment="));
    EXPECT_NE(text.find("#MapRev=1\r\n"), std::string::npos);

    app.NewDocument();
    ASSERT_EQ(app.OpenFile(copy), 0);
    EXPECT_EQ(app.MainImage().GetByte(kUserByte), 'R');
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(m_box.Count(), 0u);
}

TEST_F(Document, RefusedFilesLeaveTheDocumentAsItWas) {
    struct Case {
        const char* name;
        std::function<std::filesystem::path(DocumentFixture&)> file;
        const char* message;
    };
    const Case cases[] = {
        {"other model",
         [](DocumentFixture& f) { return f.m_dir.Write("m.qcf", "26920001\n#MapRev=1\n000001FF\n"); },
         "GI_Mess_FileErr_Model"},
        {"not accepted (0x60B)",
         [](DocumentFixture& f) {
             cmcEeprom image = f.InitialFile(0);
             image.SetByte(0x60B, 0);
             return f.WriteImage("d.qcf", image);
         },
         "GI_Mess_FileErr_Data"},
        {"newer model type",
         [](DocumentFixture& f) {
             cmcEeprom image = f.InitialFile(0);
             image.SetByte(0x609, 5);
             return f.WriteImage("n.qcf", image);
         },
         "GI_Mess_FileErr_Newer"},
        {"addresses missing",
         [](DocumentFixture& f) {
             std::string text = testsupport::ReadFileBytes(f.WriteImage("full.qcf", f.InitialFile(0)));
             text.erase(text.find("\r\n07F010") + 2);
             return f.m_dir.Write("c.qcf", text);
         },
         "GI_Mess_FileErr_Coverage"},
        {"gone", [](DocumentFixture& f) { return f.m_dir / "nowhere" / "gone.qcf"; }, "GI_Mess_FileErr_FileOpen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        indMain& app = Started();
        const auto mine = WriteImage("current.qcf", InitialFile(0));
        ASSERT_EQ(app.OpenFile(mine), 0);
        Edit(kUserByte, 'U');
        const cmcEeprom before = app.MainImage();
        const auto path = c.file(*this);
        m_box.Clear();
        m_box.Script({Answer::No}); // discard the changes ... but the open fails
        EXPECT_NE(app.OpenFile(path), 0);
        EXPECT_THAT(m_box.Last().text, HasSubstr(c.message));
        EXPECT_TRUE(app.MainImage().Equals(before));
        EXPECT_TRUE(app.IsModified());
        EXPECT_EQ(app.FileName(), mine.string());
        EXPECT_EQ(m_environ.recent.Entry(0), mine.string());
        EXPECT_EQ(m_view.busyDepth, 0);
    }
}

TEST_F(Document, OpeningTheLoadedFileAgainAsksToSaveElsewhere) {
    indMain& app = Started();
    const auto path = WriteImage("Doc.qcf", InitialFile(0));
    ASSERT_EQ(app.OpenFile(path), 0);
    Edit(kUserByte, 'E');

    // The same name in other letter case is the same document: cancelled, nothing happens.
    const auto upper = m_dir / "DOC.QCF";
    m_box.Script({Answer::Cancel});
    EXPECT_EQ(app.OpenFile(upper), cuiMain::kCancelled);
    EXPECT_EQ(m_box.Last().text, "GI_Mess_Confirm_WriteAnother");
    EXPECT_EQ(app.MainImage().GetByte(kUserByte), 'E');

    // Yes: the changes go to a file chosen in the save dialog, then the file is read again.
    m_box.Script({Answer::Yes});
    m_dialogs.Script({m_dir / "changes.qcf"});
    ASSERT_EQ(app.OpenFile(path), 0);
    ASSERT_EQ(m_dialogs.Count(), 1u);
    EXPECT_TRUE(m_dialogs.Last().save);
    EXPECT_EQ(m_dialogs.Last().setup.fileName, "Doc.qcf");
    EXPECT_EQ(m_dialogs.Last().setup.defaultExtension, "qcf");
    EXPECT_EQ(m_dialogs.Last().setup.filter, "Clone files (*.qcf)");
    EXPECT_EQ(app.FileName(), path.string());
    EXPECT_NE(app.MainImage().GetByte(kUserByte), 'E');
    EXPECT_FALSE(app.IsModified());

    ASSERT_EQ(app.OpenFile(m_dir / "changes.qcf"), 0);
    EXPECT_EQ(app.MainImage().GetByte(kUserByte), 'E');
}

TEST_F(Document, TitledDocumentIsSavedUnderItsNameWhenAsked) {
    indMain& app = Started();
    const auto path = WriteImage("kept.qcf", InitialFile(0));
    ASSERT_EQ(app.OpenFile(path), 0);
    Edit(kUserByte, 'K');
    m_box.Script({Answer::Yes});
    app.NewDocument();
    EXPECT_EQ(m_box.Last().text, "GI_Mess_Confirm_WriteFile kept.qcf");
    EXPECT_EQ(m_dialogs.Count(), 0u);
    EXPECT_TRUE(app.FileName().empty());
    EXPECT_EQ(app.Caption(), "Untitled - Title");

    // The file was removed behind the program's back and its directory with it: the save fails, New
    // stops, and the changes stay.
    ASSERT_EQ(app.OpenFile(path), 0);
    EXPECT_EQ(app.MainImage().GetByte(kUserByte), 'K');
    Edit(kUserByte, 'L');
    std::filesystem::rename(m_dir / "kept.qcf", m_dir / "moved.qcf");
    std::filesystem::create_directory(m_dir / "kept.qcf"); // its name is now taken by a directory
    m_box.Script({Answer::Yes});
    app.NewDocument();
    EXPECT_EQ(app.MainImage().GetByte(kUserByte), 'L');
    EXPECT_TRUE(app.IsModified());
    EXPECT_EQ(app.FileName(), path.string());
}

TEST_F(Document, DialogsStartInTheLastDirectoryAndCancelChangesNothing) {
    indMain& app = Started();
    EXPECT_EQ(app.OpenWithDialog(), cuiMain::kCancelled);
    EXPECT_EQ(app.SaveWithDialog(), cuiMain::kCancelled);
    ASSERT_EQ(m_dialogs.Count(), 2u);
    EXPECT_FALSE(m_dialogs.ShownDialogs()[0].save);
    EXPECT_EQ(m_dialogs.ShownDialogs()[0].setup.fileName, "");
    EXPECT_EQ(m_dialogs.ShownDialogs()[1].setup.fileName, "Untitled");
    EXPECT_EQ(m_dialogs.ShownDialogs()[1].setup.directory, std::filesystem::current_path());

    const auto path = WriteImage("a.qcf", InitialFile(0));
    m_dialogs.Script({path});
    ASSERT_EQ(app.OpenWithDialog(), 0);
    EXPECT_EQ(app.SaveWithDialog(), cuiMain::kCancelled);
    EXPECT_EQ(m_dialogs.Last().setup.directory, m_dir.Path());
    EXPECT_EQ(m_dialogs.Last().setup.fileName, "a.qcf");
    EXPECT_EQ(app.FileName(), path.string());
}

TEST_F(Document, OpeningAFileAgainListsItOnce) {
    indMain& app = Started();
    const auto first = WriteImage("first.qcf", InitialFile(0)).string();
    const auto second = WriteImage("second.qcf", InitialFile(0)).string();
    for (const auto& path : {first, second, first, first}) {
        ASSERT_EQ(app.OpenFile(path), 0) << path;
    }
    ASSERT_EQ(m_environ.recent.Count(), 2);
    EXPECT_EQ(m_environ.recent.Entry(0), first);
    EXPECT_EQ(m_environ.recent.Entry(1), second);
}

TEST_F(Document, RecentEntryThatNoLongerExistsIsRefusedAndKept) {
    indMain& app = Started();
    const auto gone = (m_dir / "gone.qcf").string();
    m_environ.recent.AddFirst(gone);
    EXPECT_EQ(app.OpenFile(m_environ.recent.Entry(0)), 1);
    EXPECT_THAT(m_box.Last().text, HasSubstr("GI_Mess_FileErr_FileOpen"));
    EXPECT_EQ(m_environ.recent.Entry(0), gone);
    EXPECT_TRUE(app.FileName().empty());
}

using DocumentDeathTest = Document;

TEST_F(DocumentDeathTest, MissingOrRefusedInitialFileEndsTheProgram) {
    const auto path = m_programDir / "VQN58_0.qcf";
    std::filesystem::remove(path);
    EXPECT_EXIT(Started(),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                Literally("Cannot open '" + path.string() + "'."));

    cmcEeprom refused = InitialFile(1);
    refused.SetByte(0x60B, 2);
    std::filesystem::copy_file(WriteImage("refused.qcf", refused), path);
    EXPECT_EXIT(Started(),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                Literally("Cannot open '" + path.string() + "'."));
}

TEST_F(DocumentDeathTest, ModelChangeToATypeWithoutItsInitialFileEndsTheProgram) {
    indMain& app = Started();
    const auto ofType2 = WriteImage("uk.qcf", InitialFile(2));
    std::filesystem::remove(m_programDir / "VQN58_2.qcf");
    std::filesystem::remove(m_programDir / "VQN58_3.qcf");
    EXPECT_EXIT(app.OpenFile(ofType2),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                Literally("Cannot open '" + (m_programDir / "VQN58_2.qcf").string() + "'."));
    m_box.Script({Answer::Ok});
    EXPECT_EXIT(app.ChangeModel(3, true),
                testing::ExitedWithCode(platform::kFaultExitStatus),
                Literally("Cannot open '" + (m_programDir / "VQN58_3.qcf").string() + "'."));
}

} // namespace
} // namespace apptest
