#pragma once

#include "app/ICloneDocument.h"
#include "link/PortPath.h"

#include <functional>
#include <string>

class cuiMain;
class cmcEvMan;

// The clone commands' view of the main application object: its document, its save question, its
// warning check, its model's judgement of images and its write permission. The information window
// belongs to the window and comes in as a hook (none: nothing shown).
class AppCloneDocument final : public ICloneDocument {
public:
    AppCloneDocument(cuiMain& app, cmcEvMan& events) : m_app(app), m_events(events) {}

    void SetInfoWindow(std::function<void()> show) { m_infoWindow = std::move(show); }

    void CommitPendingInput() override;
    bool AskToSaveChanges() override;
    // Runs the document's warning check (the window's marks follow it).
    int WarningCheckErrors() override;
    bool IsMakerMode() const override;
    int ComPort() override;
    // The device path of COM port `port`: environment, then the user's settings value, then the fixed
    // table.
    std::string DevicePath(int port) override;
    // The device of COM port `port` as the window's clone link opens it: the environment, the user's
    // choice, or, before the user chose a port, the one USB adapter among `ports`, else the simulated
    // radio.
    clonelink::PortInUse PortFor(int port, const std::vector<platform::SerialPortEntry>& ports);
    bool MayCloneWrite() override;
    bool RejectImage(const cmcEeprom& image) override;
    bool IsNewerImage(const cmcEeprom& image) override;
    const cmcEeprom& Image() override;
    std::int32_t ImageSize() override;
    void MergeForWrite() override;
    void AdoptReadImage(const cmcEeprom& image) override;
    void CloseSheet() override;
    void ShowCloneInfo() override;
    bool CheckAfterWrite() override;
    std::string PlaceOfAddress(std::int32_t address) override;

private:
    cuiMain& m_app;
    cmcEvMan& m_events;
    std::function<void()> m_infoWindow;
};
