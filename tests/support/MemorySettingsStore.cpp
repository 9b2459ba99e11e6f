#include "support/MemorySettingsStore.h"

namespace testsupport {

std::string MemorySettingsStore::Key(std::string_view group, std::string_view name) {
    return std::string(group) + "/" + std::string(name);
}

platform::ISettingsStore::Read<std::int32_t> MemorySettingsStore::ReadInt(std::string_view group,
                                                                          std::string_view name) const {
    ++m_accesses;
    Read<std::int32_t> read;
    const auto it = m_values.find(Key(group, name));
    if (it == m_values.end()) {
        return read;
    }
    if (const auto* value = std::get_if<std::int32_t>(&it->second)) {
        read.status = ReadStatus::Ok;
        read.value = *value;
    } else {
        read.status = ReadStatus::WrongType;
    }
    return read;
}

platform::ISettingsStore::Read<std::string> MemorySettingsStore::ReadString(std::string_view group,
                                                                            std::string_view name) const {
    ++m_accesses;
    Read<std::string> read;
    const auto it = m_values.find(Key(group, name));
    if (it == m_values.end()) {
        return read;
    }
    read.status = ReadStatus::Ok;
    if (const auto* text = std::get_if<std::string>(&it->second)) {
        read.value = *text;
    } else {
        read.value = std::to_string(std::get<std::int32_t>(it->second));
    }
    return read;
}

void MemorySettingsStore::WriteInt(std::string_view group, std::string_view name, std::int32_t value) {
    ++m_accesses;
    m_values[Key(group, name)] = value;
}

void MemorySettingsStore::WriteString(std::string_view group, std::string_view name, const std::string& value) {
    ++m_accesses;
    m_values[Key(group, name)] = value;
}

void MemorySettingsStore::Remove(std::string_view group, std::string_view name) {
    ++m_accesses;
    if (!name.empty()) {
        m_values.erase(Key(group, name));
        return;
    }
    const std::string prefix = std::string(group) + "/";
    for (auto it = m_values.lower_bound(prefix); it != m_values.end() && it->first.starts_with(prefix);) {
        it = m_values.erase(it);
    }
}

bool MemorySettingsStore::Sync() {
    ++m_accesses;
    if (m_syncFails) {
        return false;
    }
    m_synced = m_values;
    return true;
}

} // namespace testsupport
