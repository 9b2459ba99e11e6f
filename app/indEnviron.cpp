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
constexpr const char* kPorts = "Ports";
constexpr const char* kMaximized = "Maximized";
constexpr const char* kPortChosen = "Chosen";
constexpr const char* kCheckAfterWrite = "CheckAfterWrite";

std::string RecentName(int i) {
    return "Recent" + std::to_string(i);
}

// One integer value of the store: where it lives, how the field gives it, and how a stored value is
// taken into the field (with the field's limit).
struct IntSetting {
    const char* group;
    const char* name;
    std::int32_t (*get)(const indEnviron&);
    void (*set)(indEnviron&, std::int32_t);
};

// Every integer value, in the order of the groups in the store.
const IntSetting kIntSettings[] = {
    {kGlobal,
     "BBT",
     [](const indEnviron& e) { return e.settingsMarker; },
     [](indEnviron& e, std::int32_t v) { e.settingsMarker = v; }},
    {kGlobal,
     "ComPort",
     [](const indEnviron& e) { return e.comPort; },
     [](indEnviron& e, std::int32_t v) { e.comPort = std::clamp(v, 1, 256); }},
    {kGlobal,
     "ComSpeedHigh",
     [](const indEnviron& e) { return e.comSpeedHigh; },
     [](indEnviron& e, std::int32_t v) { e.comSpeedHigh = std::clamp(v, 0, 1); }},
    {kViewOption,
     "FontSize Percentage",
     [](const indEnviron& e) { return e.fontSizePercentage; },
     [](indEnviron& e, std::int32_t v) { e.fontSizePercentage = std::clamp(v, 25, 1000); }},
    {kViewOption,
     "Toolbar Visible",
     [](const indEnviron& e) { return std::int32_t{e.toolbarVisible}; },
     [](indEnviron& e, std::int32_t v) { e.toolbarVisible = v != 0; }},
    {kWindowPosition,
     "Left",
     [](const indEnviron& e) { return e.left; },
     [](indEnviron& e, std::int32_t v) { e.left = v; }},
    {kWindowPosition,
     "Top",
     [](const indEnviron& e) { return e.top; },
     [](indEnviron& e, std::int32_t v) { e.top = v; }},
    {kWindowPosition,
     "Width",
     [](const indEnviron& e) { return e.width; },
     [](indEnviron& e, std::int32_t v) { e.width = v; }},
    {kWindowPosition,
     "Height",
     [](const indEnviron& e) { return e.height; },
     [](indEnviron& e, std::int32_t v) { e.height = v; }},
    {kWindowPosition,
     "SplitterV",
     [](const indEnviron& e) { return e.splitterV; },
     [](indEnviron& e, std::int32_t v) { e.splitterV = v; }},
    // Stored sign-extended; only the low 8 bits of a stored value count.
    {kSetup,
     "ModelType",
     [](const indEnviron& e) { return std::int32_t{e.modelType}; },
     [](indEnviron& e, std::int32_t v) {
         e.modelType = static_cast<std::int8_t>(static_cast<std::uint8_t>(v & 0xFF));
     }},
    {kSetup,
     "ChListType",
     [](const indEnviron& e) { return std::int32_t{e.chListType}; },
     [](indEnviron& e, std::int32_t v) { e.chListType = v != 0; }},
};

} // namespace

indEnviron::indEnviron(platform::IInstanceLock& lock, platform::ISettingsStore& store, ScreenSize screen)
    : m_lock(&lock), m_store(&store), m_screen(screen) {
    ApplyDefaults();
    m_firstInstance = m_lock->TryLock();
    m_loaded = m_firstInstance && Load() && settingsMarker == kSettingsMarker;
    if (m_firstInstance && !m_loaded) {
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
    portChosen = false;
    checkAfterWrite = true;
}

bool indEnviron::Load() {
    // Every value is read before any field changes, so a fault anywhere leaves the fields untouched.
    std::int32_t values[std::size(kIntSettings)] = {};
    for (std::size_t i = 0; i < std::size(kIntSettings); ++i) {
        const auto read = m_store->ReadInt(kIntSettings[i].group, kIntSettings[i].name);
        if (!read.Ok()) {
            return false;
        }
        values[i] = read.value;
    }
    for (std::size_t i = 0; i < std::size(kIntSettings); ++i) {
        kIntSettings[i].set(*this, values[i]);
    }
    recent.Clear();
    for (int i = 0; i < kRecentCapacity; ++i) {
        // A missing entry reads as the empty text, as the entries after the last one were saved.
        recent.AddLast(m_store->ReadString(kRecentFiles, RecentName(i)).value);
    }
    // Outside the all-or-nothing rule: stores written before it was kept lack it.
    const auto maximizedValue = m_store->ReadInt(kWindowPosition, kMaximized);
    maximized = maximizedValue.Ok() && maximizedValue.value != 0;
    // Stores written before the choice was kept: a port other than the first, or a device set for the
    // port in use, was the user's own choice.
    const auto chosenValue = m_store->ReadInt(kPorts, kPortChosen);
    portChosen = chosenValue.Ok() ? chosenValue.value != 0
                                  : comPort != 1 || m_store->ReadString(kPorts, "COM" + std::to_string(comPort)).Ok();
    const auto checkValue = m_store->ReadInt(kSetup, kCheckAfterWrite);
    checkAfterWrite = !checkValue.Ok() || checkValue.value != 0;
    return true;
}

bool indEnviron::Save() {
    if (!m_firstInstance || !m_store) {
        return false;
    }
    for (const auto& setting : kIntSettings) {
        m_store->WriteInt(setting.group, setting.name, setting.get(*this));
    }
    for (int i = 0; i < kRecentCapacity; ++i) {
        m_store->WriteString(kRecentFiles, RecentName(i), recent.DisplayName(i, std::string()));
    }
    m_store->WriteInt(kWindowPosition, kMaximized, maximized ? 1 : 0);
    m_store->WriteInt(kPorts, kPortChosen, portChosen ? 1 : 0);
    m_store->WriteInt(kSetup, kCheckAfterWrite, checkAfterWrite ? 1 : 0);
    return m_store->Sync();
}

std::string indEnviron::ConfiguredPortPath(int port) const {
    if (!m_firstInstance || !m_store) {
        return {};
    }
    const auto read = m_store->ReadString(kPorts, "COM" + std::to_string(port));
    return read.Ok() ? read.value : std::string();
}

void indEnviron::SetConfiguredPortPath(int port, const std::string& path) {
    if (!m_firstInstance || !m_store) {
        return;
    }
    const std::string name = "COM" + std::to_string(port);
    if (path.empty()) {
        m_store->Remove(kPorts, name);
    } else {
        m_store->WriteString(kPorts, name, path);
    }
}
