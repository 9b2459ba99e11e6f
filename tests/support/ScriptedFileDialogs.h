#pragma once

#include "platform/FileDialogs.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

namespace testsupport {

// File dialogs that answer from a script and record how each was set up. An empty script cancels.
class ScriptedFileDialogs final : public platform::IFileDialogs {
public:
    struct Shown {
        bool save;
        platform::FileDialogSetup setup;
    };

    // Queues the next answers; nullopt stands for Cancel.
    void Script(std::initializer_list<std::optional<std::filesystem::path>> answers) {
        m_script.insert(m_script.end(), answers);
    }

    std::optional<std::filesystem::path> GetOpenFileName(const platform::FileDialogSetup& setup) override {
        return Answer(false, setup);
    }
    std::optional<std::filesystem::path> GetSaveFileName(const platform::FileDialogSetup& setup) override {
        return Answer(true, setup);
    }

    const std::vector<Shown>& ShownDialogs() const { return m_shown; }
    std::size_t Count() const { return m_shown.size(); }
    const Shown& Last() const { return m_shown.back(); }
    bool ScriptUsedUp() const { return m_script.empty(); }

private:
    std::optional<std::filesystem::path> Answer(bool save, const platform::FileDialogSetup& setup) {
        m_shown.push_back({save, setup});
        if (m_script.empty()) {
            return std::nullopt;
        }
        auto answer = m_script.front();
        m_script.pop_front();
        return answer;
    }

    std::deque<std::optional<std::filesystem::path>> m_script;
    std::vector<Shown> m_shown;
};

} // namespace testsupport
