#include "CloneFileText.h"
#include "image/cmcQcfFile.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempDir.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr CloneFileRange kCovered[] = {{0x000, 0x7FF}, {1, 0}};

class cmcQcfFileWrite : public ::testing::Test {
protected:
    cmcQcfFileWrite() : m_messages(m_gtex, m_box) {
        m_gtex.SetSourceFile(testsupport::TestDataPath("image/clonefile.ovl").string());
    }

    std::uint8_t Write(const fs::path& path, cmcEeprom& image, CloneFileRangeTable table = kCovered) {
        cmcQcfFile file(m_messages);
        file.AttachImage(image);
        file.SetModelCodes(0x2691, 0x0001);
        file.SetComment("SEA SPRITE");
        file.SetMapRevision(1);
        return file.Write(path, table);
    }

    // Names in the directory: a failed save must leave no temporary file behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    testsupport::TempDir m_dir;
    cmcGTex m_gtex;
    testsupport::ScriptedMessageBox m_box;
    OverlayMessages m_messages;
};

TEST_F(cmcQcfFileWrite, WritesTheFileByteExactAndReadsItBack) {
    cmcEeprom image = testimage::PatternImage(1);
    const auto path = m_dir / "radio.qcf";
    ASSERT_EQ(Write(path, image), 0);
    EXPECT_EQ(m_box.Count(), 0u);
    EXPECT_EQ(testsupport::ReadFileBytes(path), testimage::Join(testimage::CloneFileLines(image, "SEA SPRITE")));

    cmcEeprom loaded;
    loaded.SetSize(testimage::kImageSize);
    cmcQcfFile reader(m_messages);
    reader.AttachImage(loaded);
    reader.SetModelCodes(0x2691, 0x0001);
    reader.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
    ASSERT_EQ(reader.Read(path, kCovered), 0);
    image.SetByte(0x800, 0); // the byte outside the covered range does not travel
    EXPECT_TRUE(loaded.Equals(image));
}

TEST_F(cmcQcfFileWrite, LinesFollowSixteenByteBlocksAndTheTableEnds) {
    cmcEeprom image;
    image.SetSize(0x801);
    image.Fill(0xA5);
    struct Case {
        std::vector<CloneFileRange> table;
        const char* dataLines;
    } cases[] = {
        {{{0x005, 0x024}},
         "00050BA5A5A5A5A5A5A5A5A5A5A5\r\n"
         "001010A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5\r\n"
         "002005A5A5A5A5A5\r\n"},
        {{{0x7FE, 0x800}, {1, 0}, {0, 0}}, "07FE02A5A5\r\n080001A5\r\n"},
        {{{0x000, 0x000}, {0x010, 0x801}, {0x020, 0x020}}, "000001A5\r\n"}, // stops at the pair leaving the image
    };
    for (const auto& c : cases) {
        const auto path = m_dir / "part.qcf";
        ASSERT_EQ(Write(path, image, c.table), 0);
        EXPECT_EQ(testsupport::ReadFileBytes(path),
                  std::string("26910001\r\n#Comment=SEA SPRITE\r\n#MapRev=1\r\n") + c.dataLines);
    }
}

TEST_F(cmcQcfFileWrite, ControlBytesInTheCommentCannotBreakTheFile) {
    cmcEeprom image = testimage::PatternImage(2);
    cmcQcfFile file(m_messages);
    file.AttachImage(image);
    file.SetModelCodes(0x2691, 0x0001);
    file.SetComment("A\nB\r\x01\xC3\xA9");
    file.SetMapRevision(1);
    const auto path = m_dir / "comment.qcf";
    ASSERT_EQ(file.Write(path, kCovered), 0);
    EXPECT_EQ(testsupport::ReadFileBytes(path).substr(10, 18), "#Comment=A B    \r\n");
}

TEST_F(cmcQcfFileWrite, ReplacesAnExistingFileKeepingItsPermissions) {
    cmcEeprom image = testimage::PatternImage(3);
    const auto path = m_dir.Write("radio.qcf", "old content\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(Write(path, image), 0);
    EXPECT_EQ(testsupport::ReadFileBytes(path), testimage::Join(testimage::CloneFileLines(image, "SEA SPRITE")));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(), std::vector<std::string>{"radio.qcf"});

    // Saving through a symbolic link replaces the file it points to and keeps the link.
    fs::create_symlink("radio.qcf", m_dir / "link.qcf");
    cmcEeprom other = testimage::PatternImage(8);
    ASSERT_EQ(Write(m_dir / "link.qcf", other), 0);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.qcf"));
    EXPECT_EQ(testsupport::ReadFileBytes(path), testimage::Join(testimage::CloneFileLines(other, "SEA SPRITE")));
}

