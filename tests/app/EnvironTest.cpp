// The settings object: defaults, limits, the all-or-nothing load, the recent list, saving at exit and
// the single instance.

#include "app/indEnviron.h"
#include "support/FakeInstanceLock.h"
#include "support/MemorySettingsStore.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::FakeInstanceLock;
using testsupport::MemorySettingsStore;

constexpr ScreenSize kScreen{1024, 768};

// A store as the program leaves it after a first run with its defaults.
MemorySettingsStore SavedDefaults() {
    MemorySettingsStore store;
    bool held = false;
    FakeInstanceLock lock(held);
    { indEnviron env(lock, store, kScreen); }
    return store;
}

TEST(Environ, FirstStartTakesTheDefaultsAndSavesThemAtExit) {
    MemorySettingsStore store;
    bool held = false;
    FakeInstanceLock lock(held);
    {
        indEnviron env(lock, store, kScreen);
        EXPECT_TRUE(env.IsFirstInstance());
        EXPECT_EQ(env.width, 800);
        EXPECT_EQ(env.height, 600);
        EXPECT_EQ(env.left, 112);
        EXPECT_EQ(env.top, 50);
        EXPECT_EQ(env.comPort, 1);
        EXPECT_EQ(env.comSpeedHigh, 1);
        EXPECT_EQ(env.fontSizePercentage, 100);
        EXPECT_TRUE(env.toolbarVisible);
        EXPECT_EQ(env.splitterV, 200);
        EXPECT_EQ(env.modelType, 0);
        EXPECT_FALSE(env.chListType);
        EXPECT_EQ(env.recent.Count(), 0);
        EXPECT_TRUE(held);
    }
    EXPECT_FALSE(held);
    const auto& saved = store.Synced();
    EXPECT_EQ(std::get<std::int32_t>(saved.at("Global/BBT")), 753951);
    EXPECT_EQ(std::get<std::int32_t>(saved.at("Window Position/Width")), 800);
    EXPECT_EQ(std::get<std::int32_t>(saved.at("View Option/FontSize Percentage")), 100);
    EXPECT_EQ(std::get<std::string>(saved.at("Recent File List/Recent9")), "");
    // Window Position also holds Maximized; Ports holds whether the user chose the port, Setup whether a
    // write is checked.
    EXPECT_EQ(saved.size(), 3u + 10u + 2u + 6u + 2u + 1u + 1u);
}

// The maximised state is kept, but a store written without it still loads every other value.
TEST(Environ, TheMaximisedStateIsKeptAndItsAbsenceSpoilsNothing) {
    MemorySettingsStore store = SavedDefaults();
    store.Remove("Window Position", "Maximized");
    store.WriteInt("Global", "ComPort", 7);
    bool held = false;
    {
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_EQ(env.comPort, 7);
        EXPECT_FALSE(env.maximized);
        env.maximized = true;
    }
    FakeInstanceLock lock(held);
    indEnviron again(lock, store, kScreen);
    EXPECT_TRUE(again.maximized);
}

// Whether the user chose the port is kept; a store written before it was kept counts a port other than
// the first, or a device set for the port in use, as chosen.
TEST(Environ, ThePortChoiceIsKeptAndOlderStoresTellItFromThePort) {
    struct Case {
        const char* what;
        std::function<void(MemorySettingsStore&)> change;
        bool chosen;
    };
    const Case cases[] = {
        {"kept as chosen", [](MemorySettingsStore& s) { s.WriteInt("Ports", "Chosen", 1); }, true},
        {"kept as not chosen", [](MemorySettingsStore& s) { s.WriteInt("Global", "ComPort", 3); }, false},
        {"older, the first port", [](MemorySettingsStore& s) { s.Remove("Ports", "Chosen"); }, false},
        {"older, port 3",
         [](MemorySettingsStore& s) {
             s.Remove("Ports", "Chosen");
             s.WriteInt("Global", "ComPort", 3);
         },
         true},
        {"older, a device for port 1",
         [](MemorySettingsStore& s) {
             s.Remove("Ports", "Chosen");
             s.WriteString("Ports", "COM1", "/dev/ttyUSB0");
         },
         true},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store = SavedDefaults();
        c.change(store);
        bool held = false;
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_TRUE(env.LoadedFromStore()) << c.what;
        EXPECT_EQ(env.portChosen, c.chosen) << c.what;
    }
}

TEST(Environ, SmallScreenDefaults) {
    indEnviron env(ScreenSize{640, 480});
    EXPECT_EQ(env.width, 576);
    EXPECT_EQ(env.height, 432);
    EXPECT_EQ(env.left, 32);
    EXPECT_EQ(env.top, 14);
}

