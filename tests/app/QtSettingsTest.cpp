// The settings object on a real INI file through QSettings, and the single-instance lock file.

#include "app/indEnviron.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtInstanceLock.h"
#include "platform/qt/QtSettingsStore.h"
#include "support/FakeInstanceLock.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testsupport::TempDir;

constexpr ScreenSize kScreen{1024, 768};

TEST(QtSettings, SettingsRoundTripThroughAnIniFile) {
    TempDir dir;
    const auto ini = dir / "VQ-N58.conf";
    bool held = false;
    {
        platform::QtSettingsStore store(ini);
        testsupport::FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        env.comPort = 200;
        env.fontSizePercentage = 150;
        env.toolbarVisible = false;
        env.left = -20;
        env.modelType = 4;
        env.chListType = true;
        env.recent.AddFirst("/home/user/Radio Ä.qcf");
        env.recent.AddFirst("/home/user/a, b = \"c\";.qcf");
        env.recent.AddFirst("/home/user/b.qcf");
    }
    const std::string text = testsupport::ReadFileBytes(ini);
    EXPECT_NE(text.find("[Global]"), std::string::npos);
    EXPECT_NE(text.find("BBT=753951"), std::string::npos);
    EXPECT_NE(text.find("[Window%20Position]"), std::string::npos);
    {
        platform::QtSettingsStore store(ini);
        testsupport::FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_EQ(env.comPort, 200);
        EXPECT_EQ(env.fontSizePercentage, 150);
        EXPECT_FALSE(env.toolbarVisible);
        EXPECT_EQ(env.left, -20);
        EXPECT_EQ(env.modelType, 4);
        EXPECT_TRUE(env.chListType);
        EXPECT_EQ(env.recent.Entry(0), "/home/user/b.qcf");
        EXPECT_EQ(env.recent.Entry(1), "/home/user/a, b = \"c\";.qcf");
        EXPECT_EQ(env.recent.Entry(2), "/home/user/Radio Ä.qcf");
    }
}

TEST(QtSettings, MissingCorruptOrMistypedFilesLoadTheDefaults) {
    const char* contents[] = {
        nullptr, // no file at all
        "\x01\x02\xff\xfe garbage [[[ = =\n\0\0\0",
        "[Global]\nBBT=753951\nComPort=abc\nComSpeedHigh=1\n",
        "[Global]\nBBT=753951\nComPort=99999999999\nComSpeedHigh=1\n",
    };
    for (const char* content : contents) {
        SCOPED_TRACE(content ? content : "(none)");
        TempDir dir;
        const auto ini = dir / "settings.ini";
        if (content) {
            dir.Write("settings.ini", content);
        }
        platform::QtSettingsStore store(ini);
        EXPECT_EQ(store.ReadInt("Global", "ComSpeedHigh").Ok(), content != nullptr && content[0] == '[');
        bool held = false;
        testsupport::FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_EQ(env.comPort, 1);
        EXPECT_EQ(env.width, 800);
    }
}

TEST(QtSettings, ReadsReportMissingAndWrongTypes) {
    TempDir dir;
    platform::QtSettingsStore store(dir / "s.ini");
    store.WriteInt("View Option", "FontSize Percentage", -7);
    store.WriteString("Setup", "Name", "x");
    EXPECT_EQ(store.ReadInt("View Option", "FontSize Percentage").value, -7);
    EXPECT_EQ(store.ReadInt("Setup", "Name").status, platform::ISettingsStore::ReadStatus::WrongType);
    EXPECT_EQ(store.ReadInt("Setup", "Other").status, platform::ISettingsStore::ReadStatus::Missing);
    store.Remove("Setup", "");
    EXPECT_EQ(store.ReadString("Setup", "Name").status, platform::ISettingsStore::ReadStatus::Missing);
    EXPECT_TRUE(store.Sync());
}

TEST(QtSettings, UnwritableStoreFailsToSync) {
    TempDir dir;
    // The settings file's place is taken by a directory: nothing can be written there.
    std::filesystem::create_directory(dir / "s.ini");
    platform::QtSettingsStore store(dir / "s.ini");
    store.WriteInt("Global", "BBT", 1);
    EXPECT_FALSE(store.Sync());
}

TEST(QtInstanceLock, OnlyOneHolderAndStaleLocksAreRecovered) {
    TempDir dir;
    const std::string name = indEnviron::kMutexName;
    platform::QtInstanceLock first(name, dir.Path());
    platform::QtInstanceLock second(name, dir.Path());
    EXPECT_EQ(first.FilePath().filename().string(), "Quon VQ-N58 APP Exclusive Mutex.lock");
    ASSERT_TRUE(first.TryLock());
    EXPECT_TRUE(first.TryLock());
    EXPECT_FALSE(second.TryLock());
    first.Unlock();
    EXPECT_TRUE(second.TryLock());
    second.Unlock();

    // A lock file left by a process that has ended is taken over.
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    { std::ofstream(first.FilePath()) << child << "\nvqn58\n" << host << "\n"; }
    platform::QtInstanceLock third(name, dir.Path());
    EXPECT_TRUE(third.TryLock());
}

TEST(QtInstanceLock, SecondInstanceLeavesTheFirstOnesSettingsAlone) {
    TempDir dir;
    const auto ini = dir / "s.ini";
    platform::QtSettingsStore store(ini);
    platform::QtInstanceLock firstLock(indEnviron::kMutexName, dir.Path());
    auto first = std::make_unique<indEnviron>(firstLock, store, kScreen);
    first->comPort = 33;
    {
        platform::QtSettingsStore otherStore(ini);
        platform::QtInstanceLock secondLock(indEnviron::kMutexName, dir.Path());
        indEnviron second(secondLock, otherStore, kScreen);
        EXPECT_FALSE(second.IsFirstInstance());
        second.comPort = 44;
    }
    EXPECT_FALSE(std::filesystem::exists(ini));
    first.reset();
    platform::QtSettingsStore reread(ini);
    EXPECT_EQ(reread.ReadInt("Global", "ComPort").value, 33);
}

TEST(QtFileDialogs, FiltersOfDescriptionAndPatternPairsBecomeQtFilters) {
    using platform::QtFileDialogs;
    EXPECT_EQ(QtFileDialogs::QtFilter("Clone files (*.qcf);;All files (*)"), "Clone files (*.qcf);;All files (*)");
    EXPECT_EQ(QtFileDialogs::QtFilter("Clone files|*.qcf|All files|*.*"), "Clone files (*.qcf);;All files (*.*)");
    EXPECT_EQ(QtFileDialogs::QtFilter("Clone files (*.qcf)|*.qcf;*.QCF"), "Clone files (*.qcf)");
    EXPECT_EQ(QtFileDialogs::QtFilter("Text|*.txt;*.qcf"), "Text (*.txt *.qcf)");
    EXPECT_EQ(QtFileDialogs::QtFilter(""), "");
}

} // namespace
