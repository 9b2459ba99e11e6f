#pragma once

#include "platform/SettingsStore.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>

namespace testsupport {

// A settings store in memory: what a test writes is what the next read sees. Values keep their type,
// so a text where an integer is expected reads as WrongType. Sync can be made to fail; Synced() holds
// what the last successful Sync wrote, as a real store would have kept it.
class MemorySettingsStore final : public platform::ISettingsStore {
public:
    using Value = std::variant<std::int32_t, std::string>;
    using Values = std::map<std::string, Value>; // "Group/Name" -> value

    Read<std::int32_t> ReadInt(std::string_view group, std::string_view name) const override;
    Read<std::string> ReadString(std::string_view group, std::string_view name) const override;
    void WriteInt(std::string_view group, std::string_view name, std::int32_t value) override;
    void WriteString(std::string_view group, std::string_view name, const std::string& value) override;
    void Remove(std::string_view group, std::string_view name) override;
    bool Sync() override;

    void SetSyncFails(bool fails) { m_syncFails = fails; }
    const Values& Current() const { return m_values; }
    const Values& Synced() const { return m_synced; }
    int Accesses() const { return m_accesses; } // reads, writes, removes and syncs so far

private:
    static std::string Key(std::string_view group, std::string_view name);
    Values m_values;
    Values m_synced;
    bool m_syncFails = false;
    mutable int m_accesses = 0;
};

} // namespace testsupport
