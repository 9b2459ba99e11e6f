#include "app/indEnviron.h"

#include "platform/InstanceLock.h"
#include "platform/SettingsStore.h"

#include <algorithm>

namespace {

constexpr const char* kGlobal = "Global";
constexpr const char* kRecentFiles = "Recent File List";
constexpr const char* kViewOption = "View Option";
constexpr const char* kWindowPosition = "Window Position";
constexpr const char* kSetup = "Setup";

std::string RecentName(int i) {
    return "Recent" + std::to_string(i);
}

// Reads integers from one store; the first missing or mistyped value makes every later read fail too,
// so a load is abandoned at its first fault.
class IntReader {
public:
    explicit IntReader(const platform::ISettingsStore& store) : m_store(store) {}
    bool Get(const char* group, const char* name, std::int32_t& out) {
        if (!m_ok) {
            return false;
        }
        const auto read = m_store.ReadInt(group, name);
        m_ok = read.Ok();
        if (m_ok) {
            out = read.value;
        }
        return m_ok;
    }
    bool Ok() const { return m_ok; }

private:
    const platform::ISettingsStore& m_store;
    bool m_ok = true;
};

} // namespace

indEnviron::indEnviron(platform::IInstanceLock& lock, platform::ISettingsStore& store, ScreenSize screen)
    : m_lock(&lock), m_store(&store), m_screen(screen) {
    ApplyDefaults();
    m_firstInstance = m_lock->TryLock();
    if (m_firstInstance && (!Load() || settingsMarker != kSettingsMarker)) {
        ApplyDefaults();
    }
}

indEnviron::indEnviron(ScreenSize screen) : m_screen(screen) {
    ApplyDefaults();
}

indEnviron::~indEnviron() {
    if (m_firstInstance && m_lock->IsLocked()) {
        if (settingsMarker == kSettingsMarker) {
            Save(); // failures at exit are silent
        }
        m_lock->Unlock();
    }
}

void indEnviron::ApplyDefaults() {
    recent.Clear();
    settingsMarker = kSettingsMarker;
    fontSizePercentage = 100;
    toolbarVisible = true;
    comPort = 1;
    comSpeedHigh = 1;
    width = std::min(static_cast<std::int32_t>(m_screen.width * 0.9), 800);
    height = std::min(static_cast<std::int32_t>(m_screen.height * 0.9), 600);
    left = (m_screen.width - width) / 2;
    top = static_cast<std::int32_t>((m_screen.height - height) * 0.3);
    splitterV = 200;
    modelType = 0;
    chListType = false;
}

bool indEnviron::Load() {
    IntReader in(*m_store);
    in.Get(kGlobal, "BBT", settingsMarker);
    in.Get(kGlobal, "ComPort", comPort);
    in.Get(kGlobal, "ComSpeedHigh", comSpeedHigh);
    if (!in.Ok()) {
        return false;
    }
    comPort = std::clamp(comPort, 1, 256);
    comSpeedHigh = std::clamp(comSpeedHigh, 0, 1);

    recent.Clear();
    for (int i = 0; i < kRecentCapacity; ++i) {
        // A missing entry reads as the empty text, as the entries after the last one were saved.
        recent.AddLast(m_store->ReadString(kRecentFiles, RecentName(i)).value);
    }

    std::int32_t toolbar = 0;
    in.Get(kViewOption, "FontSize Percentage", fontSizePercentage);
    in.Get(kViewOption, "Toolbar Visible", toolbar);
    in.Get(kWindowPosition, "Left", left);
    in.Get(kWindowPosition, "Top", top);
    in.Get(kWindowPosition, "Width", width);
    in.Get(kWindowPosition, "Height", height);
    in.Get(kWindowPosition, "SplitterV", splitterV);
    std::int32_t model = 0;
    std::int32_t listType = 0;
    in.Get(kSetup, "ModelType", model);
    in.Get(kSetup, "ChListType", listType);
    if (!in.Ok()) {
        return false;
    }
    fontSizePercentage = std::clamp(fontSizePercentage, 25, 1000);
    toolbarVisible = toolbar != 0;
    modelType = static_cast<std::int8_t>(static_cast<std::uint8_t>(model & 0xFF));
    chListType = listType != 0;
    return true;
}

bool indEnviron::Save() {
    if (!m_firstInstance || !m_store) {
        return false;
    }
    platform::ISettingsStore& out = *m_store;
    out.WriteInt(kGlobal, "BBT", settingsMarker);
    out.WriteInt(kGlobal, "ComPort", comPort);
    out.WriteInt(kGlobal, "ComSpeedHigh", comSpeedHigh);
    for (int i = 0; i < kRecentCapacity; ++i) {
        out.WriteString(kRecentFiles, RecentName(i), recent.DisplayName(i, std::string()));
    }
    out.WriteInt(kViewOption, "FontSize Percentage", fontSizePercentage);
    out.WriteInt(kViewOption, "Toolbar Visible", toolbarVisible ? 1 : 0);
    out.WriteInt(kWindowPosition, "Left", left);
    out.WriteInt(kWindowPosition, "Top", top);
    out.WriteInt(kWindowPosition, "Width", width);
    out.WriteInt(kWindowPosition, "Height", height);
    out.WriteInt(kWindowPosition, "SplitterV", splitterV);
    out.WriteInt(kSetup, "ModelType", modelType);
    out.WriteInt(kSetup, "ChListType", chListType ? 1 : 0);
    return out.Sync();
}
