#include "overlay/DefinitionSource.h"

#include "platform/Fault.h"

namespace {

[[noreturn]] void MissingKey(std::string_view key) {
    platform::Fault("GTEX Error !\nThe index '" + std::string(key) + "' was not found.");
}

} // namespace

TextDefinitionSource::TextDefinitionSource(std::string_view text) {
    bool indexing = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_lines.emplace_back(line);
        if (indexing && line.size() >= 2 && line.front() == '#') {
            const std::string key(line.substr(1));
            m_sections.try_emplace(key, m_lines.size());
            indexing = key != "End_Of_Ovl";
        }
    }
}

std::string TextDefinitionSource::GetLine(std::string_view key, int index) {
    const auto found = m_sections.find(std::string(key));
    if (found == m_sections.end() || index < 0 || found->second + static_cast<std::size_t>(index) >= m_lines.size()) {
        MissingKey(key);
    }
    return m_lines[found->second + static_cast<std::size_t>(index)];
}
