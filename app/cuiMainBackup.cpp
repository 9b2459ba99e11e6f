// The backup of every image read from the radio, written before the image replaces the document.

#include "app/ReadBackups.h"
#include "app/cuiMain.h"
#include "image/cmcQcfFile.h"
#include "overlay/FormatText.h"
#include "overlay/cmcGTex.h"

#include <chrono>
#include <ctime>

namespace {

// Takes the clone-file messages of the backup's write: the one message of a failed backup says it all.
class QuietBox final : public platform::IMessageBox {
public:
    Answer Show(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

std::tm LocalNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

} // namespace

bool cuiMain::BackUpReadImage(const cmcEeprom& image) {
    cmcGTex& overlay = m_services.overlay;
    std::string reason;
    std::error_code error;
    std::filesystem::create_directories(m_backupFolder, error);
    if (error || !std::filesystem::is_directory(m_backupFolder, error)) {
        reason = error ? error.message() : std::string(std::make_error_code(std::errc::not_a_directory).message());
    } else {
        cmcEeprom copy(image); // the clone file binds a writable image
        const std::filesystem::path path =
            readbackups::FreePath(m_backupFolder, readbackups::FileName(LocalNow(), FileComment(copy)));
        QuietBox quietBox;
        OverlayMessages quiet(overlay, quietBox);
        cmcQcfFile file(quiet);
        PrepareCloneFile(file, copy);
        file.SetMapRevision(kMapRevision);
        file.SetComment(FileComment(copy));
        if (const std::uint8_t code = file.Write(path, CoveredRanges()); code != 0) {
            reason = overlay.GetLongText(OverlayMessages::CloneFileErrorKey(code));
        }
    }
    if (!reason.empty()) {
        m_messages.Show(FormatText(overlay.GetLongText("GI_Mess_Backup_Failed"), {m_backupFolder.string(), reason}),
                        OverlayMessages::Icon::Warning,
                        OverlayMessages::Buttons::Ok);
        return false;
    }
    readbackups::Prune(m_backupFolder);
    return true;
}
