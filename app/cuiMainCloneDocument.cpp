#include "app/cuiMainCloneDocument.h"

#include "app/cuiMain.h"
#include "app/indEnviron.h"
#include "events/cmcEvMan.h"
#include "link/PortPath.h"

namespace {
constexpr std::uint8_t kEvCommitInput = 21;
} // namespace

void cuiMainCloneDocument::CommitPendingInput() {
    m_events.Send(kEvCommitInput);
}

bool cuiMainCloneDocument::AskToSaveChanges() {
    return m_app.AskToSave(false) != cuiMain::Answer::Cancel;
}

int cuiMainCloneDocument::WarningCheckErrors() {
    return m_app.RunWarningCheck().errors;
}

bool cuiMainCloneDocument::IsMakerMode() const {
    return m_app.IsMakerMode();
}

int cuiMainCloneDocument::ComPort() {
    return m_app.Environ().comPort;
}

std::string cuiMainCloneDocument::DevicePath(int port) {
    return clonelink::DevicePath(port, m_app.Environ().ConfiguredPortPath(port));
}

clonelink::PortInUse cuiMainCloneDocument::PortFor(int port, const std::vector<platform::SerialPortEntry>& ports) {
    const indEnviron& settings = m_app.Environ();
    return clonelink::ChoosePort(port, settings.ConfiguredPortPath(port), settings.portChosen, ports);
}

bool cuiMainCloneDocument::CheckAfterWrite() {
    return m_app.Environ().checkAfterWrite;
}

std::string cuiMainCloneDocument::PlaceOfAddress(std::int32_t address) {
    return m_app.PlaceOfAddress(address);
}

bool cuiMainCloneDocument::MayCloneWrite() {
    return m_app.MayCloneWrite();
}

bool cuiMainCloneDocument::RejectImage(const cmcEeprom& image) {
    return m_app.RejectImage(image);
}

bool cuiMainCloneDocument::IsNewerImage(const cmcEeprom& image) {
    return m_app.IsNewerImage(image);
}

const cmcEeprom& cuiMainCloneDocument::Image() {
    return m_app.MainImage();
}

std::int32_t cuiMainCloneDocument::ImageSize() {
    return m_app.MainImage().GetSize();
}

void cuiMainCloneDocument::MergeForWrite() {
    m_app.PrepareCloneWrite();
}

void cuiMainCloneDocument::AdoptReadImage(const cmcEeprom& image) {
    m_app.AdoptClonedImage(image);
}

void cuiMainCloneDocument::CloseSheet() {
    m_app.CloseCurrentSheet();
}

void cuiMainCloneDocument::ShowCloneInfo() {
    if (m_infoWindow) {
        m_infoWindow();
    }
}
