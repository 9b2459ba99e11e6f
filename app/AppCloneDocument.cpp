#include "app/AppCloneDocument.h"

#include "app/cuiMain.h"
#include "app/indEnviron.h"
#include "events/cmcEvMan.h"
#include "link/PortPath.h"

namespace {
constexpr std::uint8_t kEvCommitInput = 21;
} // namespace

void AppCloneDocument::CommitPendingInput() {
    m_events.Send(kEvCommitInput);
}

bool AppCloneDocument::AskToSaveChanges() {
    return m_app.AskToSave(false) != cuiMain::Answer::Cancel;
}

int AppCloneDocument::WarningCheckErrors() {
    return m_app.RunWarningCheck().errors;
}

bool AppCloneDocument::IsMakerMode() const {
    return m_app.IsMakerMode();
}

int AppCloneDocument::ComPort() {
    return m_app.Environ().comPort;
}

std::string AppCloneDocument::DevicePath(int port) {
    return clonelink::DevicePath(port, m_app.Environ().ConfiguredPortPath(port));
}

clonelink::PortInUse AppCloneDocument::PortFor(int port, const std::vector<platform::SerialPortEntry>& ports) {
    const indEnviron& settings = m_app.Environ();
    return clonelink::ChoosePort(port, settings.ConfiguredPortPath(port), settings.portChosen, ports);
}

bool AppCloneDocument::CheckAfterWrite() {
    return m_app.Environ().checkAfterWrite;
}

std::string AppCloneDocument::PlaceOfAddress(std::int32_t address) {
    return m_app.PlaceOfAddress(address);
}

bool AppCloneDocument::MayCloneWrite() {
    return m_app.MayCloneWrite();
}

bool AppCloneDocument::RejectImage(const cmcEeprom& image) {
    return m_app.RejectImage(image);
}

bool AppCloneDocument::IsNewerImage(const cmcEeprom& image) {
    return m_app.IsNewerImage(image);
}

const cmcEeprom& AppCloneDocument::Image() {
    return m_app.MainImage();
}

std::int32_t AppCloneDocument::ImageSize() {
    return m_app.MainImage().GetSize();
}

void AppCloneDocument::MergeForWrite() {
    m_app.PrepareCloneWrite();
}

void AppCloneDocument::AdoptReadImage(const cmcEeprom& image) {
    m_app.AdoptClonedImage(image);
}

void AppCloneDocument::CloseSheet() {
    m_app.CloseCurrentSheet();
}

void AppCloneDocument::ShowCloneInfo() {
    if (m_infoWindow) {
        m_infoWindow();
    }
}
