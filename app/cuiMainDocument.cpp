// The document commands of cuiMain: new, open, save, save as, the recent files, the channel lists as
// text, the save question and the initial image.

#include "app/ChannelCsvCommands.h"
#include "app/cuiMain.h"
#include "app/indEnviron.h"
#include "events/EventNumbers.h"
#include "image/CloneFileOpen.h"
#include "image/cmcQcfFile.h"
#include "overlay/cmcGTex.h"
#include "platform/Fault.h"

#include <system_error>

namespace {

// The hourglass cursor for as long as it lives.
class BusyCursor {
public:
    explicit BusyCursor(IMainView& view) : m_view(view) { m_view.SetBusy(true); }
    ~BusyCursor() { m_view.SetBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    IMainView& m_view;
};

std::filesystem::path FullPath(const std::filesystem::path& path) {
    std::error_code error;
    auto full = std::filesystem::absolute(path, error);
    return (error ? path : full).lexically_normal();
}

} // namespace

CloneFileRangeTable cuiMain::CoveredRanges() {
    m_coveredRanges[0] = {0, m_lastCloneAddress};
    return m_coveredRanges;
}

void cuiMain::PrepareCloneFile(cmcQcfFile& file, cmcEeprom& image) {
    file.AttachImage(image);
    file.SetModelCodes(m_modelCode, m_extraCode);
    file.SetMapRevisionTest([](std::int32_t revision) { return revision == kMapRevision; });
}

platform::FileDialogSetup cuiMain::DialogSetup(bool save) {
    platform::FileDialogSetup setup;
    setup.defaultExtension = m_services.overlay.GetLine("GI_Sys_Dialog_FOpen", 0);
    setup.filter = m_services.overlay.GetLine("GI_Sys_Dialog_FOpen", 1);
    setup.directory = m_lastDirectory;
    if (save) {
        setup.fileName = std::filesystem::path(DisplayName()).filename().string();
    }
    return setup;
}

cuiMain::Answer cuiMain::AskToSave(bool replacingWithSameFile) {
    SendEvent(kEvCommitInput);
    if (!IsModified()) {
        return Answer::Yes;
    }
    std::string text;
    if (replacingWithSameFile) {
        text = m_services.overlay.GetText("GI_Mess_Confirm_WriteAnother");
    } else {
        const std::string format = m_services.overlay.GetText("GI_Mess_Confirm_WriteFile");
        const std::string name = std::filesystem::path(DisplayName()).filename().string();
        const auto at = format.find("%s");
        text = at == std::string::npos ? format : format.substr(0, at) + name + format.substr(at + 2);
    }
    Answer answer = m_messages.Show(text, OverlayMessages::Icon::Warning, OverlayMessages::Buttons::YesNoCancel);
    if (answer == Answer::Yes) {
        const bool saved =
            (m_fileName.empty() || replacingWithSameFile) ? SaveWithDialog() == 0 : SaveToFile(DisplayName()) == 0;
        if (!saved) {
            answer = Answer::Cancel;
        }
    } else if (answer != Answer::No) {
        answer = Answer::Cancel;
    }
    return answer;
}

void cuiMain::NewDocument() {
    if (AskToSave(false) == Answer::Cancel) {
        return;
    }
    m_main = m_initial;
    TakeSnapshot();
    SetFileName(std::string());
    CloseCurrentSheet();
    m_factoryAdjustments.fill(0);
    ResetHistory();
    SendEvent(kEvImageChanged);
}

int cuiMain::OpenWithDialog() {
    SendEvent(kEvCommitInput);
    const auto chosen = m_services.fileDialogs.GetOpenFileName(DialogSetup(false));
    return chosen ? OpenFile(*chosen) : kCancelled;
}

int cuiMain::OpenFile(const std::filesystem::path& path) {
    const std::filesystem::path full = FullPath(path);
    if (AskToSave(cmcRecent::SamePath(full.string(), DisplayName())) == Answer::Cancel) {
        return kCancelled;
    }
    CloneFileProfile profile;
    profile.modelCode = m_modelCode;
    profile.extraCode = m_extraCode;
    profile.mapRevision = kMapRevision;
    profile.imageSize = m_main.GetSize();
    profile.coveredRanges = CoveredRanges();
    profile.rejectImage = [this](const cmcEeprom& image) { return RejectImage(image); };
    profile.isNewerImage = [this](const cmcEeprom& image) { return IsNewerImage(image); };
    BusyCursor busy(*m_view);
    cmcEeprom scratch;
    const std::uint8_t result = ReadCloneFileAsOpen(full, profile, m_messages, scratch);
    if (result != qcf::kOk) {
        return result;
    }
    m_lastDirectory = full.parent_path();
    SetFileName(full.string());
    m_services.settings.recent.AddFirst(m_fileName);
    m_main = scratch;
    ImageLoaded(m_main);
    TakeSnapshot();
    CloseCurrentSheet();
    ResetHistory();
    SendEvent(kEvImageChanged);
    ShowResultLine(0, {full.string()});
    return qcf::kOk;
}

int cuiMain::SaveWithDialog() {
    const auto chosen = m_services.fileDialogs.GetSaveFileName(DialogSetup(true));
    return chosen ? SaveToFile(*chosen) : kCancelled;
}

int cuiMain::Save() {
    return m_fileName.empty() ? SaveWithDialog() : SaveToFile(m_fileName);
}

std::string cuiMain::RecentFile(int index) {
    cmcRecent& recent = Environ().recent;
    if (index < 0 || index >= recent.Count()) {
        return {};
    }
    return recent.DisplayName(index, m_lastDirectory.string());
}

void cuiMain::OpenRecent(int index) {
    const std::string path = Environ().recent.Entry(index);
    if (!path.empty()) {
        OpenFile(path);
    }
}

void cuiMain::ExportChannels() {
    ChannelCsvCommands(*this, EventManager()).Export();
}

void cuiMain::ImportChannels() {
    ChannelCsvCommands(*this, EventManager()).Import();
}

int cuiMain::SaveToFile(const std::filesystem::path& path) {
    const std::filesystem::path full = FullPath(path);
    SendEvent(kEvCommitInput);
    RecordEdit();
    MergeImage(m_main, true);
    BusyCursor busy(*m_view);
    cmcQcfFile file(m_messages);
    PrepareCloneFile(file, m_main);
    file.SetMapRevision(kMapRevision);
    file.SetComment(FileComment(m_main));
    const std::uint8_t result = file.Write(full, CoveredRanges());
    if (result != qcf::kOk) {
        return result;
    }
    m_lastDirectory = full.parent_path();
    SetFileName(full.string());
    m_services.settings.recent.AddFirst(m_fileName);
    TakeSnapshot();
    m_history.DocumentSaved(m_main, {m_saved, m_fileName});
    ShowResultLine(1, {full.string()});
    return qcf::kOk;
}

int cuiMain::CheckClonedImage(const cmcEeprom& image) {
    if (RejectImage(image)) {
        return kCloneRejected;
    }
    return IsNewerImage(image) ? kCloneNewer : 0;
}

void cuiMain::AdoptClonedImage(const cmcEeprom& image) {
    m_lastReadBackedUp = !m_backupFolder.empty() && BackUpReadImage(image);
    RecordEdit();
    m_main = image;
    ImageLoaded(m_main);
    SetModified();
    SetFileName(std::string());
    CloseCurrentSheet();
    RecordReplacement();
    SendEvent(kEvImageChanged);
}

void cuiMain::PrepareCloneWrite() {
    RecordEdit();
    const bool modified = IsModified();
    MergeImage(m_main, true);
    if (!modified) {
        TakeSnapshot();
    }
    m_history.DocumentSaved(m_main, {m_saved, m_fileName});
}

std::filesystem::path cuiMain::InitialFilePath(int modelType) {
    return m_services.dataDirectory / m_services.overlay.GetLine("GI_App_InitialFile", modelType);
}

void cuiMain::LoadInitialImage(int modelType) {
    const std::filesystem::path path = FullPath(InitialFilePath(modelType));
    cmcQcfFile file(m_messages);
    PrepareCloneFile(file, m_initial);
    if (file.Read(path, CoveredRanges()) != qcf::kOk || RejectImage(m_initial)) {
        platform::Fault("Cannot open '" + path.string() + "'.");
    }
    MergeImage(m_initial, false);
}

void cuiMain::BuildDocument() {
    if (m_imageSize < kMinimumImageSize) {
        platform::Fault("Self Check Error.\nEEPROM Map is too large.");
    }
    indEnviron& settings = m_services.settings;
    if (settings.modelType < 0 || settings.modelType >= kModelTypeCount) {
        settings.modelType = 0;
    }
    LoadInitialImage(settings.modelType);
    m_main = m_initial;
    TakeSnapshot();
    CloseCurrentSheet();
    ResetHistory();
}
