#include "app/cuiMainCellDocument.h"

#include "app/cuiMain.h"
#include "overlay/cmcGTex.h"

cmcEeprom& cuiMainCellDocument::CellImage() {
    return m_app.MainImage();
}

IDefinitionSource& cuiMainCellDocument::Texts() {
    return m_app.Definitions();
}

cmcHash2& cuiMainCellDocument::CellTables() {
    return m_app.CellTables();
}

int cuiMainCellDocument::ModelType() {
    return m_app.ModelType();
}

const model::FactoryAdjustments& cuiMainCellDocument::Adjustments() {
    return m_app.FactoryAdjustments();
}

std::span<const std::uint8_t> cuiMainCellDocument::CloneIdentityBytes() {
    return m_app.CloneIdentityBytes();
}

void cuiMainCellDocument::CellAnswered() {
    m_app.ArmWarningCheck();
    m_app.IsModified(); // sets the flag the first time the image differs from the snapshot
    m_app.RecordEdit();
}

cmcClipCh* cuiMainCellDocument::ChannelClipboard() {
    return &m_app.ChannelClipboard();
}

bool cuiMainCellDocument::UsableChannelsOnly() {
    return m_app.UsableChannelsOnly();
}

bool cuiMainCellDocument::Confirm(std::string_view textKey) {
    const std::string text = m_app.Overlay().GetLongText(textKey);
    return m_app.Messages().Show(text, cmcMessages::Icon::Warning, cmcMessages::Buttons::OkCancel) ==
           cmcMessages::Answer::Ok;
}
