#pragma once

#include "app/ICloneDocument.h"
#include "app/CloneCommands.h"

#include <filesystem>
#include <functional>

class cmcMessages;

namespace cli {

// The command-line tool's document: one image, loaded from the file given to `write` or saved to the
// file given to `read`. Questions go to the message box (which answers for the user).
class CliDocument final : public ICloneDocument {
public:
    CliDocument(cmcMessages& messages, bool makerMode);

    // Opens `path` as the desktop program's Open does; 0 or the clone-file code (shown).
    int Open(const std::filesystem::path& path);
    // Where a successful read is saved; `saved` receives 0 or the clone-file code (shown).
    void SaveReadTo(const std::filesystem::path& path) { m_savePath = path; }
    int SaveResult() const { return m_saveResult; }
    // Called with the clone identity when the information exchange succeeded.
    void OnInfo(std::function<void()> show) { m_showInfo = std::move(show); }

    void CommitPendingInput() override {}
    bool AskToSaveChanges() override { return true; }
    int WarningCheckErrors() override { return 0; }
    bool IsMakerMode() const override { return m_makerMode; }
    bool MayCloneWrite() override;
    bool RejectImage(const cmcEeprom& image) override;
    bool IsNewerImage(const cmcEeprom& image) override;
    const cmcEeprom& Image() override { return m_image; }
    std::int32_t ImageSize() override { return m_image.GetSize(); }
    void MergeForWrite() override {}
    void AdoptReadImage(const cmcEeprom& image) override;
    void CloseSheet() override {}
    void ShowCloneInfo() override;

private:
    cmcMessages& m_messages;
    bool m_makerMode;
    cmcEeprom m_image;
    std::filesystem::path m_savePath;
    int m_saveResult = 0;
    std::function<void()> m_showInfo;
};

} // namespace cli