TEST_F(cmcQcfFileWrite, LinksAreFollowedAndLoopsRefused) {
    cmcEeprom image = testimage::PatternImage(9);
    const std::string written = testimage::Join(testimage::CloneFileLines(image, "SEA SPRITE"));
    // A dangling link is saved through: the file it names is made and the link stays.
    fs::create_directory(m_dir / "sub");
    fs::create_symlink("sub/../sub/new.qcf", m_dir / "dangling.qcf");
    fs::create_symlink("dangling.qcf", m_dir / "chain.qcf");
    ASSERT_EQ(Write(m_dir / "chain.qcf", image), 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(m_dir / "dangling.qcf")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(m_dir / "chain.qcf")));
    EXPECT_EQ(testsupport::ReadFileBytes(m_dir / "sub" / "new.qcf"), written);

    // A loop of links, or a link to itself, cannot be opened; the links stay as they are.
    fs::create_symlink("b.qcf", m_dir / "a.qcf");
    fs::create_symlink("a.qcf", m_dir / "b.qcf");
    fs::create_symlink("self.qcf", m_dir / "self.qcf");
    EXPECT_EQ(Write(m_dir / "a.qcf", image), 1);
    EXPECT_EQ(Write(m_dir / "self.qcf", image), 1);
    EXPECT_EQ(fs::read_symlink(m_dir / "a.qcf"), "b.qcf");
    EXPECT_EQ(fs::read_symlink(m_dir / "self.qcf"), "self.qcf");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.qcf", "b.qcf", "chain.qcf", "dangling.qcf", "self.qcf", "sub"}));
}

// Run as another user: the superuser may write any file, so a read-only file refuses only others.
constexpr uid_t kNobody = 65534;

TEST_F(cmcQcfFileWrite, ReadOnlyFileIsLeftAsItIs) {
    cmcEeprom image = testimage::PatternImage(10);
    const auto path = m_dir.Write("radio.qcf", "old content\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (::geteuid() == 0) {
        GTEST_FLAG_SET(death_test_style, "fast");
        fs::permissions(m_dir.Path(), fs::perms::all);
        const auto saveAsNobody = [&] {
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                std::_Exit(99);
            }
            if (testsupport::ReadFileBytes(path) != "old content\n") {
                std::_Exit(98); // the file must be within reach, or the refusal proves nothing
            }
            std::_Exit(Write(path, image));
        };
        EXPECT_EXIT(saveAsNobody(), ::testing::ExitedWithCode(1), "");
    } else {
        EXPECT_EQ(Write(path, image), 1);
    }
    EXPECT_EQ(testsupport::ReadFileBytes(path), "old content\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"radio.qcf"});
}

// The superuser can hand the new file to the old one's owner; anyone else keeps what is theirs.
TEST_F(cmcQcfFileWrite, ReplacedFileKeepsItsOwnerAndGroup) {
    cmcEeprom image = testimage::PatternImage(11);
    const auto path = m_dir.Write("radio.qcf", "old content\n");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        before.st_uid = before.st_gid = kNobody;
    }
    ASSERT_EQ(Write(path, image), 0);
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(cmcQcfFileWrite, SaveThatCannotStartChangesNothing) {
    cmcEeprom image = testimage::PatternImage(4);
    EXPECT_EQ(Write(m_dir / "no-such-dir" / "radio.qcf", image), 1);
    fs::create_directory(m_dir / "folder.qcf");
    EXPECT_EQ(Write(m_dir / "folder.qcf", image), 1);
    EXPECT_TRUE(fs::is_empty(m_dir / "folder.qcf"));
    // A device or pipe is never replaced by a plain file (nor opened: a pipe would block).
    ASSERT_EQ(::mkfifo((m_dir / "pipe.qcf").c_str(), 0600), 0);
    EXPECT_EQ(Write(m_dir / "pipe.qcf", image), 1);
    EXPECT_TRUE(fs::is_fifo(m_dir / "pipe.qcf"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.qcf", "pipe.qcf"}));
    ASSERT_EQ(m_box.Count(), 3u);
    EXPECT_NE(m_box.Last().text.find("code 1:"), std::string::npos);
}

using cmcQcfFileWriteDeathTest = cmcQcfFileWrite;

// A disk that fills up in the middle of a save: the process may write at most 1000 bytes per file,
// so the new file's data fail part-way. The old file must survive whole and no temporary file remain.
// The child is forked, not run afresh: it saves into this test's directory, and makes no directory of
// its own that nothing would remove.
TEST_F(cmcQcfFileWriteDeathTest, FailureInTheMiddleOfASaveKeepsTheOldFile) {
    GTEST_FLAG_SET(death_test_style, "fast");
    const cmcEeprom oldImage = testimage::PatternImage(5);
    const std::string oldFile = testimage::Join(testimage::CloneFileLines(oldImage, "OLD"));
    const auto path = m_dir.Write("radio.qcf", oldFile);
    cmcEeprom image = testimage::PatternImage(6);

    const auto saveOnSmallDisk = [&] {
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 1000;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG instead of ending the process
        std::_Exit(Write(path, image));
    };
    EXPECT_EXIT(saveOnSmallDisk(), ::testing::ExitedWithCode(2), "");
    EXPECT_EQ(testsupport::ReadFileBytes(path), oldFile);
    EXPECT_EQ(Entries(), std::vector<std::string>{"radio.qcf"});
}

} // namespace
