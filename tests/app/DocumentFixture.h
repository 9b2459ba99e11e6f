#pragma once

#include "app/IMainView.h"
#include "app/indEnviron.h"
#include "app/indMain.h"
#include "events/cmcEvMan.h"
#include "image/cmcEeprom.h"
#include "overlay/cmcGTex.h"
#include "support/FakeClock.h"
#include "support/FakeInstanceLock.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempDir.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace apptest {

// What the window would have been asked to do.
class RecordingView final : public IMainView {
public:
    void CaptionChanged(const std::string& caption) override { captions.push_back(caption); }
    void CloseCurrentSheet() override { ++sheetCloses; }
    void BuildTree(const std::string& rootSuffix) override { trees.push_back(rootSuffix); }
    void MakerModeSwitchedOn(const std::string& statusText) override { makerPanels.push_back(statusText); }
    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    EditLocation CurrentLocation() override { return location; }
    void ShowLocation(const EditLocation& where) override { shown.push_back(where.sheet); }
    void ShowWarningCheck(const WarningCheckResult& result) override { checks.push_back(result); }
    void UsableChannelsToggled() override { ++usableToggles; }
    void ShowResult(const std::string& text) override { results.push_back(text); }

    std::vector<std::string> captions;
    std::vector<std::string> trees;
    std::vector<std::string> makerPanels;
    int sheetCloses = 0;
    int busyDepth = 0;
    EditLocation location;          // where the view says a change is being made
    std::vector<std::string> shown; // the sheets Undo and Redo asked to show
    std::vector<WarningCheckResult> checks;
    int usableToggles = 0;
    std::vector<std::string> results; // the status lines of the actions
};

// An application object on a test overlay whose texts name their keys, the shipped initial files in a
// temporary program directory, scripted message boxes and dialogs, and a real event manager whose
// events are recorded.
class DocumentFixture : public ::testing::Test {
public:
    DocumentFixture();
    ~DocumentFixture() override;

    // Forgets the application object and everything recorded, for the next case of a table.
    void Reset();
    // The application object, made on first use (after a test has arranged the settings).
    indMain& App();
    // App() with its start-up document loaded.
    indMain& Started();

    // The factory image of model type t as the initial file holds it.
    cmcEeprom InitialFile(int t) const;
    // Writes `image` as a clone file in the temporary directory and returns its full path.
    std::filesystem::path WriteImage(const std::string& name, cmcEeprom image) const;
    // Edits the main image the way a cell does (directly), making the document modified.
    void Edit(std::int32_t address, std::uint8_t value);
    // The texts of the message boxes shown so far.
    std::vector<std::string> Shown() const;
    // How many times event `type` was delivered.
    int Events(std::uint8_t type) const;

    testsupport::TempDir m_dir;
    std::filesystem::path m_programDir;
    testsupport::ScriptedMessageBox m_box;
    testsupport::ScriptedFileDialogs m_dialogs;
    testsupport::FakeTime m_time;
    // The settings as the first instance of the desktop program has them, on an in-memory store.
    bool m_instanceHeld = false;
    testsupport::FakeInstanceLock m_instanceLock{m_instanceHeld};
    testsupport::MemorySettingsStore m_store;
    indEnviron m_environ{m_instanceLock, m_store, ScreenSize{}};
    RecordingView m_view;
    std::vector<std::uint8_t> m_events;

    // The services of an application object made by the fixture.
    cuiMain::Services Services();

private:
    static void Record(void* context, const Event& event);
    cmcGTex m_overlay;
    cmcEvMan m_eventManager{m_time.Timers()};
    std::unique_ptr<indMain> m_app;
};

// A regular expression matching `text` literally.
std::string Literally(const std::string& text);

} // namespace apptest
