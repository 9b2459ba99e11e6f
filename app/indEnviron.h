#pragma once

#include "app/cmcRecent.h"

#include <cstdint>
#include <string>

namespace platform {
class IInstanceLock;
class ISettingsStore;
} // namespace platform

// The size of the screen the main window first opens on; the default window geometry follows it.
struct ScreenSize {
    int width = 1024;
    int height = 768;
};

// The process-wide settings object: keeps one copy of the desktop program running, loads the user's
// settings at start and stores them back at exit, and owns the recent-file list. Other objects read and
// change its fields directly.
//
// Only the first instance (the one that took the single-instance lock) reads or writes the store; a
// second instance works on the defaults and never touches the store. Loading is all or nothing: a
// missing value, a value of the wrong type or a foreign settings marker makes every field take its
// default.
class indEnviron {
public:
    static constexpr const char* kMutexName = "Quon VQ-N58 APP Exclusive Mutex";
    static constexpr const char* kBaseKey = "Software\\Quon\\VQ-N58";
    static constexpr std::int32_t kSettingsMarker = 753951;
    static constexpr int kRecentCapacity = 10;

    // Takes `lock`; when it is taken, loads the settings from `store` (first instance). Both must outlive
    // this object.
    indEnviron(platform::IInstanceLock& lock, platform::ISettingsStore& store, ScreenSize screen);
    // Settings with their defaults, never loaded nor saved (the command-line tool).
    explicit indEnviron(ScreenSize screen);
    // The first instance saves the settings (when the marker is intact) and releases the lock.
    ~indEnviron();
    indEnviron(const indEnviron&) = delete;
    indEnviron& operator=(const indEnviron&) = delete;

    bool IsFirstInstance() const { return m_firstInstance; }
    // Whether the fields came from the user's stored settings (else they are the defaults: a first
    // start, a second instance, or a store that could not be read).
    bool LoadedFromStore() const { return m_loaded; }

    // Every field to its default, the recent list emptied.
    void ApplyDefaults();
    // Stores every field; false when the store could not be written (the rest is then abandoned).
    // Only the first instance writes; others answer false.
    bool Save();

    // The device path the user set for COM port `port` (value "COM<n>" of group "Ports"), or empty when
    // none is set. Not part of the all-or-nothing load: an absent value is the usual case. Only the
    // first instance reads the store.
    std::string ConfiguredPortPath(int port) const;
    // Sets (or, with an empty path, removes) the device path of COM port `port` in the store; only the
    // first instance writes.
    void SetConfiguredPortPath(int port, const std::string& path);

    // The settings, read and written directly by their users.
    cmcRecent recent{kRecentCapacity};
    std::int32_t settingsMarker = kSettingsMarker;
    std::int32_t fontSizePercentage = 100;
    bool toolbarVisible = true;
    std::int32_t comPort = 1;
    std::int32_t comSpeedHigh = 1;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t splitterV = 200;
    std::int8_t modelType = 0;
    bool chListType = false;
    // The main window was maximised when it closed (value "Maximized" of "Window Position"; a store
    // without it counts as not maximised and spoils nothing else).
    bool maximized = false;
    // The user chose the COM port (value "Chosen" of "Ports", outside the all-or-nothing load); until
    // then the program chooses the device for them.
    bool portChosen = false;
    // A write is read back and compared (value "CheckAfterWrite" of "Setup", outside the all-or-nothing
    // load; on when absent).
    bool checkAfterWrite = true;

private:
    bool Load();

    platform::IInstanceLock* m_lock = nullptr;
    platform::ISettingsStore* m_store = nullptr;
    ScreenSize m_screen;
    bool m_firstInstance = false;
    bool m_loaded = false;
};
