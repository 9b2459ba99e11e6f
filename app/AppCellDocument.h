#pragma once

#include "model/ICellDocument.h"

class cuiMain;
class cmcEvMan;

// The behaviour object's view of the main application object: its main image, its overlay and
// cell-table registry, its model type and factory adjustment copies, the radio's last identity, and
// the modified flag with the delayed warning check after an edit.
class AppCellDocument final : public ICellDocument {
public:
    // Both must outlive this object.
    AppCellDocument(cuiMain& app, cmcEvMan& events) : m_app(app), m_events(events) {}

    cmcEeprom& CellImage() override;
    IDefinitionSource& Texts() override;
    cmcHash2& CellTables() override;
    cmcEvMan& Events() override { return m_events; }
    int ModelType() override;
    const model::FactoryAdjustments& Adjustments() override;
    std::span<const std::uint8_t> CloneIdentityBytes() override;
    cmcClipCh* ChannelClipboard() override;
    bool UsableChannelsOnly() override;
    // A warning box with OK and Cancel through the application's message box.
    bool Confirm(std::string_view textKey) override;
    // Re-arms the warning check and sets the modified flag when the image differs from the snapshot.
    void CellAnswered() override;

private:
    cuiMain& m_app;
    cmcEvMan& m_events;
};
