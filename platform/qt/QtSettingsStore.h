#pragma once

#include "../SettingsStore.h"

#include <filesystem>
#include <memory>

class QSettings;

namespace platform {

// The settings store on QSettings: the registry on Windows, an INI file elsewhere.
class QtSettingsStore final : public ISettingsStore {
public:
    // The user's store of the program: QSettings("Quon", "VQ-N58") (an INI file under the XDG
    // configuration directory on Linux).
    QtSettingsStore();
    // An INI file at an explicit path (tests, portable set-ups).
    explicit QtSettingsStore(const std::filesystem::path& iniPath);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    Read<std::int32_t> ReadInt(std::string_view group, std::string_view name) const override;
    Read<std::string> ReadString(std::string_view group, std::string_view name) const override;
    void WriteInt(std::string_view group, std::string_view name, std::int32_t value) override;
    void WriteString(std::string_view group, std::string_view name, const std::string& value) override;
    void Remove(std::string_view group, std::string_view name) override;
    bool Sync() override;

    // Where the values live (file path or registry key), for messages and tests.
    std::string Location() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace platform