TEST(Environ, StoredValuesAreClampedIntoTheirLimits) {
    struct Case {
        const char* group;
        const char* name;
        std::int32_t stored;
        std::function<std::int32_t(const indEnviron&)> field;
        std::int32_t loaded;
    };
    const Case cases[] = {
        {"Global", "ComPort", 0, [](const indEnviron& e) { return e.comPort; }, 1},
        {"Global", "ComPort", 300, [](const indEnviron& e) { return e.comPort; }, 256},
        {"Global", "ComPort", 17, [](const indEnviron& e) { return e.comPort; }, 17},
        {"Global", "ComSpeedHigh", 5, [](const indEnviron& e) { return e.comSpeedHigh; }, 1},
        {"Global", "ComSpeedHigh", -3, [](const indEnviron& e) { return e.comSpeedHigh; }, 0},
        {"View Option", "FontSize Percentage", 10, [](const indEnviron& e) { return e.fontSizePercentage; }, 25},
        {"View Option", "FontSize Percentage", 5000, [](const indEnviron& e) { return e.fontSizePercentage; }, 1000},
        {"View Option", "Toolbar Visible", 7, [](const indEnviron& e) { return int(e.toolbarVisible); }, 1},
        {"View Option", "Toolbar Visible", 0, [](const indEnviron& e) { return int(e.toolbarVisible); }, 0},
        {"Window Position", "Left", -5000, [](const indEnviron& e) { return e.left; }, -5000},
        {"Setup", "ModelType", 0x1FF, [](const indEnviron& e) { return int(e.modelType); }, -1},
        {"Setup", "ModelType", 0x103, [](const indEnviron& e) { return int(e.modelType); }, 3},
        {"Setup", "ChListType", 2, [](const indEnviron& e) { return int(e.chListType); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(c.stored));
        MemorySettingsStore store = SavedDefaults();
        store.WriteInt(c.group, c.name, c.stored);
        bool held = false;
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_EQ(c.field(env), c.loaded);
    }
}

TEST(Environ, AnyFaultyValueDiscardsTheWholeLoad) {
    const std::function<void(MemorySettingsStore&)> faults[] = {
        [](MemorySettingsStore& s) { s.WriteInt("Global", "BBT", 1); },
        [](MemorySettingsStore& s) { s.Remove("Global", "BBT"); },
        [](MemorySettingsStore& s) { s.Remove("Window Position", "SplitterV"); },
        [](MemorySettingsStore& s) { s.WriteString("Window Position", "Top", "abc"); },
        [](MemorySettingsStore& s) { s.WriteString("Setup", "ChListType", "1"); },
        [](MemorySettingsStore& s) { s.Remove("Setup", ""); },
    };
    int n = 0;
    for (const auto& fault : faults) {
        SCOPED_TRACE(n++);
        MemorySettingsStore store = SavedDefaults();
        // Values that would load on their own must not survive a fault elsewhere.
        store.WriteInt("Global", "ComPort", 9);
        store.WriteInt("Window Position", "Width", 1000);
        store.WriteString("Recent File List", "Recent0", "/data/a.qcf");
        fault(store);
        bool held = false;
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_EQ(env.comPort, 1);
        EXPECT_EQ(env.width, 800);
        EXPECT_EQ(env.recent.Count(), 0);
        EXPECT_EQ(env.settingsMarker, indEnviron::kSettingsMarker);
    }
}

TEST(Environ, RecentListLoadsWithoutDuplicatesAndSavesWithEmptyEntries) {
    MemorySettingsStore store = SavedDefaults();
    store.WriteString("Recent File List", "Recent0", "/data/First.qcf");
    store.WriteString("Recent File List", "Recent1", "/DATA/first.QCF");
    store.WriteString("Recent File List", "Recent2", "/x.qcf");
    store.WriteString("Recent File List", "Recent3", "/data/gone/missing.qcf");
    bool held = false;
    FakeInstanceLock lock(held);
    {
        indEnviron env(lock, store, kScreen);
        // Entries equal but for letter case leave one entry in the first place, with the later spelling;
        // seven empty entries collapse into one empty entry at the end.
        ASSERT_EQ(env.recent.Count(), 4);
        EXPECT_EQ(env.recent.Entry(0), "/DATA/first.QCF");
        EXPECT_EQ(env.recent.Entry(1), "/x.qcf");
        EXPECT_EQ(env.recent.Entry(2), "/data/gone/missing.qcf");
        EXPECT_EQ(env.recent.Entry(3), "");
        env.recent.AddFirst("/data/new.qcf");
    }
    const auto& saved = store.Synced();
    EXPECT_EQ(std::get<std::string>(saved.at("Recent File List/Recent0")), "/data/new.qcf");
    EXPECT_EQ(std::get<std::string>(saved.at("Recent File List/Recent1")), "/DATA/first.QCF");
    // A file in the root directory keeps its directory.
    EXPECT_EQ(std::get<std::string>(saved.at("Recent File List/Recent2")), "/x.qcf");
    EXPECT_EQ(std::get<std::string>(saved.at("Recent File List/Recent5")), "");
}

TEST(Environ, SecondInstanceTouchesNothing) {
    MemorySettingsStore store = SavedDefaults();
    store.WriteInt("Global", "ComPort", 7);
    const auto before = store.Current();
    bool held = false;
    FakeInstanceLock firstLock(held);
    indEnviron first(firstLock, store, kScreen);
    const int accesses = store.Accesses();
    {
        FakeInstanceLock secondLock(held);
        indEnviron second(secondLock, store, kScreen);
        EXPECT_FALSE(second.IsFirstInstance());
        EXPECT_EQ(second.comPort, 1); // defaults, not the stored 7
        second.comPort = 99;
        EXPECT_FALSE(second.Save());
    }
    EXPECT_EQ(store.Accesses(), accesses);
    EXPECT_EQ(store.Current(), before);
    EXPECT_TRUE(held);
    EXPECT_EQ(first.comPort, 7);
}

TEST(Environ, ChangedValuesSurviveARestartAndFailedSavesAreSilent) {
    MemorySettingsStore store;
    bool held = false;
    {
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        env.comPort = 12;
        env.modelType = 3;
        env.splitterV = 321;
        env.recent.AddFirst("/a/b.qcf");
    }
    {
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_EQ(env.comPort, 12);
        EXPECT_EQ(env.modelType, 3);
        EXPECT_EQ(env.splitterV, 321);
        EXPECT_EQ(env.recent.Entry(0), "/a/b.qcf");
        store.SetSyncFails(true);
        env.comPort = 40;
        EXPECT_FALSE(env.Save());
    }
    EXPECT_FALSE(held);
    EXPECT_EQ(std::get<std::int32_t>(store.Synced().at("Global/ComPort")), 12);

    // A settings marker changed while running keeps the stored settings as they are.
    store.SetSyncFails(false);
    {
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        env.comPort = 50;
        env.settingsMarker = 1;
    }
    EXPECT_EQ(std::get<std::int32_t>(store.Synced().at("Global/ComPort")), 12);
}

TEST(Recent, CapacityOrderAndDisplayNames) {
    cmcRecent recent(3);
    recent.AddLast("/d/a.qcf");
    recent.AddLast("/d/b.qcf");
    recent.AddLast("/d/c.qcf");
    recent.AddFirst("/d/D.qcf");
    ASSERT_EQ(recent.Count(), 3);
    EXPECT_EQ(recent.Entry(2), "/d/b.qcf");
    recent.AddFirst("/D/B.QCF");
    EXPECT_EQ(recent.Entry(0), "/D/B.QCF");
    EXPECT_EQ(recent.Count(), 3);
    EXPECT_EQ(recent.DisplayName(0, "/d/"), "B.QCF");
    EXPECT_EQ(recent.DisplayName(1, "/other"), "/d/D.qcf");
    EXPECT_EQ(recent.DisplayName(3, "/d"), "");
    recent.Clear();
    recent.AddLast("plain.qcf");
    EXPECT_EQ(recent.DisplayName(0, ""), "plain.qcf");
}

} // namespace

TEST(Environ, PortPathsComeFromThePortsGroupWhichTheLoadDoesNotRequire) {
    MemorySettingsStore store = SavedDefaults();
    store.WriteInt("Global", "ComPort", 3);
    store.WriteString("Ports", "COM3", "/dev/ttyCable");
    {
        bool held = false;
        FakeInstanceLock lock(held);
        indEnviron env(lock, store, kScreen);
        EXPECT_EQ(env.comPort, 3); // no Ports value for the other ports, and the load still holds
        EXPECT_EQ(env.ConfiguredPortPath(3), "/dev/ttyCable");
        EXPECT_EQ(env.ConfiguredPortPath(4), "");
    }
    EXPECT_EQ(std::get<std::string>(store.Synced().at("Ports/COM3")), "/dev/ttyCable"); // kept by the save
    bool held = true; // a second instance never reads the store
    FakeInstanceLock lock(held);
    indEnviron second(lock, store, kScreen);
    EXPECT_EQ(second.ConfiguredPortPath(3), "");
}
