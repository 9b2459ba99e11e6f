// Backups of radio reads: their names, the folder that keeps the newest, and a read that goes on when
// the backup cannot be written.

#include "app/ReadBackups.h"

#include "DocumentFixture.h"
#include "model/ImageMap.h"
#include "platform/ProgramPaths.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using apptest::DocumentFixture;

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadBackups, NamesCarryTheTimeAndASafeComment) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 10;
    when.tm_hour = 7;
    when.tm_min = 5;
    when.tm_sec = 9;
    const struct {
        const char* comment;
        const char* name;
    } cases[] = {
        {"Sea Breeze", "2026-12-10_070509_Sea_Breeze.qcf"},
        {"", "2026-12-10_070509.qcf"},
        {"  ***  ", "2026-12-10_070509.qcf"},
        {"../../etc/passwd", "2026-12-10_070509_etc_passwd.qcf"},
        {"C:\\boat\x01\xC3\xA9", "2026-12-10_070509_C_boat.qcf"},
        {"A-very-long-comment-of-a-boat", "2026-12-10_070509_A-very-long-comm.qcf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readbackups::FileName(when, c.comment), c.name) << c.comment;
    }
}

TEST(ReadBackups, TheNewestAreKeptAndOtherFilesAreLeftAlone) {
    testsupport::TempDir dir;
    for (int i = 0; i < 103; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "2026-01-%02d_%06d_Boat.qcf", 1 + i / 10, i);
        dir.Write(name, "x");
    }
    dir.Write("notes.qcf", "mine");
    dir.Write("2026-01-01_000000.txt", "mine");
    readbackups::Prune(dir.Path());
    const auto names = Names(dir.Path());
    ASSERT_EQ(names.size(), 102U);
    EXPECT_EQ(names.front(), "2026-01-01_000000.txt");
    EXPECT_EQ(names[1], "2026-01-01_000003_Boat.qcf"); // 0, 1 and 2 were the oldest
    EXPECT_EQ(names.back(), "notes.qcf");
    EXPECT_EQ(readbackups::FreePath(dir.Path(), "notes.qcf"), dir / "notes-2.qcf");
}

class Backups : public DocumentFixture {
protected:
    // The factory image with a comment, as a radio sends it.
    cmcEeprom ReadImage() {
        cmcEeprom image = InitialFile(1);
        const std::string comment = "Sea Breeze";
        for (std::size_t i = 0; i < comment.size(); ++i) {
            image.SetByte(model::kCommentAddress + static_cast<std::int32_t>(i), static_cast<std::uint8_t>(comment[i]));
        }
        return image;
    }
};

TEST_F(Backups, AReadIsKeptInTheUsersDataFolderBeforeItBecomesTheDocument) {
    const std::filesystem::path data = m_dir / "data";
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    ASSERT_EQ(platform::UserDataDir(), data / "vqn58");
    indMain& app = Started();
    app.SetBackupFolder(platform::UserDataDir() / "backups");
    const cmcEeprom image = ReadImage();
    app.AdoptClonedImage(image);
    app.AdoptClonedImage(image);
    ::unsetenv("XDG_DATA_HOME");
    const auto names = Names(data / "vqn58" / "backups");
    ASSERT_EQ(names.size(), 2U);
    EXPECT_NE(names[0].find("_Sea_Breeze"), std::string::npos) << names[0];
    EXPECT_NE(names[0], names[1]);
    EXPECT_TRUE(Shown().empty());
    // The backup is a clone file the program opens as the image that was read.
    app.TakeSnapshot();
    ASSERT_EQ(app.OpenFile(data / "vqn58" / "backups" / names[0]), 0);
    EXPECT_EQ(app.MainImage().GetByte(model::kCommentAddress), 'S');
}

TEST_F(Backups, AFailedBackupIsReportedOnceAndTheReadGoesOn) {
    const std::filesystem::path readOnly = m_dir / "read-only";
    std::filesystem::create_directories(readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool rootWritesAnyway = ::geteuid() == 0;
    const std::filesystem::path cases[] = {
        m_dir.Write("a-file", "x") / "backups", // a file where the folder should be
        readOnly / "backups",
    };
    for (const auto& folder : cases) {
        if (rootWritesAnyway && folder.parent_path() == readOnly) {
            continue; // permissions do not hold the superuser back
        }
        Reset();
        indMain& app = Started();
        app.SetBackupFolder(folder);
        const cmcEeprom image = ReadImage();
        app.AdoptClonedImage(image);
        const auto shown = Shown();
        ASSERT_EQ(shown.size(), 1U) << folder;
        EXPECT_EQ(shown[0].rfind("GI_Mess_Backup_Failed " + folder.string(), 0), 0U) << shown[0];
        EXPECT_EQ(app.MainImage().GetByte(model::kCommentAddress), 'S');
        EXPECT_TRUE(app.IsModified());
    }
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_all);
}

// A disk that takes no more than 100 bytes of a file: the write of the backup fails as on a full disk.
TEST_F(Backups, AFullDiskIsReportedOnceAndTheReadGoesOn) {
    indMain& app = Started();
    const std::filesystem::path folder = m_dir / "backups";
    app.SetBackupFolder(folder);
    const cmcEeprom image = ReadImage();
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    app.AdoptClonedImage(image);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    const auto shown = Shown();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0], "GI_Mess_Backup_Failed " + folder.string() + "\nGI_Mess_FileErr_FileAccess");
    EXPECT_TRUE(Names(folder).empty()); // no half-written backup stays
    EXPECT_EQ(app.MainImage().GetByte(model::kCommentAddress), 'S');
}

TEST_F(Backups, NoFolderKeepsNoBackup) {
    indMain& app = Started();
    EXPECT_TRUE(app.BackupFolder().empty());
    app.AdoptClonedImage(ReadImage());
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Names(m_dir.Path()).size(), 2U); // the program folder and the overlay
}

} // namespace
